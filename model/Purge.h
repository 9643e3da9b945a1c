// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "ChannelDatabase.h"

namespace k510 {

// The channels a purge deletes: those of the TV (radio) list, of every
// satellite or only of the satellite at satelliteIndex (0-based; a channel
// belongs to the satellite of its transponder), that stand in no favourite
// group of their kind. TV channel numbers (radio numbers) in ascending order,
// as deleteTvChannels (deleteRadioChannels) takes them; empty for a satellite
// index that names no satellite.
[[nodiscard]] std::vector<int> unfavouredTvNumbers(const ChannelDatabase &db,
                                                   std::optional<int> satelliteIndex = std::nullopt);
[[nodiscard]] std::vector<int> unfavouredRadioNumbers(const ChannelDatabase &db,
                                                      std::optional<int> satelliteIndex = std::nullopt);

} // namespace k510
