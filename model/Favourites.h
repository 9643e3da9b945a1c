// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <vector>

#include "ChannelDatabase.h"

namespace k510 {

// Takes the entries at the given 1-based positions out of a group, as if
// removed from the highest position down, so each position means the entry
// that stood there before the call. Positions outside the group are ignored,
// positions named twice count once. Returns how many entries went; the
// channels themselves stay.
int removeFavouriteEntries(FavouriteGroup &group, std::span<const int> positions);

// Whether a TV channel number (radio number) may stand in a group of its
// kind: it lies in 1..T (1..R) and a channel record stands at its index.
// Order lists of a damaged image may hold numbers that do not; those are
// never offered for a group nor added to one.
[[nodiscard]] bool namesTvChannel(const ChannelDatabase &db, int tvNumber);
[[nodiscard]] bool namesRadioChannel(const ChannelDatabase &db, int radioNumber);

// Which of the chosen numbers (in the order chosen) would join a group as
// new entries: a number the group holds already, or one chosen twice, is
// skipped and counted, so a group never gets a second entry for a channel
// by choosing it again. Entries the group holds twice already stay so.
struct FavouriteChoice {
    std::vector<std::size_t> joining;   // indices into the chosen numbers
    int alreadyInGroup = 0;
};
[[nodiscard]] FavouriteChoice newFavourites(const FavouriteGroup &group, std::span<const int> chosen);

// Appends a TV channel number or radio number to a group; the group may hold
// it already. False, and the group unchanged, when the group holds
// kFavouriteGroupCapacity entries or the number does not fit a group slot
// (0xFFFF marks an empty slot in the image and would be lost on saving).
[[nodiscard]] bool addFavourite(FavouriteGroup &group, int number);

} // namespace k510
