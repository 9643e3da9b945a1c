// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ChannelDatabase.h"
#include "ChannelIdentity.h"

// What changed from one database to another, say before and after a rescan:
// records matched by what they are (ChannelIdentity.h), not by number,
// since a rescan renumbers everything. Texts are as the pages show them,
// names in Windows-1251.

namespace k510 {

struct FieldChange {
    std::string field;   // as k510-tool dump names it: "name", "symbolRate", "videoPid", ...
    std::string before;
    std::string after;

    bool operator==(const FieldChange &) const = default;
};

// Satellites are compared position by position: the editor neither adds nor
// removes them, so the n-th satellite stays the n-th.
struct SatelliteDiff {
    int number = 0;     // 1-based position
    std::string name;   // in the first database (the second for one it lacks)
    std::vector<FieldChange> changes;
};

struct TransponderLabel {
    int number = 0;   // transponder number in its database
    std::string satellite;
    bool vertical = false;
    std::uint32_t frequencyMhz = 0;
};

// Transponders of matching satellites are paired by the same-transponder
// rule (pairTransponders in SameTransponder.h): the same polarisation and
// frequencies within kFrequencyToleranceMhz, best match first, and failing
// that one that moved, known by the service IDs of its channels.
struct TransponderDiff {
    TransponderLabel before;
    TransponderLabel after;
    std::vector<FieldChange> changes;   // polarisation (a moved one only), frequency, symbolRate, fec
};

// A channel is named by its number (as k510-tool dump numbers channels) and
// by its place in its database's order list (as the window numbers rows).
struct ChannelLabel {
    int number = 0;   // TV channel number (radio number) in its database
    int place = 0;    // 1-based place in the user's order
    ReferenceChannel channel;
};

struct ChannelDiff {
    int before = 0;   // numbers in the two databases
    int after = 0;
    int placeBefore = 0;   // places in the two orders
    int placeAfter = 0;
    ReferenceChannel channel;           // as in the second database
    std::vector<FieldChange> changes;   // "transponder" when it moved to another one
};

// A change of place in an order list or group, 1-based positions. Only
// channels that changed place relative to the others count: one inserted at
// the top moves nothing. The rest keep the longest run of channels whose
// relative order is kept, and one that stands where it stood is no move.
struct PositionMove {
    ReferenceChannel channel;
    int from = 0;
    int to = 0;
};

struct KindDiff {
    std::vector<ChannelLabel> added;     // in the second database only
    std::vector<ChannelLabel> removed;   // in the first only
    std::vector<ChannelDiff> changed;
    std::vector<PositionMove> moves;     // in the order list
};

struct GroupDiff {
    ChannelKind kind = ChannelKind::Tv;
    int group = 0;   // 1..12
    std::string nameBefore;
    std::string nameAfter;
    std::vector<ChannelLabel> added;
    std::vector<ChannelLabel> removed;
    std::vector<PositionMove> moves;
};

struct DatabaseDiff {
    std::vector<SatelliteDiff> satellitesAdded;
    std::vector<SatelliteDiff> satellitesRemoved;
    std::vector<SatelliteDiff> satellitesChanged;
    std::vector<TransponderLabel> transpondersAdded;
    std::vector<TransponderLabel> transpondersRemoved;
    std::vector<TransponderDiff> transpondersChanged;
    KindDiff tv;
    KindDiff radio;
    std::vector<GroupDiff> groups;   // only groups with a change

    // Nothing the pages show differs; bytes the editor does not interpret
    // are not compared.
    [[nodiscard]] bool empty() const;
};

[[nodiscard]] DatabaseDiff diffDatabases(const ChannelDatabase &before, const ChannelDatabase &after);

} // namespace k510
