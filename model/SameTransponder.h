// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <tuple>
#include <utility>
#include <vector>

#include "ChannelDatabase.h"
#include "Records.h"

// Whether a transponder of one database (or of a satellites.xml list) is a
// transponder of another: the one rule that ordering by example, diff,
// import and the satellites.xml update share, so a channel copied across
// lands where it tunes and a rescan's transponders are recognised as what
// they were. Only transponders of matching satellites are compared; the
// caller picks them.
//
// The rule: the same polarisation and frequencies (in MHz) within
// kFrequencyToleranceMhz. Where a use knows symbol rates, an equal one makes
// the same transponder (TransponderMatch::Same), another one a transponder a
// channel would not tune on. A transponder without any of the other side
// within the tolerance may still be one that moved further, or to the other
// polarisation: sharesEnoughServiceIds decides.
//
// The tie-break, wherever several candidates qualify (MatchRank): the better
// match (the same symbol rate before another one, within the tolerance
// before a moved transponder), then the nearer frequency, then keeping the
// polarisation, then the pair lower in frequency (for 11766, 11765 before
// 11767; of list entries 11765 and 11767 for 11766, 11765), and only then the
// callers' order (ascending transponder number, a list's order).

namespace k510 {

// Transponder frequencies that differ by this much or less are the same
// transponder (a rescan shifts them by a megahertz or two).
inline constexpr std::uint32_t kFrequencyToleranceMhz = 2;

// What of a transponder decides whether a channel tunes on it.
struct Tuning {
    bool vertical = false;
    std::uint32_t frequencyMhz = 0;
    std::uint32_t symbolRate = 0;   // ksymbol/s; 0 where the source does not say
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

// Satellite (an index or any small key of the caller), polarisation and
// frequency (below 2^23 even for damaged BCD) as one hash key. For keys of
// fewer than 2^24 satellites it fits in 48 bits, so shifted by 16 it takes a
// service ID as well.
[[nodiscard]] constexpr std::uint64_t transponderKey(int satellite, bool vertical, std::uint32_t frequencyMhz)
{
    return (std::uint64_t(std::uint32_t(satellite)) << 24) | (std::uint64_t(vertical) << 23) | (frequencyMhz & 0x7FFFFF);
}

// How well one transponder stands for another; the lesser is the better
// (the tie-break above). For a pair matchTransponder calls None it ranks a
// moved transponder, below every match within the tolerance.
struct MatchRank {
    TransponderMatch match = TransponderMatch::None;
    std::uint32_t distance = 0;
    bool otherPolarisation = false;
    std::uint32_t lowerFrequency = 0;   // the lower of the pair's two frequencies

    [[nodiscard]] static MatchRank of(const Tuning &one, const Tuning &other);
    friend bool operator<(const MatchRank &a, const MatchRank &b) { return a.key() < b.key(); }
    bool operator==(const MatchRank &) const = default;

private:
    [[nodiscard]] std::tuple<int, std::uint32_t, bool, std::uint32_t> key() const
    {
        return {-int(match), distance, otherPolarisation, lowerFrequency};
    }
};

// The candidate that matches `wanted` at least as well as `least` (OtherSymbolRate
// or Same), ranked by MatchRank, and of equally ranked ones the first in
// `candidates` (callers list them by ascending transponder number).
[[nodiscard]] std::optional<std::size_t> closestTransponder(const Tuning &wanted, std::span<const Tuning> candidates,
                                                            TransponderMatch least);

// The transponder of the satellite at satelliteIndex that `candidate` is the
// same as (Same above; closestTransponder's tie-break): its index in
// `transponders`, or nullopt when the satellite has none. A transponder added
// beside it would only be a second row for the same signal.
[[nodiscard]] std::optional<int> sameTransponderOf(const ChannelDatabase &db, int satelliteIndex,
                                                   const Transponder &candidate);

// Whether a transponder that moved further than kFrequencyToleranceMhz (or
// to the other polarisation) is still the same one: the two share at least
// two service IDs, and at least half of those of the one with fewer
// (distinct service IDs of the channels compared: one kind's where a use
// pairs one kind, all of a transponder's where it pairs transponders).
[[nodiscard]] bool sharesEnoughServiceIds(std::size_t shared, std::size_t serviceIdsOfOne, std::size_t serviceIdsOfOther);

// The distinct service IDs, ascending, of the channels at the indices of
// both lists (a transponder's TV indices, its radio indices, or both);
// indices that name no channel are left out.
[[nodiscard]] std::vector<std::uint16_t> serviceIdsOf(const ChannelDatabase &db, std::span<const int> channelIndices,
                                                      std::span<const int> moreChannelIndices = {});
// Sorts and leaves each service ID once.
void makeDistinct(std::vector<std::uint16_t> &serviceIds);

// A transponder of one side of a pairing.
struct PairedTransponder {
    int satellite = 0;   // the side's satellite key
    Tuning tuning;
    std::vector<std::uint16_t> serviceIds;   // distinct, ascending; for recognising a moved transponder
};

struct TransponderPairs {
    // Indices into (one, other), in the order they were paired.
    std::vector<std::pair<std::size_t, std::size_t>> near;    // within the tolerance
    std::vector<std::pair<std::size_t, std::size_t>> moved;   // recognised by shared service IDs
};

// Pairs the transponders of one side with those of the other, each at most
// once; a transponder of the one side on satellite key s is compared with
// those of the other on the satellites otherSatellitesOf[s]. First within the
// tolerance, best MatchRank first, then the lower index of `one`, then of
// `other`. Then transponders with none of the other side within the
// tolerance at all (paired or not) are one when sharesEnoughServiceIds says
// so, in the same order.
[[nodiscard]] TransponderPairs pairTransponders(std::span<const PairedTransponder> one,
                                                std::span<const PairedTransponder> other,
                                                const std::vector<std::vector<int>> &otherSatellitesOf);

} // namespace k510
