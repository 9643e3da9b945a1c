// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelFilter.h"

#include <algorithm>
#include <cstdint>

#include "Duplicates.h"
#include "NameCase.h"

namespace k510 {

namespace {

// The numbers 1..count of a kind that name a channel record; a damaged
// image may have fewer records than its order lists say.
int channelCount(const ChannelDatabase &db, ChannelKind kind)
{
    const int records = int(db.channels.size());
    if (!isRadio(kind))
        return std::min(db.tvCount(), records);
    return std::max(0, std::min(int(db.radioOrder.size()), records - db.tvCount()));
}

// By number: a bit for each favourite group of the kind that holds it.
std::vector<std::uint16_t> groupMembership(const ChannelDatabase &db, ChannelKind kind, int count)
{
    std::vector<std::uint16_t> membership(std::size_t(count) + 1, 0);
    const FavouriteGroups &groups = db.favourites(kind);
    for (std::size_t g = 0; g < groups.size(); ++g)
        for (const std::uint16_t number : groups[g])
            if (number >= 1 && number <= count)
                membership[number] |= std::uint16_t(1U << g);
    return membership;
}

bool favouritesHold(FavouriteCondition condition, int group, std::uint16_t membership)
{
    switch (condition) {
    case FavouriteCondition::Any:
        return true;
    case FavouriteCondition::InAnyGroup:
        return membership != 0;
    case FavouriteCondition::InGroup:
        return group >= 0 && group < kFavouriteGroupCount && (membership & (1U << group)) != 0;
    case FavouriteCondition::InNoGroup:
        return membership == 0;
    }
    return false;
}

bool satelliteIs(const ChannelDatabase &db, const Channel &channel, int satelliteIndex)
{
    const Transponder *transponder = db.transponderOf(channel);
    return transponder && int(transponder->satNumber) - 1 == satelliteIndex;
}

} // namespace

bool ChannelConditions::filters() const
{
    return satellite || transponder || scrambled || locked || favourites != FavouriteCondition::Any || duplicates
           || !nameContains.empty() || among;
}

ChannelMatcher::ChannelMatcher(const ChannelDatabase &db, ChannelKind kind, const ChannelConditions &conditions)
    : m_filters(conditions.filters())
{
    if (!m_filters)
        return;
    const int count = channelCount(db, kind);
    const int firstIndex = isRadio(kind) ? db.tvCount() : 0;
    m_matching.assign(db.channels.size(), 0);

    std::vector<char> copies;
    if (conditions.duplicates) {
        copies.assign(std::size_t(count) + 1, 0);
        for (const int number : duplicateChannels(db, kind).copies)
            copies[std::size_t(number)] = 1;
    }
    std::vector<char> among;
    if (conditions.among) {
        among.assign(db.channels.size(), 0);
        for (const int index : *conditions.among)
            if (index >= 0 && std::size_t(index) < among.size())
                among[std::size_t(index)] = 1;
    }
    const std::vector<std::uint16_t> membership = conditions.favourites == FavouriteCondition::Any
                                                      ? std::vector<std::uint16_t>{}
                                                      : groupMembership(db, kind, count);

    for (int number = 1; number <= count; ++number) {
        const int index = firstIndex + number - 1;
        const Channel &channel = db.channels[std::size_t(index)];
        const bool holds = (!conditions.satellite || satelliteIs(db, channel, *conditions.satellite))
                           && (!conditions.transponder || channel.tpNumber == *conditions.transponder)
                           && (!conditions.scrambled || channel.isScrambled() == *conditions.scrambled)
                           && (!conditions.locked || channel.isLocked() == *conditions.locked)
                           && (membership.empty()
                               || favouritesHold(conditions.favourites, conditions.group, membership[std::size_t(number)]))
                           && (!conditions.duplicates || copies[std::size_t(number)])
                           && (!conditions.among || among[std::size_t(index)])
                           && (conditions.nameContains.empty()
                               || findIgnoringCase(channel.nameText(), conditions.nameContains) != std::string::npos);
        m_matching[std::size_t(index)] = holds;
    }
}

bool ChannelMatcher::matches(int channelIndex) const
{
    if (!m_filters)
        return true;
    return channelIndex >= 0 && std::size_t(channelIndex) < m_matching.size() && m_matching[std::size_t(channelIndex)];
}

std::vector<int> findChannels(const ChannelDatabase &db, ChannelKind kind, const ChannelConditions &conditions)
{
    const ChannelMatcher matcher(db, kind, conditions);
    const int count = channelCount(db, kind);
    const int firstIndex = isRadio(kind) ? db.tvCount() : 0;
    std::vector<int> numbers;
    for (int number = 1; number <= count; ++number)
        if (matcher.matches(firstIndex + number - 1))
            numbers.push_back(number);
    return numbers;
}

} // namespace k510
