// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReceiveImage.h"

#include "Crc32.h"
#include "SerialPort.h"
#include "TransferSteps.h"
#include "WireFormat.h"

#include <QByteArray>

#include <array>
#include <cstdint>

namespace k510::link {

namespace {

using namespace steps;

constexpr int kTimeoutConstantMs = 1000;
// The size of the receiver's database image: room enough for a normal receive.
constexpr qsizetype kExpectedImageSize = 0x48000;

// Reads the transfer header field by field and returns its block count.
std::uint16_t readTransferHeader(SerialPort &port)
{
    std::array<std::uint8_t, wire::kTransferHeaderSize> header{};
    std::uint8_t *field = header.data();

    readExactly(port, field, 2, Failure::NoAnswer);   // sync
    if (field[0] != 0x55 || field[1] != 0x55)
        throw LinkFailure{Failure::BadHeader};
    field += 2;

    readExactly(port, field, 1, Failure::NoAnswer);   // tag1
    if (*field != 0x01)
        throw LinkFailure{Failure::BadHeader};
    field += 1;

    readExactly(port, field, 1, Failure::NoAnswer);   // tag2, not examined
    field += 1;
    readExactly(port, field, 2, Failure::NoAnswer);   // blockCount
    const std::uint16_t blockCount = loadBe16(field);
    field += 2;
    readExactly(port, field, 4, Failure::NoAnswer);   // totalSize, not used
    field += 4;
    readExactly(port, field, 4, Failure::NoAnswer);   // headerCrc, not verified
    return blockCount;
}

// Reads a block header as its six fields.
BlockHeader readBlockHeader(SerialPort &port)
{
    std::array<std::uint8_t, wire::kBlockHeaderSize> header{};
    std::size_t offset = 0;
    for (const std::size_t fieldSize : wire::kBlockHeaderFields) {
        readExactly(port, header.data() + offset, fieldSize, Failure::NoAnswer);
        offset += fieldSize;
    }
    return BlockHeader::fromWire(header);
}

// The header of the block due at `position`. A header that fails its CRC is
// named by the position: its own number cannot be trusted.
void verifyBlockHeader(const BlockHeader &header, std::uint16_t position)
{
    if (header.headerCrc != header.computedCrc())
        throw BlockFault{BlockFault::Kind::Damaged, position, position};
    if (header.blockIndex != position)
        throw BlockFault{BlockFault::Kind::OutOfOrder, header.blockIndex, position};
}

void verifyBlockData(const BlockHeader &header, const char *data)
{
    if (header.dataCrc != Crc32(0, data, header.dataLength))
        throw BlockFault{BlockFault::Kind::Damaged, header.blockIndex, header.blockIndex};
}

} // namespace

void ReceiveImage(const QString &portName, const QString &speedText, const ProgressCallback &progress,
                  const DeliveryCallback &delivery, const FailureCallback &failure, BlockChecks checks)
{
    SerialPort port;
    QByteArray receivedImage;
    runTransfer(Direction::Receive, port, failure, [&] {
        try {
            receivedImage.reserve(kExpectedImageSize);
        } catch (const std::bad_alloc &) {
            throw LinkFailure{Failure::Allocation};
        }
        if (!port.Open(portName))
            throw LinkFailure{Failure::Open, port.openProblem()};
        port.Configure(speedText, kTimeoutConstantMs);

        writeToken(port, tokens::DbSend, Failure::NoLink);
        readReply(port, Failure::NoLink);
        writeToken(port, tokens::NextDb, Failure::Size);

        const std::uint16_t blockCount = readTransferHeader(port);
        writeToken(port, tokens::Ack, Failure::Size);
        readReply(port, Failure::NoAnswer);
        if (blockCount == 0)
            throw LinkFailure{Failure::Size};

        std::array<char, wire::kMaxBlockData> blockBuffer{};
        for (std::uint16_t block = 0; block < blockCount; ++block) {
            // Each block is checked as it arrives: the first damaged one
            // ends the transfer, and nothing is delivered.
            const BlockHeader header = readBlockHeader(port);
            if (checks == BlockChecks::Verify)
                verifyBlockHeader(header, block);
            const std::size_t dataLength = header.dataLength;
            // A block longer than the buffer cannot be taken.
            if (dataLength > blockBuffer.size())
                throw LinkFailure{Failure::Size};
            writeToken(port, tokens::Ack, Failure::Size);
            SerialPort::Pause();
            readExactly(port, blockBuffer.data(), dataLength, Failure::NoAnswer);
            if (checks == BlockChecks::Verify)
                verifyBlockData(header, blockBuffer.data());
            receivedImage.append(blockBuffer.data(), qsizetype(dataLength));
            writeToken(port, tokens::Ack, Failure::Size);
            if (progress)
                progress(progressPercent(block, blockCount));
        }

        if (delivery)
            delivery(receivedImage);
        writeToken(port, tokens::Closing1, Failure::Size);
        writeToken(port, tokens::Closing2, Failure::Size);
        writeToken(port, tokens::Closing3, Failure::Size);
        port.RestoreSettings();
    });
}

} // namespace k510::link
