// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// Where things stand in a database image. Region A (counts, then the
// satellite, transponder and channel records) starts at 0; region B (order
// lists, favourite groups, group names) at 0x40000. Parts within a region
// follow one another, so most offsets depend on the counts before them.

namespace k510::layout {

constexpr std::size_t kImageSize = 0x48000;   // 294912 bytes
constexpr std::uint8_t kFill = 0xFF;
constexpr std::array<std::uint8_t, 4> kStartMarker = {0x41, 0x41, 0x41, 0x41};   // "AAAA"
constexpr std::array<std::uint8_t, 4> kEndMarker = {0x05, 0x05, 0x05, 0x05};
constexpr std::size_t kMarkerSize = 4;

// Region A.
constexpr std::size_t kSatelliteCountOffset = 0;
constexpr std::size_t kTransponderCountOffset = 2;
constexpr std::size_t kChannelCountOffset = 4;
constexpr std::size_t kSatellitesOffset = 10;
constexpr std::size_t kRegionAEnd = 0x40000;
// Counts, the five markers and the three record arrays.
constexpr std::size_t regionALength(std::size_t satellites, std::size_t transponders, std::size_t channels)
{
    return 30 + 32 * satellites + 12 * transponders + 32 * channels;
}
constexpr std::size_t transpondersOffset(std::size_t satellites) { return 18 + 32 * satellites; }
constexpr std::size_t channelsOffset(std::size_t satellites, std::size_t transponders)
{
    return 26 + 32 * satellites + 12 * transponders;
}

// Region B.
constexpr std::size_t kRegionBStart = 0x40000;
constexpr std::size_t kTvOrderCountOffset = 0x40004;
constexpr std::size_t kRadioOrderCountOffset = 0x40006;
constexpr std::size_t kOrdersOffset = 0x40008;
constexpr std::size_t kFavouriteSlotsPerGroup = 80;
constexpr std::size_t kFavouriteBlockSize = 12 * kFavouriteSlotsPerGroup * 2;   // 1920
constexpr std::uint16_t kEmptyFavouriteSlot = 0xFFFF;
// E: the end of the two order lists.
constexpr std::size_t ordersEnd(std::size_t tvEntries, std::size_t radioEntries)
{
    return kOrdersOffset + 2 * tvEntries + 2 * radioEntries;
}
constexpr std::size_t tvFavouritesOffset(std::size_t ordersEnd) { return ordersEnd + 8; }
constexpr std::size_t radioFavouritesOffset(std::size_t ordersEnd) { return ordersEnd + 8 + kFavouriteBlockSize; }
constexpr std::size_t groupNamesOffset(std::size_t ordersEnd) { return ordersEnd + 8 + 2 * kFavouriteBlockSize; }

// The block the model does not hold; the writer leaves it filled.
constexpr std::size_t kUnusedBlockOffset = 0x44000;

} // namespace k510::layout
