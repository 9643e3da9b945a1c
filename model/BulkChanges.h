// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "ChannelDatabase.h"
#include "Refusal.h"

// Changes to many channels of one kind at once, as a selection in a list or
// a number list of k510-tool names them (TV channel numbers or radio
// numbers; a number named twice counts once). Each checks every number
// first: one that names no channel refuses the whole change (NoSuchChannel),
// and a refused change leaves the database as it was.

namespace k510 {

struct FlagsChanged {
    int channels = 0;   // the channels named
    int changed = 0;    // of them, those whose flag was not so before

    bool operator==(const FlagsChanged &) const = default;
};

// The "Блок." flag: the receiver asks for its PIN before showing the channel.
Outcome<FlagsChanged> setLocked(ChannelDatabase &db, ChannelKind kind, const std::vector<int> &numbers, bool locked);
// The scrambled mark ("FTA" shows it): whether the channel needs a card.
Outcome<FlagsChanged> setScrambled(ChannelDatabase &db, ChannelKind kind, const std::vector<int> &numbers,
                                   bool scrambled);

struct FavouritesAdded {
    int added = 0;
    int alreadyInGroup = 0;   // named, but held by the group already: not added again

    bool operator==(const FavouritesAdded &) const = default;
};

// Appends the channels the group does not hold yet to favourite group
// `group` (from 0) of the kind, in the order named. Refused whole with
// GroupOverflow when they would take it past kFavouriteGroupCapacity, and
// with NoSuchGroup for a group outside 0..11.
Outcome<FavouritesAdded> addToFavouriteGroup(ChannelDatabase &db, ChannelKind kind, int group,
                                             const std::vector<int> &numbers);

struct FavouritesRemoved {
    int removed = 0;      // entries taken out (a channel the group holds twice counts twice)
    int notInGroup = 0;   // numbers named that the group did not hold

    bool operator==(const FavouritesRemoved &) const = default;
};

// Takes every entry of the channels out of the group; the channels stay.
Outcome<FavouritesRemoved> removeFromFavouriteGroup(ChannelDatabase &db, ChannelKind kind, int group,
                                                    const std::vector<int> &numbers);

// The numbers that name no channel of the kind, ascending, each once; empty
// when every one names a channel.
[[nodiscard]] std::vector<int> numbersNamingNothing(const ChannelDatabase &db, ChannelKind kind,
                                                    const std::vector<int> &numbers);
// The refusal for them.
[[nodiscard]] Refusal noSuchChannel(ChannelKind kind, std::vector<int> numbers);

} // namespace k510
