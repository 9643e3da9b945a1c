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

class ChannelPage;
class SatellitePage;
class TransponderPage;

// What the editing commands work on, lent by the main window.
struct EditTargets {
    ChannelDatabase &database;
    UserDialogs &dialogs;
    SatellitePage &satellites;
    TransponderPage &transponders;
    ChannelPage &tv;
    ChannelPage &radio;
    std::function<void()> refillTv;          // cbTvSelectSatSelect
    std::function<void()> refillRadio;       // cbRadioSelectSatSelect
    std::function<void()> updateStatusBar;   // UpdateStatusBar
};

// The commands behind "Добавить" and "Редактировать" for satellites,
// transponders and channels, with their dialogs, which are created once and
// keep their contents between uses. Each command fills its dialog from the
// database, shows it through the seam, converts and checks every text, and
// only then changes the database and the rows: a refused text shows its
// message and leaves everything as it was. A command without the row or the
// satellite it needs does nothing.
class EditCommands {
public:
    EditCommands(EditTargets targets, QWidget *dialogParent);

    void editSatellite();
    void addTransponder();
    void editTransponder();
    void addChannel(ChannelKind kind);
    void editChannel(ChannelKind kind);

private:
    // Runs a conversion or an apply step; a refused text is shown and false
    // returned.
    bool attempt(const std::function<void()> &step);
    void tell(const QString &message);
    void renameSatelliteEntries(int entry, const QString &name);
    [[nodiscard]] ChannelPage &pageOf(ChannelKind kind) const;

    EditTargets m;
    TsatEditDlg *m_satelliteDialog;
    TtpEditDlg *m_transponderDialog;
    TsvcEditDlg *m_channelEditDialog;
    TsvcAddDlg *m_channelAddDialog;
};

} // namespace k510::ui
