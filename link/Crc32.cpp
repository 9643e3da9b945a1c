// SPDX-License-Identifier: GPL-3.0-or-later
#include "Crc32.h"

#include <zlib.h>

namespace k510::link {

std::uint32_t Crc32(std::uint32_t crc, const void *data, std::size_t length)
{
    if (data == nullptr)
        return 0;
    return std::uint32_t(crc32_z(crc, static_cast<const Bytef *>(data), length));
}

} // namespace k510::link
