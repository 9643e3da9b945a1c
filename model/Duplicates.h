// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "ChannelDatabase.h"

namespace k510 {

// Channels that repeat one standing before them in the user's order (the
// order list; channels it misses come after, by number): on the same
// transponder with the same service ID, or on the same transponder with the
// same name. An empty name makes no twin, and a channel whose transponder is
// missing has none. Deleting them keeps the first copy of each.
// TV channel numbers (radio numbers) in ascending order, as
// deleteTvChannels (deleteRadioChannels) and k510-tool delete take them.
[[nodiscard]] std::vector<int> duplicateTvNumbers(const ChannelDatabase &db);
[[nodiscard]] std::vector<int> duplicateRadioNumbers(const ChannelDatabase &db);

} // namespace k510
