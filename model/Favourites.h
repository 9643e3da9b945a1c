#pragma once

#include <span>

#include "ChannelDatabase.h"

namespace k510 {

// Takes the entries at the given 1-based positions out of a group, as if
// removed from the highest position down, so each position means the entry
// that stood there before the call. Positions outside the group are ignored,
// positions named twice count once. Returns how many entries went; the
// channels themselves stay.
int removeFavouriteEntries(FavouriteGroup &group, std::span<const int> positions);

// Appends a TV channel number or radio number to a group; the group may hold
// it already. False, and the group unchanged, when the group holds
// kFavouriteGroupCapacity entries or the number does not fit a group slot
// (0xFFFF marks an empty slot in the image and would be lost on saving).
[[nodiscard]] bool addFavourite(FavouriteGroup &group, int number);

} // namespace k510
