// SPDX-License-Identifier: GPL-3.0-or-later
#include "Purge.h"

#include <algorithm>
#include <cstdint>

namespace k510 {

namespace {

// Marks every number 1..limit that stands in one of the groups.
std::vector<char> favouredNumbers(const FavouriteGroups &groups, int limit)
{
    std::vector<char> favoured(std::size_t(limit) + 1, 0);
    for (const auto &group : groups)
        for (const std::uint16_t entry : group)
            if (entry <= limit)
                favoured[entry] = 1;
    return favoured;
}

bool isOnSatellite(const ChannelDatabase &db, const Channel &channel, int satelliteIndex)
{
    const Transponder *transponder = db.transponderOf(channel);
    return transponder && int(transponder->satNumber) - 1 == satelliteIndex;
}

// Numbers 1..count of the block of channels starting at firstIndex.
std::vector<int> unfavoured(const ChannelDatabase &db, const FavouriteGroups &groups, int firstIndex, int count,
                            std::optional<int> satelliteIndex)
{
    if (satelliteIndex && (*satelliteIndex < 0 || std::size_t(*satelliteIndex) >= db.satellites.size()))
        return {};
    const std::vector<char> favoured = favouredNumbers(groups, count);
    std::vector<int> numbers;
    for (int number = 1; number <= count; ++number) {
        if (favoured[std::size_t(number)])
            continue;
        const Channel &channel = db.channels[std::size_t(firstIndex + number - 1)];
        if (!satelliteIndex || isOnSatellite(db, channel, *satelliteIndex))
            numbers.push_back(number);
    }
    return numbers;
}

} // namespace

std::vector<int> unfavouredTvNumbers(const ChannelDatabase &db, std::optional<int> satelliteIndex)
{
    // Only numbers whose record exists, should a damaged image hold fewer.
    const int count = std::min(db.tvCount(), int(db.channels.size()));
    return unfavoured(db, db.tvFavourites, 0, count, satelliteIndex);
}

std::vector<int> unfavouredRadioNumbers(const ChannelDatabase &db, std::optional<int> satelliteIndex)
{
    const int tvCount = db.tvCount();
    const int count = std::clamp(int(db.channels.size()) - tvCount, 0, int(db.radioOrder.size()));
    return unfavoured(db, db.radioFavourites, tvCount, count, satelliteIndex);
}

} // namespace k510
