// SPDX-License-Identifier: GPL-3.0-or-later
#include "SendImage.h"

#include "SerialPort.h"
#include "TransferSteps.h"
#include "WireFormat.h"

#include <cstdint>
#include <limits>
#include <span>
#include <vector>

namespace k510::link {

namespace {

using namespace steps;

constexpr int kTimeoutConstantMs = 500;

std::span<const std::uint8_t> blockData(const QByteArray &image, std::size_t block)
{
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(image.constData());
    return {bytes + block * wire::kBlockSize, wire::kBlockSize};
}

} // namespace

void SendImage(const QString &portName, const QString &speedText, const QByteArray &image,
               const ProgressCallback &progress, const FailureCallback &failure)
{
    SerialPort port;
    runTransfer(Direction::Send, port, failure, [&] {
        const std::size_t blockCount = std::size_t(image.size()) / wire::kBlockSize;
        // The count field has 16 bits; a larger image cannot be announced.
        if (blockCount > std::numeric_limits<std::uint16_t>::max())
            throw LinkFailure{Failure::Size};

        std::vector<std::uint8_t> blockHeaders;
        try {
            blockHeaders.reserve(blockCount * wire::kBlockHeaderSize);
        } catch (const std::bad_alloc &) {
            throw LinkFailure{Failure::Allocation};
        }

        if (!port.Open(portName))
            throw LinkFailure{Failure::Open, port.openProblem()};
        port.Configure(speedText, kTimeoutConstantMs);

        const auto transferHeader = TransferHeader::forImage(std::size_t(image.size())).toWire();
        // Every header and CRC exists before the first byte goes out, so the
        // block phase only moves prepared bytes.
        for (std::size_t block = 0; block < blockCount; ++block) {
            const auto header = BlockHeader::forBlock(std::uint16_t(block), blockData(image, block)).toWire();
            blockHeaders.insert(blockHeaders.end(), header.begin(), header.end());
        }

        writeToken(port, tokens::AckDb, Failure::NoLink);
        readReply(port, Failure::NoLink);

        std::size_t offset = 0;
        for (const std::size_t fieldSize : wire::kTransferHeaderFields) {
            writeExactly(port, transferHeader.data() + offset, fieldSize, Failure::Size);
            offset += fieldSize;
        }
        readReply(port, Failure::NoAnswer);
        writeToken(port, tokens::Next, Failure::Size);

        for (std::size_t block = 0; block < blockCount; ++block) {
            writeExactly(port, blockHeaders.data() + block * wire::kBlockHeaderSize, wire::kBlockHeaderSize,
                         Failure::Size);
            SerialPort::Pause();
            readReply(port, Failure::NoAnswer);
            writeExactly(port, blockData(image, block).data(), wire::kBlockSize, Failure::Size);
            SerialPort::Pause();
            readReply(port, Failure::NoAnswer);
            if (progress)
                progress(progressPercent(std::uint32_t(block), std::uint32_t(blockCount)));
        }
        port.RestoreSettings();
    });
}

} // namespace k510::link
