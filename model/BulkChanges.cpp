// SPDX-License-Identifier: GPL-3.0-or-later
#include "BulkChanges.h"

#include <algorithm>
#include <optional>
#include <cstdint>
#include <unordered_set>

#include "Favourites.h"

namespace k510 {

namespace {

// Each number once, in the order first named.
std::vector<int> distinct(const std::vector<int> &numbers)
{
    std::unordered_set<int> seen;
    std::vector<int> once;
    for (const int number : numbers)
        if (seen.insert(number).second)
            once.push_back(number);
    return once;
}

Outcome<FlagsChanged> setFlag(ChannelDatabase &db, ChannelKind kind, const std::vector<int> &numbers,
                              std::uint8_t flag, bool on)
{
    if (std::vector<int> missing = numbersNamingNothing(db, kind, numbers); !missing.empty())
        return noSuchChannel(kind, std::move(missing));
    FlagsChanged done;
    for (const int number : distinct(numbers)) {
        Channel &channel = db.channels[std::size_t(db.channelIndex(kind, number))];
        const std::uint8_t flags = on ? std::uint8_t(channel.chFlags | flag) : std::uint8_t(channel.chFlags & ~flag);
        ++done.channels;
        done.changed += flags != channel.chFlags;
        channel.chFlags = flags;
    }
    return done;
}

Refusal noSuchGroup(ChannelKind kind, int group)
{
    Refusal refusal;
    refusal.reason = RefusalReason::NoSuchGroup;
    refusal.kind = kind;
    refusal.group = group;
    return refusal;
}

bool isGroup(int group) { return group >= 0 && group < kFavouriteGroupCount; }

} // namespace

std::vector<int> numbersNamingNothing(const ChannelDatabase &db, ChannelKind kind, const std::vector<int> &numbers)
{
    std::vector<int> missing;
    for (const int number : numbers)
        if (!db.channel(kind, number))
            missing.push_back(number);
    std::sort(missing.begin(), missing.end());
    missing.erase(std::unique(missing.begin(), missing.end()), missing.end());
    return missing;
}

Refusal noSuchChannel(ChannelKind kind, std::vector<int> numbers)
{
    Refusal refusal;
    refusal.reason = RefusalReason::NoSuchChannel;
    refusal.kind = kind;
    refusal.numbers = std::move(numbers);
    return refusal;
}

Outcome<FlagsChanged> setLocked(ChannelDatabase &db, ChannelKind kind, const std::vector<int> &numbers, bool locked)
{
    return setFlag(db, kind, numbers, ChannelFlag::Locked, locked);
}

Outcome<FlagsChanged> setScrambled(ChannelDatabase &db, ChannelKind kind, const std::vector<int> &numbers,
                                   bool scrambled)
{
    return setFlag(db, kind, numbers, ChannelFlag::Scrambled, scrambled);
}

namespace {

// Why a change of that group for those numbers cannot be made at all.
std::optional<Refusal> groupChangeRefusal(const ChannelDatabase &db, ChannelKind kind, int group,
                                          const std::vector<int> &numbers)
{
    if (!isGroup(group))
        return noSuchGroup(kind, group);
    if (std::vector<int> missing = numbersNamingNothing(db, kind, numbers); !missing.empty())
        return noSuchChannel(kind, std::move(missing));
    return std::nullopt;
}

} // namespace

Outcome<FavouritesAdded> addToFavouriteGroup(ChannelDatabase &db, ChannelKind kind, int group,
                                             const std::vector<int> &numbers)
{
    if (std::optional<Refusal> refused = groupChangeRefusal(db, kind, group, numbers))
        return *refused;
    FavouriteGroup &entries = db.favourites(kind)[std::size_t(group)];
    const FavouriteChoice choice = newFavourites(entries, numbers);
    const int room = std::max(0, kFavouriteGroupCapacity - int(entries.size()));
    if (int(choice.joining.size()) > room) {
        Refusal refusal;
        refusal.reason = RefusalReason::GroupOverflow;
        refusal.kind = kind;
        refusal.group = group;
        refusal.groupName = db.groupName(kind, group + 1);
        refusal.asked = int(choice.joining.size());
        refusal.room = room;
        return refusal;
    }
    FavouritesAdded done;
    done.alreadyInGroup = choice.alreadyInGroup;
    for (const std::size_t joining : choice.joining)
        done.added += addFavourite(entries, numbers[joining]);
    return done;
}

Outcome<FavouritesRemoved> removeFromFavouriteGroup(ChannelDatabase &db, ChannelKind kind, int group,
                                                    const std::vector<int> &numbers)
{
    if (std::optional<Refusal> refused = groupChangeRefusal(db, kind, group, numbers))
        return *refused;
    FavouriteGroup &entries = db.favourites(kind)[std::size_t(group)];
    const std::vector<int> named = distinct(numbers);
    const std::unordered_set<int> leaving(named.begin(), named.end());
    const std::unordered_set<int> held(entries.begin(), entries.end());
    FavouritesRemoved done;
    done.notInGroup = int(std::count_if(named.begin(), named.end(), [&held](int n) { return !held.contains(n); }));
    const auto kept = std::remove_if(entries.begin(), entries.end(),
                                     [&leaving](std::uint16_t entry) { return leaving.contains(entry); });
    done.removed = int(entries.end() - kept);
    entries.erase(kept, entries.end());
    return done;
}

} // namespace k510
