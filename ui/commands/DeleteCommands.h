// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"
#include "ui/pages/ChannelListPage.h"

#include <functional>
#include <vector>

class UserDialogs;

namespace k510::ui {

class EditHistory;

class ChannelPage;
class FavouritesPage;
class TransponderPage;

// What the delete commands work on, lent by the main window.
struct DeleteTargets {
    ChannelDatabase &database;
    UserDialogs &dialogs;
    EditHistory &history;   // each command is one step
    TransponderPage &transponders;
    ChannelPage &tv;
    ChannelPage &radio;
    FavouritesPage &favouriteTv;
    FavouritesPage &favouriteRadio;
    // Shows "Ошибка типа канала!" for so many channels, as opening does.
    std::function<void(int)> reportChannelTypeErrors;
};

// "Удалить" on the transponder, channel and favourites pages and
// "Удалить все кроме добавленного в Избранные" on the channel pages. The
// database does the deleting and renumbering in one pass; the commands ask
// their questions first and bring the rows up to date afterwards.
class DeleteCommands {
public:
    explicit DeleteCommands(DeleteTargets targets);

    // The selected transponders with all their channels; asks first, "Нет"
    // by default, when any of those channels stands in a favourite group.
    void deleteTransponder();
    // The selected rows. A single channel that stands in a favourite group
    // is asked about; for several, one question says how many of them stand
    // in groups: "Да" deletes them all, "Нет" only those in no group (the
    // others are deselected and kept), "Отмена" nothing.
    void deleteChannels(ChannelKind kind);
    // Every channel of the list as the page shows it that stands in no
    // favourite group of its kind, after one question.
    void purge(ChannelKind kind);
    // The selected entries of the chosen group; the channels stay.
    void removeFavourites(ChannelKind kind);

private:
    // Deletes the channels (TV or radio numbers); the page's rows are read
    // again, the others keeping their sort, places and selection.
    void deleteAndShow(ChannelKind kind, const std::vector<int> &numbers);
    [[nodiscard]] ChannelPage &pageOf(ChannelKind kind) const;
    // The TV or radio number a row of the channel page stands for, or 0.
    [[nodiscard]] int numberOfRow(ChannelKind kind, int row) const;

    DeleteTargets m;
};

} // namespace k510::ui
