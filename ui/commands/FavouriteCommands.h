// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"
#include "ui/pages/ChannelListPage.h"

#include <QObject>

#include <functional>

class TfavChSelectDlg;
class TgrpRenameDlg;
class UserDialogs;
class QWidget;

namespace k510::ui {

class EditHistory;

class FavouritesPage;

struct FavouriteTargets {
    ChannelDatabase &database;
    UserDialogs &dialogs;
    EditHistory &history;   // each command is one step
    FavouritesPage &tv;
    FavouritesPage &radio;
    std::function<void()> updateStatusBar;   // UpdateStatusBar
};

// Filling a favourite group in the selection dialog ("Добавить" on a
// favourites page) and renaming it ("R"). Each channel the user drops into
// the dialog that the group does not hold yet joins it at once and shows in
// both the dialog and the page, and entries taken out with Del go at once;
// "OK" keeps the changes, "Отмена" gives the group back as it was when the
// dialog opened.
class FavouriteCommands : public QObject {
    Q_OBJECT
public:
    FavouriteCommands(FavouriteTargets targets, QWidget *dialogParent);

    void chooseChannels(ChannelKind kind);
    void renameGroup(ChannelKind kind);   // ren1Click / ren2Click

    // The channels at these positions of the order list that the group the
    // dialog serves does not hold yet join it, in this order; all of them
    // or, when they would overfill the group, none.
    void addChosenChannels(const QList<int> &orderPositions);
    // Takes the entries at these 1-based positions out of the dialog's group.
    void removeChosenEntries(const QList<int> &groupPositions);

private:
    [[nodiscard]] FavouritesPage &pageOf(ChannelKind kind) const;
    [[nodiscard]] FavouriteGroup &groupOf(ChannelKind kind, int group) const;

    FavouriteTargets m;
    TfavChSelectDlg *m_selection;
    TgrpRenameDlg *m_rename;
    ChannelKind m_kind = ChannelKind::Tv;
    int m_group = 0;
};

} // namespace k510::ui
