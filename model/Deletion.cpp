// SPDX-License-Identifier: GPL-3.0-or-later
#include "Deletion.h"

#include "OrderLists.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace k510 {

namespace {

// Deleted numbers out of 1..limit, with the count of deleted numbers below
// each number: what closing the gaps they leave takes, one lookup per reference.
class NumberSet {
public:
    explicit NumberSet(int limit) : m_member(std::size_t(std::max(limit, 0)) + 1, 0) {}

    // Numbers outside 1..limit name nothing and are ignored.
    void add(int number)
    {
        if (number >= 1 && std::size_t(number) < m_member.size())
            m_member[std::size_t(number)] = 1;
    }
    void add(std::span<const int> numbers)
    {
        for (int number : numbers)
            add(number);
    }
    // Ends adding; counts and renumbering are valid from here on.
    void close()
    {
        m_below.assign(m_member.size() + 1, 0);
        for (std::size_t n = 1; n < m_below.size(); ++n)
            m_below[n] = m_below[n - 1] + m_member[n - 1];
    }

    [[nodiscard]] bool contains(int number) const
    {
        return number >= 1 && std::size_t(number) < m_member.size() && m_member[std::size_t(number)];
    }
    [[nodiscard]] int limit() const { return int(m_member.size()) - 1; }
    [[nodiscard]] int count() const { return m_below.back(); }
    // The number a kept number has once the deleted ones are gone.
    [[nodiscard]] int renumbered(int number) const
    {
        return number - m_below[std::min(std::size_t(std::max(number, 0)), m_below.size() - 1)];
    }
    // Largest first, the order in which single deletions keep numbers valid.
    [[nodiscard]] std::vector<int> descending() const
    {
        std::vector<int> numbers;
        for (int n = limit(); n >= 1; --n)
            if (m_member[std::size_t(n)])
                numbers.push_back(n);
        return numbers;
    }

private:
    std::vector<char> m_member;
    std::vector<int> m_below;
};

// A sound order list names each channel once, so each deleted number takes
// its own entry with it and the rest close up in one pass. A damaged list
// follows the single deletions, from the largest number down, which decide
// which entry stands in for a number the list misses.
// Returns the count of entries cleared.
int closeOrderGaps(std::vector<std::uint16_t> &order, const NumberSet &deleted)
{
    if (!isPermutation(order)) {
        int cleared = 0;
        for (const int number : deleted.descending())
            cleared += removeFromOrder(order, number);
        return cleared;
    }
    std::size_t kept = 0;
    for (const std::uint16_t entry : order)
        if (!deleted.contains(entry))
            order[kept++] = std::uint16_t(deleted.renumbered(entry));
    order.resize(kept);
    return 0;
}

// A group may hold a number twice; every occurrence of a deleted one goes.
// Returns the count of entries removed.
int closeGroupGaps(FavouriteGroups &groups, const NumberSet &deleted)
{
    int removed = 0;
    for (auto &group : groups) {
        removed += int(std::erase_if(group, [&deleted](std::uint16_t entry) { return deleted.contains(entry); }));
        for (auto &entry : group)
            entry = std::uint16_t(deleted.renumbered(entry));
    }
    return removed;
}

// Removes the channel records of the deleted TV and radio numbers and closes
// the gaps in both order lists and all groups, counting the entries that
// went with them. The index lists are left for the caller to rebuild.
void removeChannels(ChannelDatabase &db, const NumberSet &tv, const NumberSet &radio, DeletionSummary &summary)
{
    const int tvCount = db.tvCount();
    std::size_t kept = 0;
    for (std::size_t i = 0; i < db.channels.size(); ++i) {
        const int index = int(i);
        const bool doomed = index < tvCount ? tv.contains(index + 1) : radio.contains(index + 1 - tvCount);
        if (!doomed)
            db.channels[kept++] = db.channels[i];
    }
    db.channels.resize(kept);
    summary.orderEntriesCleared += closeOrderGaps(db.tvOrder, tv) + closeOrderGaps(db.radioOrder, radio);
    summary.favouriteEntriesRemoved += closeGroupGaps(db.tvFavourites, tv) + closeGroupGaps(db.radioFavourites, radio);
}

// Removes transponders whose channels are already gone and lowers every
// channel's reference past them.
void removeTransponders(ChannelDatabase &db, const NumberSet &transponders)
{
    std::size_t kept = 0;
    for (std::size_t i = 0; i < db.transponders.size(); ++i)
        if (!transponders.contains(int(i) + 1))
            db.transponders[kept++] = std::move(db.transponders[i]);
    db.transponders.resize(kept);
    for (auto &channel : db.channels)
        channel.tpNumber = std::uint16_t(transponders.renumbered(channel.tpNumber));
}

// Favourite entries only ever go when their channel does.
std::size_t favouriteEntryCount(const ChannelDatabase &db)
{
    std::size_t count = 0;
    for (const FavouriteGroups *groups : {&db.tvFavourites, &db.radioFavourites})
        for (const FavouriteGroup &group : *groups)
            count += group.size();
    return count;
}

} // namespace

DeletionSummary deleteItems(ChannelDatabase &db, std::span<const int> tvNumbers, std::span<const int> radioNumbers,
                            std::span<const int> transponderNumbers)
{
    // The limits are those of ChannelDatabase's lookups: a number names a
    // channel when its record exists.
    const int tvCount = db.tvCount();
    const int channelCount = int(db.channels.size());
    NumberSet tv(std::min(tvCount, channelCount));
    NumberSet radio(channelCount - tvCount);
    NumberSet transponders(int(db.transponders.size()));
    tv.add(tvNumbers);
    radio.add(radioNumbers);
    transponders.add(transponderNumbers);
    transponders.close();

    // A transponder's channels are found by their reference, not through the
    // index lists, so channels of an invalid type go too. With sound order
    // lists their kind follows from their index and everything goes in one
    // pass; in a damaged image T can lag behind the TV block and a repeated
    // number can catch a neighbour's, so there the order of the single
    // deletions decides.
    const bool byIndex = transponders.count() == 0 || (isPermutation(db.tvOrder) && isPermutation(db.radioOrder));
    DeletionSummary summary;
    for (int i = 0; i < channelCount; ++i) {
        const Channel &channel = db.channels[std::size_t(i)];
        const bool isTv = i < tvCount;
        const bool withTransponder = transponders.contains(channel.tpNumber);
        if (withTransponder && byIndex) {
            if (isTv)
                tv.add(i + 1);
            else
                radio.add(i + 1 - tvCount);
        }
        if (withTransponder || (isTv ? tv.contains(i + 1) : radio.contains(i + 1 - tvCount)))
            ++(isTv ? summary.tvDeleted : summary.radioDeleted);
    }
    tv.close();
    radio.close();
    summary.transpondersDeleted = transponders.count();
    if (summary.tvDeleted + summary.radioDeleted + summary.transpondersDeleted == 0)
        return summary;

    removeChannels(db, tv, radio, summary);
    if (summary.transpondersDeleted == 0) {
        summary.channelsOfBadType = db.rebuildChannelIndices();
        return summary;
    }
    if (byIndex) {
        removeTransponders(db, transponders);
        db.rebuildTransponderIndices();
        summary.channelsOfBadType = db.rebuildChannelIndices();
        return summary;
    }
    // A damaged image: the single deletions decide each channel's kind as
    // they go, so they are followed one by one.
    const std::size_t favouritesBefore = favouriteEntryCount(db);
    for (const int number : transponders.descending())
        summary.channelsOfBadType = db.deleteTransponder(number, &summary.orderEntriesCleared);
    summary.favouriteEntriesRemoved += int(favouritesBefore - favouriteEntryCount(db));
    return summary;
}

TransponderChannels channelsOnTransponders(const ChannelDatabase &db, std::span<const int> transponderNumbers)
{
    NumberSet transponders(int(db.transponders.size()));
    transponders.add(transponderNumbers);
    transponders.close();
    const int tvCount = db.tvCount();
    TransponderChannels found;
    for (int i = 0; i < int(db.channels.size()); ++i) {
        if (!transponders.contains(db.channels[std::size_t(i)].tpNumber))
            continue;
        ++found.channels;
        if (i < tvCount ? db.isInTvFavourites(i + 1) : db.isInRadioFavourites(i + 1 - tvCount))
            ++found.favourites;
    }
    return found;
}

DeletionSummary deleteTvChannels(ChannelDatabase &db, std::span<const int> tvNumbers)
{
    return deleteItems(db, tvNumbers, {}, {});
}

DeletionSummary deleteRadioChannels(ChannelDatabase &db, std::span<const int> radioNumbers)
{
    return deleteItems(db, {}, radioNumbers, {});
}

DeletionSummary deleteTransponders(ChannelDatabase &db, std::span<const int> transponderNumbers)
{
    return deleteItems(db, {}, {}, transponderNumbers);
}

} // namespace k510
