// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"
#include "ui/pages/ChannelListPage.h"

#include <functional>

class QWidget;
class TsatEditDlg;
class TsvcAddDlg;
class TsvcEditDlg;
class TtpEditDlg;
class UserDialogs;

namespace k510::ui {

class EditHistory;

class ChannelPage;
class ReportList;
class SatellitePage;
class TransponderPage;

// What the editing commands work on, lent by the main window.
struct EditTargets {
    ChannelDatabase &database;
    UserDialogs &dialogs;
    EditHistory &history;   // each command is one step
    SatellitePage &satellites;
    TransponderPage &transponders;
    ChannelPage &tv;
    ChannelPage &radio;
    std::function<void()> updateStatusBar;   // UpdateStatusBar
};

// The commands behind "Добавить" and "Редактировать" for satellites,
// transponders and channels, with their dialogs, which are created once and
// keep their contents between uses. Each command fills its dialog from the
// database, shows it through the seam, converts and checks every text, and
// only then changes the database and the rows. A refused text shows its
// message and the dialog shows again as the user left it, the refused field
// focused; the database changes only once OK is accepted, and not at all on
// "Отмена". A command without the row or the satellite it needs does nothing.
class EditCommands {
public:
    EditCommands(EditTargets targets, QWidget *dialogParent);

    void editSatellite();
    void addTransponder();
    void editTransponder();
    void addChannel(ChannelKind kind);
    void editChannel(ChannelKind kind);

private:
    // Shows the dialog until `accept` takes what it holds (true) or the user
    // cancels (false). `accept` converts and checks everything before it
    // changes anything; a RefusedField it throws is shown, its field focused
    // and the dialog shown again unchanged; any other refusal, which no field
    // can mend, is shown and ends the command.
    template <typename Dialog>
    bool runUntilAccepted(Dialog &dialog, const std::function<void()> &accept);
    void tell(const QString &message);
    // Selects an added or changed row alone and scrolls it into view.
    static void showAddedRow(ReportList &list, int row);
    void renameSatelliteEntries(int entry, const QString &name);
    [[nodiscard]] ChannelPage &pageOf(ChannelKind kind) const;

    EditTargets m;
    TsatEditDlg *m_satelliteDialog;
    TtpEditDlg *m_transponderDialog;
    TsvcEditDlg *m_channelEditDialog;
    TsvcAddDlg *m_channelAddDialog;
    TsvcAddDlg *m_radioAddDialog;
};

} // namespace k510::ui
