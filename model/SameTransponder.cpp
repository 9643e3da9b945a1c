// SPDX-License-Identifier: GPL-3.0-or-later
#include "SameTransponder.h"

#include "ChannelIdentity.h"
#include "Conversions.h"

namespace k510 {

namespace {

std::uint32_t distance(std::uint32_t a, std::uint32_t b) { return a > b ? a - b : b - a; }

} // namespace

Tuning Tuning::of(const Transponder &tp)
{
    return {tp.polarisation != 0, bcdDigitsValue(bcdValue(tp.frequency)), bcdDigitsValue(bcdValue(tp.symbolRate)),
            tp.fec};
}

TransponderMatch matchTransponder(const Tuning &wanted, const Tuning &candidate)
{
    if (wanted.vertical != candidate.vertical || distance(wanted.frequencyMhz, candidate.frequencyMhz) > kFrequencyToleranceMhz)
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
        if (const std::uint32_t d = distance(wanted.frequencyMhz, candidates[k].frequencyMhz); !best || d < bestDistance) {
            best = k;
            bestDistance = d;
        }
    }
    return best;
}

} // namespace k510
