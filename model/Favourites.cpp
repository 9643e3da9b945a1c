// SPDX-License-Identifier: GPL-3.0-or-later
#include "Favourites.h"

#include <cstdint>
#include <unordered_set>
#include <vector>

namespace k510 {

namespace {
constexpr int kEmptySlotMark = 0xFFFF;
}

int removeFavouriteEntries(FavouriteGroup &group, std::span<const int> positions)
{
    std::vector<char> doomed(group.size(), 0);
    for (const int position : positions)
        if (position >= 1 && std::size_t(position) <= group.size())
            doomed[std::size_t(position - 1)] = 1;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < group.size(); ++i)
        if (!doomed[i])
            group[kept++] = group[i];
    const int removed = int(group.size() - kept);
    group.resize(kept);
    return removed;
}

bool namesTvChannel(const ChannelDatabase &db, int tvNumber)
{
    return db.tvChannelIndex(tvNumber) >= 0;
}

bool namesRadioChannel(const ChannelDatabase &db, int radioNumber)
{
    return radioNumber <= int(db.radioOrder.size()) && db.radioChannelIndex(radioNumber) >= 0;
}

FavouriteChoice newFavourites(const FavouriteGroup &group, std::span<const int> chosen)
{
    std::unordered_set<int> held(group.begin(), group.end());
    FavouriteChoice choice;
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        if (held.insert(chosen[i]).second)
            choice.joining.push_back(i);
        else
            ++choice.alreadyInGroup;
    }
    return choice;
}

bool addFavourite(FavouriteGroup &group, int number)
{
    if (group.size() >= std::size_t(kFavouriteGroupCapacity) || number < 0 || number >= kEmptySlotMark)
        return false;
    group.push_back(std::uint16_t(number));
    return true;
}

} // namespace k510
