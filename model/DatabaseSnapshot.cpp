// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatabaseSnapshot.h"

namespace k510 {

namespace {

// Every member of the database is kept below; one added to it must be too.
constexpr std::size_t kKeptSize = sizeof(ChannelDatabase::satellites) + sizeof(ChannelDatabase::transponders)
    + sizeof(ChannelDatabase::channels) + sizeof(ChannelDatabase::tvOrder) + sizeof(ChannelDatabase::radioOrder)
    + sizeof(ChannelDatabase::tvFavourites) + sizeof(ChannelDatabase::radioFavourites) + sizeof(ChannelDatabase::groupNames);
static_assert(sizeof(ChannelDatabase) == (kKeptSize + alignof(ChannelDatabase) - 1) / alignof(ChannelDatabase) * alignof(ChannelDatabase));

// The earlier value when it is still the same, else a copy of the new one.
template <typename Value>
std::shared_ptr<const Value> sharedWhenEqual(const Value &value, const std::shared_ptr<const Value> &earlier)
{
    return earlier && *earlier == value ? earlier : std::make_shared<const Value>(value);
}

} // namespace

DatabaseSnapshot::DatabaseSnapshot(const ChannelDatabase &database, const DatabaseSnapshot &earlier)
    : m_satellites(database.satellites, earlier.m_satellites)
    , m_transponders(database.transponders, earlier.m_transponders)
    , m_channels(database.channels, earlier.m_channels)
    , m_tvOrder(database.tvOrder, earlier.m_tvOrder)
    , m_radioOrder(database.radioOrder, earlier.m_radioOrder)
    , m_tvFavourites(sharedWhenEqual(database.tvFavourites, earlier.m_tvFavourites))
    , m_radioFavourites(sharedWhenEqual(database.radioFavourites, earlier.m_radioFavourites))
    , m_groupNames(sharedWhenEqual(database.groupNames, earlier.m_groupNames))
{
}

bool DatabaseSnapshot::sharesAllWith(const DatabaseSnapshot &other) const
{
    return m_satellites.sharesAllWith(other.m_satellites) && m_transponders.sharesAllWith(other.m_transponders)
        && m_channels.sharesAllWith(other.m_channels) && m_tvOrder.sharesAllWith(other.m_tvOrder)
        && m_radioOrder.sharesAllWith(other.m_radioOrder) && m_tvFavourites == other.m_tvFavourites
        && m_radioFavourites == other.m_radioFavourites && m_groupNames == other.m_groupNames;
}

void DatabaseSnapshot::restore(ChannelDatabase &database) const
{
    m_satellites.copyTo(database.satellites);
    m_transponders.copyTo(database.transponders);
    m_channels.copyTo(database.channels);
    m_tvOrder.copyTo(database.tvOrder);
    m_radioOrder.copyTo(database.radioOrder);
    // A default snapshot holds the empty database.
    database.tvFavourites = m_tvFavourites ? *m_tvFavourites : FavouriteGroups{};
    database.radioFavourites = m_radioFavourites ? *m_radioFavourites : FavouriteGroups{};
    database.groupNames = m_groupNames ? *m_groupNames : GroupNames{};
}

} // namespace k510
