// SPDX-License-Identifier: GPL-3.0-or-later
#include "SameTransponder.h"

#include <algorithm>
#include <initializer_list>
#include <unordered_map>

#include "Conversions.h"

namespace k510 {

namespace {

struct RankedPair {
    MatchRank rank;
    std::size_t one;
    std::size_t other;

    friend bool operator<(const RankedPair &a, const RankedPair &b)
    {
        if (a.rank < b.rank || b.rank < a.rank)
            return a.rank < b.rank;
        return std::tie(a.one, a.other) < std::tie(b.one, b.other);
    }
};

// Takes the candidates best first, each transponder of either side once.
std::vector<std::pair<std::size_t, std::size_t>> pairBestFirst(std::vector<RankedPair> candidates,
                                                               std::vector<char> &oneTaken, std::vector<char> &otherTaken)
{
    std::sort(candidates.begin(), candidates.end());
    std::vector<std::pair<std::size_t, std::size_t>> pairs;
    for (const RankedPair &candidate : candidates) {
        if (oneTaken[candidate.one] || otherTaken[candidate.other])
            continue;
        oneTaken[candidate.one] = otherTaken[candidate.other] = 1;
        pairs.emplace_back(candidate.one, candidate.other);
    }
    return pairs;
}

std::uint64_t satelliteServiceKey(int satellite, std::uint16_t serviceId)
{
    return (std::uint64_t(std::uint32_t(satellite)) << 16) | serviceId;
}

} // namespace

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

MatchRank MatchRank::of(const Tuning &one, const Tuning &other)
{
    return {matchTransponder(one, other), frequencyDistance(one.frequencyMhz, other.frequencyMhz),
            one.vertical != other.vertical, std::min(one.frequencyMhz, other.frequencyMhz)};
}

std::optional<std::size_t> closestTransponder(const Tuning &wanted, std::span<const Tuning> candidates,
                                              TransponderMatch least)
{
    std::optional<std::size_t> best;
    MatchRank bestRank;
    for (std::size_t k = 0; k < candidates.size(); ++k) {
        const MatchRank rank = MatchRank::of(wanted, candidates[k]);
        if (rank.match == TransponderMatch::None || rank.match < least)
            continue;
        if (!best || rank < bestRank) {
            best = k;
            bestRank = rank;
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

bool sharesEnoughServiceIds(std::size_t shared, std::size_t serviceIdsOfOne, std::size_t serviceIdsOfOther)
{
    return shared >= 2 && 2 * shared >= std::min(serviceIdsOfOne, serviceIdsOfOther);
}

std::vector<std::uint16_t> serviceIdsOf(const ChannelDatabase &db, std::span<const int> channelIndices,
                                        std::span<const int> moreChannelIndices)
{
    std::vector<std::uint16_t> ids;
    for (const auto indices : {channelIndices, moreChannelIndices})
        for (const int index : indices)
            if (index >= 0 && std::size_t(index) < db.channels.size())
                ids.push_back(db.channels[std::size_t(index)].serviceId);
    makeDistinct(ids);
    return ids;
}

void makeDistinct(std::vector<std::uint16_t> &serviceIds)
{
    std::sort(serviceIds.begin(), serviceIds.end());
    serviceIds.erase(std::unique(serviceIds.begin(), serviceIds.end()), serviceIds.end());
}

TransponderPairs pairTransponders(std::span<const PairedTransponder> one, std::span<const PairedTransponder> other,
                                  const std::vector<std::vector<int>> &otherSatellitesOf)
{
    const auto satellitesOf = [&](const PairedTransponder &tp) -> std::span<const int> {
        if (tp.satellite < 0 || std::size_t(tp.satellite) >= otherSatellitesOf.size())
            return {};
        return otherSatellitesOf[std::size_t(tp.satellite)];
    };
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> otherAt;
    for (std::size_t k = 0; k < other.size(); ++k)
        otherAt[transponderKey(other[k].satellite, other[k].tuning.vertical, other[k].tuning.frequencyMhz)].push_back(k);

    std::vector<char> oneNear(one.size(), 0), otherNear(other.size(), 0);
    std::vector<RankedPair> near;
    for (std::size_t k = 0; k < one.size(); ++k) {
        const Tuning &wanted = one[k].tuning;
        const std::uint32_t lowest = wanted.frequencyMhz - std::min(wanted.frequencyMhz, kFrequencyToleranceMhz);
        for (const int satellite : satellitesOf(one[k]))
            for (std::uint32_t frequency = lowest; frequency <= wanted.frequencyMhz + kFrequencyToleranceMhz; ++frequency)
                if (const auto it = otherAt.find(transponderKey(satellite, wanted.vertical, frequency)); it != otherAt.end())
                    for (const std::size_t candidate : it->second) {
                        near.push_back({MatchRank::of(wanted, other[candidate].tuning), k, candidate});
                        oneNear[k] = otherNear[candidate] = 1;
                    }
    }
    std::vector<char> oneTaken(one.size(), 0), otherTaken(other.size(), 0);
    TransponderPairs pairs;
    pairs.near = pairBestFirst(std::move(near), oneTaken, otherTaken);

    // Per satellite and service ID: the transponders of the other side that
    // carry it and have none of the one side near.
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> carriers;
    for (std::size_t k = 0; k < other.size(); ++k)
        if (!otherNear[k])
            for (const std::uint16_t serviceId : other[k].serviceIds)
                carriers[satelliteServiceKey(other[k].satellite, serviceId)].push_back(k);
    std::vector<RankedPair> moved;
    for (std::size_t k = 0; k < one.size(); ++k) {
        if (oneNear[k])
            continue;
        std::unordered_map<std::size_t, std::size_t> shared;   // per transponder of the other side
        for (const std::uint16_t serviceId : one[k].serviceIds)
            for (const int satellite : satellitesOf(one[k]))
                if (const auto it = carriers.find(satelliteServiceKey(satellite, serviceId)); it != carriers.end())
                    for (const std::size_t candidate : it->second)
                        ++shared[candidate];
        for (const auto &[candidate, count] : shared)
            if (sharesEnoughServiceIds(count, one[k].serviceIds.size(), other[candidate].serviceIds.size()))
                moved.push_back({MatchRank::of(one[k].tuning, other[candidate].tuning), k, candidate});
    }
    pairs.moved = pairBestFirst(std::move(moved), oneTaken, otherTaken);
    return pairs;
}

} // namespace k510
