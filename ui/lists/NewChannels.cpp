// SPDX-License-Identifier: GPL-3.0-or-later
#include "NewChannels.h"

#include "ListRows.h"

#include <algorithm>
#include <cstring>

namespace k510::ui {

namespace {

// A channel by its service and where it tunes, whatever its index, name or
// flags: a new channel stays new when it is locked or renamed.
std::uint64_t tuningKey(const ChannelDatabase &db, int channelIndex)
{
    const Channel *channel = db.channelAt(channelIndex);
    if (!channel)
        return 0;
    std::uint64_t key = mixedKey(0xCBF29CE484222325ULL, std::uint64_t(channel->serviceId) << 48
                                                            | std::uint64_t(channel->pmtPid) << 32
                                                            | std::uint64_t(channel->videoPid) << 16 | channel->audioPid);
    key = mixedKey(key, channel->pcrPid);
    if (const Transponder *transponder = db.transponderOf(*channel)) {
        std::uint32_t frequency = 0;
        std::memcpy(&frequency, transponder->frequency.data(), sizeof frequency);
        key = mixedKey(key, std::uint64_t(transponder->satNumber) << 40 | std::uint64_t(transponder->polarisation) << 32
                                | frequency);
    }
    return key;
}

} // namespace

void NewChannels::note(const ChannelDatabase &db, const PerKind<std::vector<int>> &channelIndices)
{
    for (const ChannelKind kind : kBothKinds) {
        std::vector<std::uint64_t> &keys = m_keys[kind];
        keys.clear();
        for (const int index : channelIndices[kind])
            if (db.channelAt(index))
                keys.push_back(tuningKey(db, index));
        std::sort(keys.begin(), keys.end());
    }
}

std::vector<int> NewChannels::indicesIn(const ChannelDatabase &db, ChannelKind kind) const
{
    std::vector<int> indices;
    const std::vector<std::uint64_t> &keys = m_keys[kind];
    if (keys.empty())
        return indices;
    const int first = isRadio(kind) ? db.tvCount() : 0;
    const int end = isRadio(kind) ? int(db.channels.size()) : std::min(db.tvCount(), int(db.channels.size()));
    for (int index = first; index < end; ++index)
        if (std::binary_search(keys.begin(), keys.end(), tuningKey(db, index)))
            indices.push_back(index);
    return indices;
}

std::vector<int> channelsAtPlaces(const ChannelDatabase &db, ChannelKind kind, int first, int count)
{
    std::vector<int> indices;
    for (int place = std::max(first, 0); place < first + count; ++place)
        if (const int index = db.channelIndexAtPlace(kind, place); index >= 0)
            indices.push_back(index);
    return indices;
}

} // namespace k510::ui
