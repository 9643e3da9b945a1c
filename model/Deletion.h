// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include "ChannelDatabase.h"

namespace k510 {

// What a deletion took away. A channel that went with its transponder is
// counted once, under its kind (TV block or radio block).
struct DeletionSummary {
    int tvDeleted = 0;
    int radioDeleted = 0;
    int transpondersDeleted = 0;
    int channelsOfBadType = 0;   // met by the final rebuild of the channel index lists
    // Entries that named a deleted channel: favourite entries removed, and
    // further copies in a damaged order list, cleared to name no channel.
    int favouriteEntriesRemoved = 0;
    int orderEntriesCleared = 0;

    bool operator==(const DeletionSummary &) const = default;
};

// Deleting many items at once. Every number refers to the database as it is
// when the call begins; numbers named twice count once and numbers that name
// nothing are ignored. The result is exactly that of the single-item
// deletions of ChannelDatabase applied from the largest number down (radio
// channels, then TV channels, then transponders), but in linear time: every
// list is walked once and the index lists are rebuilt once.

DeletionSummary deleteTvChannels(ChannelDatabase &db, std::span<const int> tvNumbers);
// Radio numbers 1..R, not list numbers.
DeletionSummary deleteRadioChannels(ChannelDatabase &db, std::span<const int> radioNumbers);
// Each transponder goes with all its channels, favourites or not.
DeletionSummary deleteTransponders(ChannelDatabase &db, std::span<const int> transponderNumbers);
// What deleting these transponders takes with it: their channels, found by
// reference as deleteTransponders finds them, and how many of those stand in
// a favourite group of their kind. Numbers that name nothing count nothing.
struct TransponderChannels {
    int channels = 0;
    int favourites = 0;

    bool operator==(const TransponderChannels &) const = default;
};
[[nodiscard]] TransponderChannels channelsOnTransponders(const ChannelDatabase &db,
                                                         std::span<const int> transponderNumbers);

DeletionSummary deleteItems(ChannelDatabase &db, std::span<const int> tvNumbers, std::span<const int> radioNumbers,
                            std::span<const int> transponderNumbers);

} // namespace k510
