// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "ChannelKind.h"
#include "Records.h"

namespace k510 {

constexpr int kFavouriteGroupCount = 12;
constexpr int kFavouriteGroupCapacity = 80;
constexpr int kOrderCapacity = 6000;
constexpr int kSatelliteCapacity = 255;       // a transponder's satellite number is one byte
constexpr int kTransponderCapacity = 65535;   // a channel's transponder number is 16 bits

// Whether the satellite at that index (from 0) can hold transponders: those
// past the 255th cannot, since a transponder names its satellite in one byte.
[[nodiscard]] constexpr bool canHoldTransponders(int satelliteIndex)
{
    return satelliteIndex >= 0 && satelliteIndex < kSatelliteCapacity;
}
// Why, in the words of the window and of check.
inline constexpr const char *kNoTranspondersPastCapacity =
    "после 255-го спутника транспондеров быть не может (транспондер называет свой спутник одним байтом)";
constexpr std::size_t kGroupNamesSize = 442;
constexpr std::size_t kGroupNameSlotSize = 17;
constexpr std::size_t kGroupNameLength = 16;   // the slot's last byte is not part of the name
constexpr std::size_t kGroupNameBlockSize = 221;

// A favourite group: TV channel numbers or radio numbers, in the user's order.
using FavouriteGroup = std::vector<std::uint16_t>;
using FavouriteGroups = std::array<FavouriteGroup, kFavouriteGroupCount>;
using GroupNames = std::array<std::uint8_t, kGroupNamesSize>;

// The in-memory channel database of one receiver.
//
// Numbering: T = tvOrder.size(). channels holds the TV channels at indices
// 0..T-1 and then the radio channels. TV channel number n is the channel at
// index n-1, radio number r the channel at index T+r-1. tvOrder and the TV
// groups hold TV channel numbers; radioOrder and the radio groups hold radio
// numbers. A transponder names its satellite by number, a channel its
// transponder by number (both 1-based).
//
// An image may break these rules (order lists that are not permutations,
// favourite entries out of range); every lookup here is bounds-checked and
// answers nullptr rather than reading outside a list.
struct ChannelDatabase {
    std::vector<Satellite> satellites;
    std::vector<Transponder> transponders;
    std::vector<Channel> channels;
    std::vector<std::uint16_t> tvOrder;
    std::vector<std::uint16_t> radioOrder;
    FavouriteGroups tvFavourites;
    FavouriteGroups radioFavourites;
    GroupNames groupNames{};   // Windows-1251

    // Empties satellites, transponders, channels and both order lists;
    // favourite groups and group names are kept.
    void reset();

    [[nodiscard]] int tvCount() const { return int(tvOrder.size()); }

    [[nodiscard]] const Channel *tvChannel(int number) const;
    [[nodiscard]] Channel *tvChannel(int number);
    [[nodiscard]] const Channel *radioChannel(int number) const;
    [[nodiscard]] Channel *radioChannel(int number);
    [[nodiscard]] const Channel *channelAt(int index) const;
    [[nodiscard]] const Transponder *transponderOf(const Channel &channel) const;
    [[nodiscard]] const Satellite *satelliteOf(const Transponder &transponder) const;

    // Channel index of a TV channel number / radio number, or -1 when the
    // number names no channel of that kind.
    [[nodiscard]] int tvChannelIndex(int tvNumber) const;
    [[nodiscard]] int radioChannelIndex(int radioNumber) const;
    // Channel index of a TV order / radio order position, or -1.
    [[nodiscard]] int channelIndexOfTvOrder(int position) const;
    [[nodiscard]] int channelIndexOfRadioOrder(int position) const;

    // Rebuild the derived index lists from the records. Returns the number of
    // channels whose service type is neither TV nor radio: they stay in
    // channels but belong to no transponder list.
    int rebuildChannelIndices();
    void rebuildTransponderIndices();

    // The same for either kind. A number is a TV channel number or a radio
    // number; a place is a 0-based position in that kind's order list.
    [[nodiscard]] const std::vector<std::uint16_t> &order(ChannelKind kind) const;
    [[nodiscard]] std::vector<std::uint16_t> &order(ChannelKind kind);
    [[nodiscard]] const FavouriteGroups &favourites(ChannelKind kind) const;
    [[nodiscard]] FavouriteGroups &favourites(ChannelKind kind);
    // The channel a number names: one of 1..T (1..R) with a record.
    [[nodiscard]] const Channel *channel(ChannelKind kind, int number) const;
    [[nodiscard]] int channelIndex(ChannelKind kind, int number) const;
    [[nodiscard]] int channelIndexAtPlace(ChannelKind kind, int place) const;
    // The number of the channel at that index, 0 when it is not of the kind.
    [[nodiscard]] int numberOf(ChannelKind kind, int channelIndex) const;
    // Where a number stands in its order list, or -1 when it is not there.
    [[nodiscard]] int placeOf(ChannelKind kind, int number) const;
    [[nodiscard]] bool isInFavourites(ChannelKind kind, int number) const;
    [[nodiscard]] std::string groupName(ChannelKind kind, int group) const;
    void setGroupName(ChannelKind kind, int group, std::string_view windows1251);

    [[nodiscard]] bool isInTvFavourites(int tvNumber) const;
    [[nodiscard]] bool isInRadioFavourites(int radioNumber) const;

    // Renumbering operations; each keeps every reference pointing at the same
    // record (many deletions at once: Deletion.h). They return the count of invalid-typed channels met by the final
    // rebuild of the channel index lists. Numbers out of range change nothing.
    // A deletion removes every favourite entry naming the channel; an order
    // list loses one entry, and a further copy of the number in a damaged
    // list is cleared to name nothing, counted in *clearedOrderEntries.
    int appendTvChannel(const Channel &channel);
    // Appends after the last radio channel as a radio channel (its service
    // type is set to radio); its radio number is R+1.
    int appendRadioChannel(const Channel &channel);
    int deleteTvChannel(int tvNumber, int *clearedOrderEntries = nullptr);
    int deleteRadioChannel(int listNumber, int *clearedOrderEntries = nullptr);   // list number = T + radio number
    int deleteTransponder(int transponderNumber, int *clearedOrderEntries = nullptr);

    // Appends a transponder of the satellite at satelliteIndex, numbered one
    // after the last transponder of the database, so no channel reference
    // changes. Returns its index, or -1 (nothing changed) for a satellite
    // index out of range or a full transponder list.
    [[nodiscard]] int appendTransponder(int satelliteIndex, const Transponder &values);

    // The name of favourite group 1..12 (Windows-1251, up to its NUL, at
    // most 16 bytes). Setting it fills the first 16 bytes of the slot (cut,
    // zero-padded); the seventeenth keeps its value.
    [[nodiscard]] std::string tvGroupName(int group) const;
    [[nodiscard]] std::string radioGroupName(int group) const;
    void setTvGroupName(int group, std::string_view windows1251);
    void setRadioGroupName(int group, std::string_view windows1251);

    // Records, derived lists, orders, groups and names alike.
    bool operator==(const ChannelDatabase &) const = default;
};

} // namespace k510
