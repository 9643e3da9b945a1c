// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"

#include <cstdint>

namespace k510::samples {

// A small, realistic database: six satellites with Universal, Single and
// C-band LNBs behind DiSEqC, motor and USALS, a few dozen transponders, TV
// and radio channels with Cyrillic and Latin names, named favourite groups.
[[nodiscard]] ChannelDatabase demoDatabase();

// Region A filled to its limit: 64 satellites, 2000 transponders and as many
// channels as still fit (6000 TV, the rest radio); every favourite group full.
[[nodiscard]] ChannelDatabase fullCapacityDatabase();

// The database as the receiver leaves it after a rescan of `old`'s
// satellites: a tenth of the TV and of the radio channels gone, as many new
// ones added ("New TV 0", ...), every transponder 1 MHz higher, both orders
// shuffled and the favourite groups emptied. The same seed gives the same
// database.
[[nodiscard]] ChannelDatabase rescannedDatabase(const ChannelDatabase &old, std::uint32_t seed);

} // namespace k510::samples
