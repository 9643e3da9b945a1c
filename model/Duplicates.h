// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "ChannelDatabase.h"

namespace k510 {

// The channels of one kind that repeat one standing before them in the
// user's order (the order list; channels it misses come after, by number).
// A channel whose transponder is missing repeats nothing.
//
// copies: on the same transponder with the same service ID as one before
// it, whatever their names: the same service twice, so deleting the copies
// keeps the first of each and loses nothing.
// similarNames: no copy, but on the same transponder with the same name
// (not empty) as one before it. Regional variants of one programme are
// such channels, each a service of its own, so they are only shown, never
// taken for copies.
//
// TV channel numbers (radio numbers) in ascending order, as
// deleteTvChannels (deleteRadioChannels) and k510-tool delete take them.
struct DuplicateChannels {
    std::vector<int> copies;
    std::vector<int> similarNames;

    bool operator==(const DuplicateChannels &) const = default;
};

[[nodiscard]] DuplicateChannels duplicateChannels(const ChannelDatabase &db, ChannelKind kind);

} // namespace k510
