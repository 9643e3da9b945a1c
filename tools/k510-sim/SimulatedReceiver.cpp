// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimulatedReceiver.h"

#include <QThread>

#include <algorithm>
#include <cstdio>
#include <utility>

#include "AlteredImage.h"
#include "link/Crc32.h"
#include "storage/FileAccess.h"
#include "link/WireFormat.h"

using namespace k510::link;

namespace {

// How long the receiver waits for the editor's next bytes inside a transfer
// before it gives the transfer up.
constexpr int kSessionTimeoutMs = 3000;
constexpr std::uint16_t kOversizeLength = 4096;

void report(const QString &text)
{
    std::fprintf(stderr, "k510-sim: %s\n", qPrintable(text));
    std::fflush(stderr);
}

bool saveFile(const QString &path, const QByteArray &bytes)
{
    return k510::files::writeFileSafely(path, bytes).ok();
}

} // namespace

SimulatedReceiver::SimulatedReceiver(PseudoTerminal &line, SimOptions options)
    : m_line(line)
    , m_options(std::move(options))
{
}

void SimulatedReceiver::serve()
{
    // Slide over whatever arrives until an opening token stands in the window.
    QByteArray window;
    for (;;) {
        char byte = 0;
        if (m_line.read(&byte, 1, -1) != 1) {
            QThread::msleep(10);
            continue;
        }
        window.append(byte);
        if (window.size() > qsizetype(wire::kTokenSize))
            window.remove(0, 1);
        const bool load = window == tokens::AckDb.data();
        const bool dump = window == tokens::DbSend.data();
        if (!load && !dump)
            continue;
        startRecord(window);
        window.clear();
        if (m_options.fault == Fault::Silent)
            continue;
        if (load)
            takeImage();
        else
            giveImage();
    }
}

void SimulatedReceiver::takeImage()
{
    answer(-1);
    std::array<std::uint8_t, wire::kTransferHeaderSize> headerBytes{};
    if (!readFromEditor(headerBytes.data(), headerBytes.size()))
        return;
    const TransferHeader header = TransferHeader::fromWire(headerBytes);
    bool sound = header.sync[0] == 0x55 && header.sync[1] == 0x55 && header.tag1 == 0x01 && header.tag2 == 0x0A
                 && header.headerCrc == header.computedCrc();
    if (!sound)
        report(QStringLiteral("transfer header is not sound"));
    answer(-1);
    if (!expectToken(tokens::Next.data()))
        return;

    QByteArray image;
    for (int block = 0; block < header.blockCount; ++block) {
        std::array<std::uint8_t, wire::kBlockHeaderSize> blockBytes{};
        if (!readFromEditor(blockBytes.data(), blockBytes.size()))
            return;
        const BlockHeader blockHeader = BlockHeader::fromWire(blockBytes);
        if (blockHeader.blockIndex != block || blockHeader.headerCrc != blockHeader.computedCrc()
            || blockHeader.address != wire::kBlockAddressBase + wire::kBlockSize * std::uint32_t(block)) {
            report(QStringLiteral("block header %1 is not sound").arg(block));
            sound = false;
        }
        answer(block);
        QByteArray data(blockHeader.dataLength, '\0');
        if (!readFromEditor(data.data(), std::size_t(data.size())))
            return;
        if (blockHeader.dataCrc != Crc32(0, data.constData(), std::size_t(data.size()))) {
            report(QStringLiteral("block %1: data CRC does not match").arg(block));
            sound = false;
        }
        image.append(data);
        // The image is kept before the last answer, so that it is in place
        // once the editor's send has ended.
        if (block + 1 == header.blockCount) {
            if (sound && !m_options.storePath.isEmpty() && !saveFile(m_options.storePath, image))
                report(QStringLiteral("cannot write %1").arg(m_options.storePath));
            if (sound)
                m_options.imageToSend = image;
            report(QStringLiteral("received %1 bytes in %2 blocks%3")
                       .arg(image.size())
                       .arg(header.blockCount)
                       .arg(sound ? QString() : QStringLiteral(", not sound: not stored")));
        }
        answer(block);
    }
}

void SimulatedReceiver::giveImage()
{
    answer(-1);
    if (!expectToken(tokens::NextDb.data()))
        return;

    const QByteArray image =
        m_options.fault == Fault::Alter ? alteredImage(m_options.imageToSend) : m_options.imageToSend;
    const int blockCount = int((image.size() + qsizetype(wire::kBlockSize) - 1) / qsizetype(wire::kBlockSize));
    TransferHeader header = TransferHeader::forImage(std::size_t(image.size()));
    header.blockCount = std::uint16_t(blockCount);
    if (m_options.fault == Fault::BadTag)
        header.tag1 = 0x02;
    if (m_options.fault == Fault::ZeroBlocks)
        header.blockCount = 0;
    header.headerCrc = header.computedCrc();
    waitIfSlow(-1);
    const auto headerBytes = header.toWire();
    sendToEditor(headerBytes.data(), headerBytes.size());
    if (!expectToken(tokens::Ack.data()))
        return;
    answer(-1);

    for (int block = 0; block < header.blockCount; ++block) {
        const int sentBlock = swappedBlock(block, header.blockCount);
        const qsizetype offset = qsizetype(sentBlock) * qsizetype(wire::kBlockSize);
        QByteArray data = image.mid(offset, qsizetype(wire::kBlockSize));
        const std::span<const std::uint8_t> dataBytes(reinterpret_cast<const std::uint8_t *>(data.constData()),
                                                      std::size_t(data.size()));
        BlockHeader blockHeader = BlockHeader::forBlock(std::uint16_t(sentBlock), dataBytes);
        // A line error after the CRC was taken.
        if (faultAt(Fault::Damaged, block) && !data.isEmpty())
            data[data.size() / 2] = char(data[data.size() / 2] ^ 0x10);
        if (m_options.fault == Fault::Scrambled) {
            // Numbers, addresses and both CRCs are wrong; the data still
            // come in image order, so a receive that skips its block checks
            // gets the image.
            blockHeader.blockIndex = std::uint16_t(blockCount - 1 - block);
            blockHeader.address = 0x12345678u + 7u * std::uint32_t(block);
            blockHeader.headerCrc = ~blockHeader.computedCrc();
            blockHeader.dataCrc = ~blockHeader.dataCrc;
        }
        if (faultAt(Fault::Oversize, block)) {
            // Announced, not garbled: the header's CRC matches.
            blockHeader.dataLength = kOversizeLength;
            blockHeader.headerCrc = blockHeader.computedCrc();
        }
        waitIfSlow(block);
        const auto blockBytes = blockHeader.toWire();
        sendToEditor(blockBytes.data(), blockBytes.size());
        if (!expectToken(tokens::Ack.data()))
            return;
        waitIfSlow(block);
        if (faultAt(Fault::ShortBlock, block)) {
            sendToEditor(data.constData(), std::size_t(data.size() / 2));
            report(QStringLiteral("short block %1 sent").arg(block));
            return;
        }
        sendToEditor(data.constData(), std::size_t(data.size()));
        if (!expectToken(tokens::Ack.data()))
            return;
    }
    for (const auto closing : {tokens::Closing1, tokens::Closing2, tokens::Closing3}) {
        if (!expectToken(closing.data()))
            return;
    }
    report(QStringLiteral("sent %1 bytes in %2 blocks").arg(image.size()).arg(header.blockCount));
}

bool SimulatedReceiver::readFromEditor(void *data, std::size_t count)
{
    const std::size_t got = m_line.read(data, count, kSessionTimeoutMs);
    record(static_cast<const char *>(data), got);
    if (got != count)
        report(QStringLiteral("transfer abandoned: %1 of %2 bytes arrived").arg(got).arg(count));
    return got == count;
}

bool SimulatedReceiver::expectToken(const char *token)
{
    char received[wire::kTokenSize] = {};
    if (!readFromEditor(received, sizeof received))
        return false;
    if (QByteArray(received, sizeof received) != QByteArray(token))
        report(QStringLiteral("expected %1, got %2").arg(QLatin1String(token), QString::fromLatin1(received, sizeof received)));
    return true;
}

void SimulatedReceiver::sendToEditor(const void *data, std::size_t count)
{
    if (!m_line.write(data, count))
        report(QStringLiteral("write to the line failed"));
}

void SimulatedReceiver::answer(int block)
{
    waitIfSlow(block);
    sendToEditor(m_options.reply.constData(), std::size_t(m_options.reply.size()));
}

void SimulatedReceiver::waitIfSlow(int block) const
{
    if (m_options.fault != Fault::Slow)
        return;
    if (m_options.faultBlock < 0 || block >= m_options.faultBlock)
        QThread::msleep(std::uint32_t(m_options.delayMs));
}

bool SimulatedReceiver::faultAt(Fault fault, int block) const
{
    return m_options.fault == fault && block == std::max(m_options.faultBlock, 0);
}

int SimulatedReceiver::swappedBlock(int block, int blockCount) const
{
    const int first = std::max(m_options.faultBlock, 0);
    if (m_options.fault != Fault::Swapped || first + 1 >= blockCount)
        return block;
    if (block == first)
        return first + 1;
    return block == first + 1 ? first : block;
}

void SimulatedReceiver::startRecord(const QByteArray &openingToken)
{
    if (m_options.recordPath.isEmpty())
        return;
    m_record.close();
    m_record.setFileName(m_options.recordPath);
    if (!m_record.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        report(QStringLiteral("cannot write %1").arg(m_options.recordPath));
    record(openingToken.constData(), std::size_t(openingToken.size()));
}

void SimulatedReceiver::record(const char *data, std::size_t count)
{
    if (m_record.isOpen())
        (void)m_record.write(data, qint64(count));
}
