// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "ChannelDatabase.h"
#include "Records.h"

// Whether a transponder of one database is a transponder of another, so a
// channel copied across lands where it tunes. Only transponders of matching
// satellites are compared; the caller picks them.

namespace k510 {

// What of a transponder decides whether a channel tunes on it.
struct Tuning {
    bool vertical = false;
    std::uint32_t frequencyMhz = 0;
    std::uint32_t symbolRate = 0;   // ksymbol/s
    std::uint8_t fec = 0;

    [[nodiscard]] static Tuning of(const Transponder &tp);
    bool operator==(const Tuning &) const = default;
};

enum class TransponderMatch {
    None,              // the other polarisation, or frequencies further apart than kFrequencyToleranceMhz
    OtherSymbolRate,   // polarisation and frequency agree, the symbol rate does not: a channel would not tune
    Same,              // polarisation, frequency and symbol rate agree; the FEC may differ
};

// How far apart two frequencies are, in MHz.
[[nodiscard]] constexpr std::uint32_t frequencyDistance(std::uint32_t a, std::uint32_t b) { return a > b ? a - b : b - a; }

[[nodiscard]] TransponderMatch matchTransponder(const Tuning &wanted, const Tuning &candidate);

// The candidate that matches `wanted` at least as well as `least` (OtherSymbolRate
// or Same): the nearest in frequency, and of equally near ones the first in
// `candidates` (callers list them by ascending transponder number).
[[nodiscard]] std::optional<std::size_t> closestTransponder(const Tuning &wanted, std::span<const Tuning> candidates,
                                                            TransponderMatch least);

// The transponder of the satellite at satelliteIndex that `candidate` is the
// same as (Same above; closestTransponder's tie-break): its index in
// `transponders`, or nullopt when the satellite has none. A transponder added
// beside it would only be a second row for the same signal.
[[nodiscard]] std::optional<int> sameTransponderOf(const ChannelDatabase &db, int satelliteIndex,
                                                   const Transponder &candidate);

} // namespace k510
