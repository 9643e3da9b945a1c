// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "ChannelDatabase.h"
#include "ChannelIdentity.h"
#include "Refusal.h"

// Ordering a database after a reference (another image, or a CSV the editor
// exported): the user's old order and groups brought back after a rescan.
// Planned first, so the user sees what will happen before anything changes.

namespace k510 {

struct KindOrderPlan {
    bool referenced = false;   // the reference has a list of this kind; otherwise the order stays as it is
    std::vector<ReferenceChannel> newChannels;          // channels without partner, in the order they end the list
    std::vector<ReferenceChannel> unmatchedReference;   // reference channels without partner, in the reference's order
    int matched = 0;
    std::vector<std::uint16_t> order;   // the new tvOrder (radioOrder)
    FavouriteGroups favourites;         // the groups as replacing them makes them
};

struct OrderPlan {
    KindOrderPlan tv;
    KindOrderPlan radio;
    // Whether the reference brings favourite groups (an image does, a CSV
    // does not); without them the groups stay whatever the user asks.
    bool favouritesAvailable = false;
    std::array<std::string, kFavouriteGroupCount> tvGroupNames;      // Windows-1251, as replacing makes them
    std::array<std::string, kFavouriteGroupCount> radioGroupNames;
};

// The new order of each kind: the partners (ChannelIdentity.h) of the
// reference's list, in the reference's order, then every channel without
// partner in its current relative order. Each order stays a permutation of
// its length, so T and R keep their values: a damaged order list comes out
// whole, naming every number once, the numbers it missed among those
// without partner. Replaced favourite groups hold the partners of the
// reference group's entries, in order, entries without partner dropped, at
// most 80; the group names are the reference's. The database is not changed.
[[nodiscard]] OrderPlan planOrder(const ChannelDatabase &db, const ChannelReference &reference);

// Puts a plan made from this database into effect, the favourite groups and
// their names only when asked and available. Refused (OtherDatabase), with
// nothing changed, when the plan's order lists do not fit the database.
Outcome<Applied> applyOrder(ChannelDatabase &db, const OrderPlan &plan, bool replaceFavourites);

// Not one channel of the reference was found: applying would only move every
// channel to the end of its list in the same order, and replacing the groups
// would empty them. The window and the tool do not apply such a plan.
[[nodiscard]] bool matchesNothing(const OrderPlan &plan);

// The summary shown before applying, one line per kind and one for the
// groups, in Russian (UTF-8); the same in the window and the tool. When
// nothing matches it says so instead, and what a reference has to be.
[[nodiscard]] std::vector<std::string> orderSummary(const OrderPlan &plan, bool replaceFavourites);

} // namespace k510
