// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "ChannelDatabase.h"

namespace k510 {

// TV and radio channels handled alike, the kind chosen by `radio`: the
// database's own accessors for callers that carry the kind as a flag.

[[nodiscard]] inline const std::vector<std::uint16_t> &orderOf(const ChannelDatabase &db, bool radio)
{
    return db.order(kindOf(radio));
}

[[nodiscard]] inline const FavouriteGroups &favouritesOf(const ChannelDatabase &db, bool radio)
{
    return db.favourites(kindOf(radio));
}

[[nodiscard]] inline const Channel *channelOfKind(const ChannelDatabase &db, bool radio, int number)
{
    return db.channel(kindOf(radio), number);
}

} // namespace k510
