// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ChannelDatabase.h"

namespace k510 {

struct WriteResult {
    std::vector<std::uint8_t> image;   // exactly 294912 bytes when ok
    std::string error;

    [[nodiscard]] bool ok() const { return error.empty(); }
};

// Builds the canonical image of a database from scratch: markers in place,
// every unoccupied byte 0xFF. The database is not changed. A database that
// cannot be laid out (region A past 0x40000, an order list above 6000
// entries) gives an error and no image.
[[nodiscard]] WriteResult writeImage(const ChannelDatabase &db);

// Whether the database would still fit an image with so many more
// transponders and channels: adding one that does not fit would make every
// later save and send fail.
[[nodiscard]] bool hasRoomFor(const ChannelDatabase &db, std::size_t moreTransponders, std::size_t moreChannels);

} // namespace k510
