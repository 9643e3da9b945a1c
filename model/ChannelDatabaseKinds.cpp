// SPDX-License-Identifier: GPL-3.0-or-later
// The accessors of ChannelDatabase that take the kind of channel.
#include "ChannelDatabase.h"

#include <algorithm>

namespace k510 {

const std::vector<std::uint16_t> &ChannelDatabase::order(ChannelKind kind) const
{
    return isRadio(kind) ? radioOrder : tvOrder;
}

std::vector<std::uint16_t> &ChannelDatabase::order(ChannelKind kind)
{
    return isRadio(kind) ? radioOrder : tvOrder;
}

const FavouriteGroups &ChannelDatabase::favourites(ChannelKind kind) const
{
    return isRadio(kind) ? radioFavourites : tvFavourites;
}

FavouriteGroups &ChannelDatabase::favourites(ChannelKind kind)
{
    return isRadio(kind) ? radioFavourites : tvFavourites;
}

const Channel *ChannelDatabase::channel(ChannelKind kind, int number) const
{
    if (!isRadio(kind))
        return tvChannel(number);
    return number <= int(radioOrder.size()) ? radioChannel(number) : nullptr;
}

int ChannelDatabase::channelIndex(ChannelKind kind, int number) const
{
    return isRadio(kind) ? radioChannelIndex(number) : tvChannelIndex(number);
}

int ChannelDatabase::channelIndexAtPlace(ChannelKind kind, int place) const
{
    return isRadio(kind) ? channelIndexOfRadioOrder(place) : channelIndexOfTvOrder(place);
}

int ChannelDatabase::numberOf(ChannelKind kind, int channelIndex) const
{
    if (channelIndex < 0 || std::size_t(channelIndex) >= channels.size())
        return 0;
    if (!isRadio(kind))
        return channelIndex < tvCount() ? channelIndex + 1 : 0;
    return channelIndex >= tvCount() ? channelIndex - tvCount() + 1 : 0;
}

int ChannelDatabase::placeOf(ChannelKind kind, int number) const
{
    const std::vector<std::uint16_t> &list = order(kind);
    const auto at = std::find(list.begin(), list.end(), number);
    return number > 0 && at != list.end() ? int(at - list.begin()) : -1;
}

bool ChannelDatabase::isInFavourites(ChannelKind kind, int number) const
{
    return isRadio(kind) ? isInRadioFavourites(number) : isInTvFavourites(number);
}

} // namespace k510
