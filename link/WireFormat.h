// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// Everything that crosses the serial line between the editor and the
// receiver's loader. Numbers on the wire are big-endian; the structs below
// hold them in host order and convert only in toWire()/fromWire().

namespace k510::link {

namespace wire {
constexpr std::size_t kTokenSize = 5;
constexpr std::size_t kReplySize = 5;           // any five bytes; never examined
constexpr std::size_t kBlockSize = 256;          // data bytes per block when sending
constexpr std::size_t kMaxBlockData = 2048;     // the receiving side's block buffer
constexpr std::uint32_t kBlockAddressBase = 0x7FFB0000;
constexpr std::size_t kTransferHeaderSize = 14;
constexpr std::size_t kBlockHeaderSize = 18;
// The headers go out (and come in) one field at a time, in these sizes.
constexpr std::array<std::size_t, 6> kTransferHeaderFields = {2, 1, 1, 2, 4, 4};
constexpr std::array<std::size_t, 6> kBlockHeaderFields = {2, 2, 4, 2, 4, 4};
} // namespace wire

// Five ASCII characters, written without terminator or framing.
namespace tokens {
constexpr std::string_view AckDb = "ACKDB";     // opens a send
constexpr std::string_view Next = "2NXT3";      // after the reply to the transfer header
constexpr std::string_view DbSend = "DBSND";    // opens a receive
constexpr std::string_view NextDb = "NXTDB";    // asks for the transfer header
constexpr std::string_view Ack = "2ACK3";       // acknowledges a header or a block
constexpr std::string_view Closing1 = "2DLD3";  // the three closing tokens of a receive
constexpr std::string_view Closing2 = "2DBD3";
constexpr std::string_view Closing3 = "2DVD3";
} // namespace tokens

void storeBe16(std::uint8_t *out, std::uint16_t value);
void storeBe32(std::uint8_t *out, std::uint32_t value);
[[nodiscard]] std::uint16_t loadBe16(const std::uint8_t *in);
[[nodiscard]] std::uint32_t loadBe32(const std::uint8_t *in);

struct TransferHeader {
    std::uint8_t sync[2] = {0x55, 0x55};
    std::uint8_t tag1 = 0x01;
    std::uint8_t tag2 = 0x0A;
    std::uint16_t blockCount = 0;
    std::uint32_t totalSize = 0;
    std::uint32_t headerCrc = 0;

    // The header announcing an image of `imageSize` bytes, CRC included.
    [[nodiscard]] static TransferHeader forImage(std::size_t imageSize);
    [[nodiscard]] static TransferHeader fromWire(std::span<const std::uint8_t, wire::kTransferHeaderSize> bytes);
    [[nodiscard]] std::array<std::uint8_t, wire::kTransferHeaderSize> toWire() const;
    // Crc32 of the first ten wire bytes, as headerCrc should be.
    [[nodiscard]] std::uint32_t computedCrc() const;
};

struct BlockHeader {
    std::uint8_t sync[2] = {0xAA, 0xAA};
    std::uint16_t blockIndex = 0;
    std::uint32_t address = 0;
    std::uint16_t dataLength = 0;
    std::uint32_t headerCrc = 0;
    std::uint32_t dataCrc = 0;

    // The header of block `index` carrying `data`, both CRCs included.
    [[nodiscard]] static BlockHeader forBlock(std::uint16_t index, std::span<const std::uint8_t> data);
    [[nodiscard]] static BlockHeader fromWire(std::span<const std::uint8_t, wire::kBlockHeaderSize> bytes);
    [[nodiscard]] std::array<std::uint8_t, wire::kBlockHeaderSize> toWire() const;
    [[nodiscard]] std::uint32_t computedCrc() const;
};

// The progress after block `block` (zero-based) of `blockCount`: 0 for the
// first block, 99 for the last of 1152; 100 is never reached.
[[nodiscard]] constexpr int progressPercent(std::uint32_t block, std::uint32_t blockCount)
{
    return int((block * 100u) / blockCount);
}

} // namespace k510::link
