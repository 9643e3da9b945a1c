// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ChannelDatabase.h"
#include "SameTransponder.h"

// Which channel of one database is which channel of another. After a rescan
// the receiver renumbers everything and transponder frequencies drift by a
// megahertz or two, so channels are recognised by what they are: satellite,
// transponder and service ID, and failing that by their name.

namespace k510 {

// A satellite as a channel list names it.
struct SatelliteIdentity {
    std::string name;       // Windows-1251, as the satellites page shows it
    std::string position;   // longitude and hemisphere, "36,0 E"; empty when the source does not say (a CSV)

    bool operator==(const SatelliteIdentity &) const = default;
};

// One channel of a reference list: what identifies it, and enough to show it.
struct ReferenceChannel {
    std::string name;   // Windows-1251
    std::uint16_t serviceId = 0;
    // False when the channel's transponder or satellite is missing (a damaged
    // image): such a channel has no identity and partners nothing.
    bool located = false;
    SatelliteIdentity satellite;
    bool vertical = false;
    std::uint32_t frequencyMhz = 0;

    bool operator==(const ReferenceChannel &) const = default;
};

// The favourite groups a reference brings: 0-based positions into its TV
// (radio) list, and the groups' names (Windows-1251).
struct ReferenceFavourites {
    std::array<std::vector<int>, kFavouriteGroupCount> tv;
    std::array<std::vector<int>, kFavouriteGroupCount> radio;
    std::array<std::string, kFavouriteGroupCount> tvNames;
    std::array<std::string, kFavouriteGroupCount> radioNames;
};

// Another database's channels, seen as lists in the user's order: from an
// image (referenceOf) or from an exported CSV (ReferenceCsv.h).
struct ChannelReference {
    std::vector<SatelliteIdentity> satellites;   // every satellite of the source, for telling same names apart
    std::optional<std::vector<ReferenceChannel>> tv;      // none: the source has no list of this kind
    std::optional<std::vector<ReferenceChannel>> radio;
    std::optional<ReferenceFavourites> favourites;        // none: the source has no groups (a CSV)
};

// A satellite as its row texts show it.
[[nodiscard]] SatelliteIdentity satelliteIdentityOf(const Satellite &satellite);
// How a channel of the database shows in a reference list.
[[nodiscard]] ReferenceChannel referenceChannelOf(const ChannelDatabase &db, const Channel &channel);
// The database as a reference: each list holds every channel of its kind
// once, in the user's order (orderedNumbers), so a damaged order list still
// names each channel; group entries that name no channel are left out.
[[nodiscard]] ChannelReference referenceOf(const ChannelDatabase &db);
// The TV channel numbers (radio numbers) behind referenceOf's list, position
// by position.
[[nodiscard]] std::vector<int> listedNumbers(const ChannelDatabase &db, ChannelKind kind);

// Satellite names are the same when they agree after trimming blanks and
// ignoring the case of Latin letters; this is that comparable form.
[[nodiscard]] std::string satelliteNameKey(std::string_view windows1251);
// The satellite indices of the database with that name, ascending.
[[nodiscard]] std::vector<int> satellitesNamed(const ChannelDatabase &db, std::string_view windows1251);

// Which satellites of a database a reference's satellite may be. The names
// must agree (satelliteNameKey). When a name stands at different longitudes
// in either database, the position must agree as well; satellites that
// share both name and position count as one, since nothing tells them
// apart. A reference that gives no position (a CSV) matches every satellite
// of the name: the transponders and service IDs of the channels then tell
// them apart, which is better than losing them all.
class SatelliteMatcher {
public:
    SatelliteMatcher(const ChannelDatabase &db, const std::vector<SatelliteIdentity> &referenceSatellites);
    // Satellite indices of the database, ascending.
    [[nodiscard]] std::vector<int> matches(const SatelliteIdentity &satellite) const;

private:
    struct Name {
        std::vector<int> satellites;
        std::vector<std::string> positions;   // distinct
    };
    std::vector<std::string> m_positions;   // per satellite index of the database
    std::unordered_map<std::string, Name> m_current;
    std::unordered_map<std::string, int> m_referencePositions;   // distinct positions per name key
};

inline constexpr int kNoPartner = -1;

// The partners of one kind: each channel has at most one, TV only among TV
// channels, radio only among radio channels.
struct Partners {
    std::vector<int> referenceOfChannel;   // per TV (radio) number - 1: position in the reference list, or kNoPartner
    std::vector<int> channelOfReference;   // per reference position: TV (radio) number, or kNoPartner

    [[nodiscard]] int matched() const;
};

// Pairs the database's channels of a kind (TV channel numbers 1..T, radio
// numbers 1..R, as far as records stand behind them) with the reference's
// list of that kind (no partners when it has none):
// 1. Same channel: satellites match (SatelliteMatcher), the same transponder
//    by polarisation and frequency (matchTransponder; a reference names no
//    symbol rate), equal service IDs. First only candidates that also have
//    the entry's name, then any; each time exact frequencies pair first,
//    then those 1 MHz apart, then 2 MHz; within that, reference entries in
//    their order take the candidate of the lower frequency (MatchRank), then
//    the one earliest in the user's order, so twins pair in the order they stand.
// 2. A transponder that moved: pairTransponders' moved pairs, each
//    transponder once in MatchRank's order; their channels still without
//    partner then pair by service ID as in 1.
// 3. Then, among the channels still without partner on both sides: the same
//    name (byte for byte, and not empty: an empty name tells nothing) on a
//    matching satellite, when exactly one such channel is left on each side.
[[nodiscard]] Partners matchChannels(const ChannelDatabase &db, const ChannelReference &reference, ChannelKind kind);

// "Name — Satellite — 11766 H" in UTF-8, for lists shown to the user.
[[nodiscard]] std::string channelLine(const ReferenceChannel &channel);

} // namespace k510
