// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"
#include "model/ChannelImport.h"
#include "model/ChannelKind.h"

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

class ChannelPage;
class EditHistory;
class PageTabs;
class StatusPanels;

// What the import command works on, lent by the main window.
struct ImportTargets {
    ChannelDatabase &database;
    UserDialogs &dialogs;
    EditHistory &history;       // the import is one step
    EditorSettings &settings;   // the folder the file dialog starts in, the satellites chosen last
    QWidget &window;            // the parent of the file and the two dialogs
    PageTabs &pages;            // the added channels are shown selected on the TV or radio page
    StatusPanels &status;       // and counted there
    std::function<void()> showDatabaseAgain;
    std::function<void(int page)> showPage;
};

// The row of the TV or radio list selected when the command started: the
// added channels of that kind may stand after it.
struct SelectedOrderRow {
    ChannelKind kind;
    int position;   // 1-based position in the kind's order list
};

// "Добавить из другой базы...": asks for another database image, lets the
// user choose its channels and where its satellites' channels go, shows
// what adding them would do, and does it on "OK" as one step. A choice that
// cannot be added, and "Отмена" on the summary, go back to the dialog as the
// user left it.
class ImportCommands : public QObject {
    Q_OBJECT
public:
    ImportCommands(ImportTargets targets, QObject *parent);

    void importFromOtherDatabase(std::optional<SelectedOrderRow> selected);
    // The row selected in the TV or radio list shown, if any: the added
    // channels of its kind may stand after it.
    [[nodiscard]] std::optional<SelectedOrderRow> selectedOrderRow() const;

private:
    // What "Добавить" would do once the user has confirmed it, or nothing
    // after saying why not.
    // `automatic` are the targets the dialog offered first: a choice that
    // differs from one of them is remembered.
    [[nodiscard]] std::optional<ImportPlan> confirmedPlan(const ChannelDatabase &source,
                                                          std::optional<SelectedOrderRow> selected,
                                                          const std::vector<int> &automatic);
    // The new channels selected in their list, kept in its sort order.
    void showAdded(const ImportPlan &plan);
    [[nodiscard]] std::vector<int> withRememberedTargets(const ChannelDatabase &source, std::vector<int> targets) const;
    void rememberTargets(const ChannelDatabase &source, const std::vector<int> &automatic,
                         const std::vector<int> &chosen);
    [[nodiscard]] static QString importKey(const Satellite &satellite);

    ImportTargets m;
    ImportDialog *m_dialog;
    ImportSummaryDialog *m_summary;
};

} // namespace k510::ui
