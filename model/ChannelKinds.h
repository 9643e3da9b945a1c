// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "ChannelDatabase.h"

namespace k510 {

// TV and radio channels handled alike, the kind chosen by `radio`.

[[nodiscard]] inline const std::vector<std::uint16_t> &orderOf(const ChannelDatabase &db, bool radio)
{
    return radio ? db.radioOrder : db.tvOrder;
}

[[nodiscard]] inline const FavouriteGroups &favouritesOf(const ChannelDatabase &db, bool radio)
{
    return radio ? db.radioFavourites : db.tvFavourites;
}

// The channel a TV channel number (radio number) names: one of 1..T (1..R)
// with a record at its index; nullptr otherwise.
[[nodiscard]] inline const Channel *channelOfKind(const ChannelDatabase &db, bool radio, int number)
{
    if (!radio)
        return db.tvChannel(number);
    return number <= int(db.radioOrder.size()) ? db.radioChannel(number) : nullptr;
}

} // namespace k510
