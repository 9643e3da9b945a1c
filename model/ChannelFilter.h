// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ChannelDatabase.h"

// Which channels of one kind a list shows or a command takes: conditions on
// a channel's place, flags, favourite groups and name, all of which must
// hold. The window's filter row and k510-tool find use the same conditions.

namespace k510 {

enum class FavouriteCondition { Any, InAnyGroup, InGroup, InNoGroup };

struct ChannelConditions {
    std::optional<int> satellite;     // its transponder's satellite stands at this index (from 0)
    std::optional<int> transponder;   // it names this transponder number
    std::optional<bool> scrambled;
    std::optional<bool> locked;
    FavouriteCondition favourites = FavouriteCondition::Any;
    int group = 0;                    // from 0, for InGroup
    // A copy of a channel before it in the order (same transponder and
    // service ID), as "Выделить дубликаты" selects them.
    bool duplicates = false;
    std::string nameContains;         // Windows-1251, letter case ignored; empty: any name
    // Only these channel indices (the channels an ordering or an import
    // added, say).
    std::optional<std::vector<int>> among;

    // Whether any condition is set: without one, every channel matches.
    [[nodiscard]] bool filters() const;

    bool operator==(const ChannelConditions &) const = default;
};

// The conditions evaluated for every channel of the kind at once, so a list
// asks about each of its rows in constant time. A snapshot: it keeps no
// reference to the database, and is made again after the database changes.
class ChannelMatcher {
public:
    ChannelMatcher(const ChannelDatabase &db, ChannelKind kind, const ChannelConditions &conditions);

    // With conditions, false for an index that is no channel of the kind
    // (a TV index in a radio list, an order entry naming nothing).
    [[nodiscard]] bool matches(int channelIndex) const;

private:
    bool m_filters;
    std::vector<char> m_matching;   // by channel index
};

// The TV channel numbers (radio numbers) of the channels that match,
// ascending.
[[nodiscard]] std::vector<int> findChannels(const ChannelDatabase &db, ChannelKind kind,
                                            const ChannelConditions &conditions);

} // namespace k510
