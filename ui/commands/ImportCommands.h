// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"
#include "ui/lists/ChannelKind.h"

#include <QObject>

#include <functional>
#include <optional>
#include <vector>

class EditorSettings;
class ImportDialog;
class ImportSummaryDialog;
class QWidget;
class UserDialogs;

namespace k510::ui {

class EditHistory;

// What the import command works on, lent by the main window.
struct ImportTargets {
    ChannelDatabase &database;
    UserDialogs &dialogs;
    EditHistory &history;       // the import is one step
    EditorSettings &settings;   // the folder the file dialog starts in, the satellites chosen last
    QWidget &window;            // the parent of the file and the two dialogs
    std::function<void()> showDatabaseAgain;
};

// The row of the TV or radio list selected when the command started: the
// added channels of that kind may stand after it.
struct SelectedOrderRow {
    ChannelKind kind;
    int position;   // 1-based position in the kind's order list
};

// "Добавить из другой базы...": asks for another database image, lets the
// user choose its channels and where its satellites' channels go, shows
// what adding them would do, and does it on "OK" as one step.
class ImportCommands : public QObject {
    Q_OBJECT
public:
    ImportCommands(ImportTargets targets, QObject *parent);

    void importFromOtherDatabase(std::optional<SelectedOrderRow> selected);

private:
    [[nodiscard]] std::vector<int> withRememberedTargets(const ChannelDatabase &source, std::vector<int> targets) const;
    void rememberTargets(const ChannelDatabase &source, const std::vector<int> &automatic,
                         const std::vector<int> &chosen);
    [[nodiscard]] static QString importKey(const Satellite &satellite);

    ImportTargets m;
    ImportDialog *m_dialog;
    ImportSummaryDialog *m_summary;
};

} // namespace k510::ui
