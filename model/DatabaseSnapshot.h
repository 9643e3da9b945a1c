// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "ChannelDatabase.h"
#include "SharedSlices.h"

namespace k510 {

// The database as it was at one moment, for undo. A snapshot taken after
// another shares with it every part that did not change in between: slices
// of the record and order lists, each side's favourite groups, the group
// names. A history of edits therefore holds little more than what the edits
// changed.
class DatabaseSnapshot {
public:
    DatabaseSnapshot() = default;
    explicit DatabaseSnapshot(const ChannelDatabase &database) : DatabaseSnapshot(database, DatabaseSnapshot()) {}
    DatabaseSnapshot(const ChannelDatabase &database, const DatabaseSnapshot &earlier);

    // Whether the database had not changed between the two snapshots.
    [[nodiscard]] bool sharesAllWith(const DatabaseSnapshot &other) const;
    // Makes `database` what it was when this snapshot was taken.
    void restore(ChannelDatabase &database) const;

private:
    SharedSlices<Satellite> m_satellites;
    SharedSlices<Transponder> m_transponders;
    SharedSlices<Channel> m_channels;
    SharedSlices<std::uint16_t> m_tvOrder;
    SharedSlices<std::uint16_t> m_radioOrder;
    std::shared_ptr<const FavouriteGroups> m_tvFavourites;
    std::shared_ptr<const FavouriteGroups> m_radioFavourites;
    std::shared_ptr<const GroupNames> m_groupNames;
};

} // namespace k510
