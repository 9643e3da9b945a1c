// SPDX-License-Identifier: GPL-3.0-or-later
#include "SameTransponder.h"

#include "ChannelIdentity.h"
#include "Conversions.h"

namespace k510 {

std::optional<int> sameTransponderOf(const ChannelDatabase &db, int satelliteIndex, const Transponder &candidate)
{
    if (satelliteIndex < 0 || std::size_t(satelliteIndex) >= db.satellites.size())
        return std::nullopt;
    const std::uint32_t frequency = bcdDigitsValue(bcdValue(candidate.frequency));
    const std::uint32_t rate = bcdDigitsValue(bcdValue(candidate.symbolRate));
    std::optional<int> nearest;
    std::uint32_t nearestDistance = kFrequencyToleranceMhz + 1;
    for (const int index : db.satellites[std::size_t(satelliteIndex)].transponderIndices) {
        if (index < 0 || std::size_t(index) >= db.transponders.size())
            continue;
        const Transponder &present = db.transponders[std::size_t(index)];
        if ((present.polarisation != 0) != (candidate.polarisation != 0)
            || bcdDigitsValue(bcdValue(present.symbolRate)) != rate)
            continue;
        const std::uint32_t at = bcdDigitsValue(bcdValue(present.frequency));
        const std::uint32_t distance = at > frequency ? at - frequency : frequency - at;
        if (distance < nearestDistance) {
            nearest = index;
            nearestDistance = distance;
        }
    }
    return nearest;
}

} // namespace k510
