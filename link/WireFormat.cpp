// SPDX-License-Identifier: GPL-3.0-or-later
#include "WireFormat.h"

#include "Crc32.h"

namespace k510::link {

void storeBe16(std::uint8_t *out, std::uint16_t value)
{
    out[0] = std::uint8_t(value >> 8);
    out[1] = std::uint8_t(value);
}

void storeBe32(std::uint8_t *out, std::uint32_t value)
{
    out[0] = std::uint8_t(value >> 24);
    out[1] = std::uint8_t(value >> 16);
    out[2] = std::uint8_t(value >> 8);
    out[3] = std::uint8_t(value);
}

std::uint16_t loadBe16(const std::uint8_t *in)
{
    return std::uint16_t((in[0] << 8) | in[1]);
}

std::uint32_t loadBe32(const std::uint8_t *in)
{
    return (std::uint32_t(in[0]) << 24) | (std::uint32_t(in[1]) << 16) | (std::uint32_t(in[2]) << 8) | in[3];
}

TransferHeader TransferHeader::forImage(std::size_t imageSize)
{
    TransferHeader header;
    header.blockCount = std::uint16_t(imageSize / wire::kBlockSize);
    header.totalSize = std::uint32_t(imageSize);
    header.headerCrc = header.computedCrc();
    return header;
}

TransferHeader TransferHeader::fromWire(std::span<const std::uint8_t, wire::kTransferHeaderSize> bytes)
{
    TransferHeader header;
    header.sync[0] = bytes[0];
    header.sync[1] = bytes[1];
    header.tag1 = bytes[2];
    header.tag2 = bytes[3];
    header.blockCount = loadBe16(&bytes[4]);
    header.totalSize = loadBe32(&bytes[6]);
    header.headerCrc = loadBe32(&bytes[10]);
    return header;
}

std::array<std::uint8_t, wire::kTransferHeaderSize> TransferHeader::toWire() const
{
    std::array<std::uint8_t, wire::kTransferHeaderSize> bytes{};
    bytes[0] = sync[0];
    bytes[1] = sync[1];
    bytes[2] = tag1;
    bytes[3] = tag2;
    storeBe16(&bytes[4], blockCount);
    storeBe32(&bytes[6], totalSize);
    storeBe32(&bytes[10], headerCrc);
    return bytes;
}

std::uint32_t TransferHeader::computedCrc() const
{
    const auto bytes = toWire();
    return Crc32(0, bytes.data(), 10);
}

BlockHeader BlockHeader::forBlock(std::uint16_t index, std::span<const std::uint8_t> data)
{
    BlockHeader header;
    header.blockIndex = index;
    header.address = wire::kBlockAddressBase + std::uint32_t(wire::kBlockSize) * index;
    header.dataLength = std::uint16_t(data.size());
    header.headerCrc = header.computedCrc();
    header.dataCrc = Crc32(0, data.data(), data.size());
    return header;
}

BlockHeader BlockHeader::fromWire(std::span<const std::uint8_t, wire::kBlockHeaderSize> bytes)
{
    BlockHeader header;
    header.sync[0] = bytes[0];
    header.sync[1] = bytes[1];
    header.blockIndex = loadBe16(&bytes[2]);
    header.address = loadBe32(&bytes[4]);
    header.dataLength = loadBe16(&bytes[8]);
    header.headerCrc = loadBe32(&bytes[10]);
    header.dataCrc = loadBe32(&bytes[14]);
    return header;
}

std::array<std::uint8_t, wire::kBlockHeaderSize> BlockHeader::toWire() const
{
    std::array<std::uint8_t, wire::kBlockHeaderSize> bytes{};
    bytes[0] = sync[0];
    bytes[1] = sync[1];
    storeBe16(&bytes[2], blockIndex);
    storeBe32(&bytes[4], address);
    storeBe16(&bytes[8], dataLength);
    storeBe32(&bytes[10], headerCrc);
    storeBe32(&bytes[14], dataCrc);
    return bytes;
}

std::uint32_t BlockHeader::computedCrc() const
{
    const auto bytes = toWire();
    return Crc32(0, bytes.data(), 10);
}

} // namespace k510::link
