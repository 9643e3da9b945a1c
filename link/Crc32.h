// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

namespace k510::link {

// The CRC-32 of IEEE 802.3 and zlib (reflected polynomial 0xEDB88320, the
// running value inverted on entry and on exit). Chainable: passing the result
// of one piece as `crc` of the next gives the CRC of the concatenation. Every
// CRC on the wire starts from 0; a missing buffer gives 0.
[[nodiscard]] std::uint32_t Crc32(std::uint32_t crc, const void *data, std::size_t length);

} // namespace k510::link
