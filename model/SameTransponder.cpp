// SPDX-License-Identifier: GPL-3.0-or-later
#include "SameTransponder.h"

#include "ChannelIdentity.h"
#include "Conversions.h"

#include <vector>

namespace k510 {

Tuning Tuning::of(const Transponder &tp)
{
    return {tp.polarisation != 0, bcdDigitsValue(bcdValue(tp.frequency)), bcdDigitsValue(bcdValue(tp.symbolRate)),
            tp.fec};
}

TransponderMatch matchTransponder(const Tuning &wanted, const Tuning &candidate)
{
    if (wanted.vertical != candidate.vertical || frequencyDistance(wanted.frequencyMhz, candidate.frequencyMhz) > kFrequencyToleranceMhz)
        return TransponderMatch::None;
    return wanted.symbolRate == candidate.symbolRate ? TransponderMatch::Same : TransponderMatch::OtherSymbolRate;
}

std::optional<std::size_t> closestTransponder(const Tuning &wanted, std::span<const Tuning> candidates,
                                              TransponderMatch least)
{
    std::optional<std::size_t> best;
    std::uint32_t bestDistance = 0;
    for (std::size_t k = 0; k < candidates.size(); ++k) {
        const TransponderMatch match = matchTransponder(wanted, candidates[k]);
        if (match == TransponderMatch::None || match < least)
            continue;
        if (const std::uint32_t d = frequencyDistance(wanted.frequencyMhz, candidates[k].frequencyMhz); !best || d < bestDistance) {
            best = k;
            bestDistance = d;
        }
    }
    return best;
}

std::optional<int> sameTransponderOf(const ChannelDatabase &db, int satelliteIndex, const Transponder &candidate)
{
    if (satelliteIndex < 0 || std::size_t(satelliteIndex) >= db.satellites.size())
        return std::nullopt;
    std::vector<int> indices;
    std::vector<Tuning> tunings;
    for (const int index : db.satellites[std::size_t(satelliteIndex)].transponderIndices)
        if (index >= 0 && std::size_t(index) < db.transponders.size()) {
            indices.push_back(index);
            tunings.push_back(Tuning::of(db.transponders[std::size_t(index)]));
        }
    const auto closest = closestTransponder(Tuning::of(candidate), tunings, TransponderMatch::Same);
    if (!closest)
        return std::nullopt;
    return indices[*closest];
}

} // namespace k510
