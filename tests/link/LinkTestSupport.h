// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QStringList>

#include "link/ReceiveImage.h"
#include "link/SendImage.h"
#include "link/WireFormat.h"
#include "model/ImageWriter.h"
#include "tools/samples/SampleDatabases.h"

// Images and transfer runs shared by the link tests.
namespace linktest {

// `blocks` blocks of 256 bytes in which every byte value occurs in every
// block, NUL, LF, CR, XON, XOFF and ^C included.
inline QByteArray everyByteImage(int blocks)
{
    QByteArray image;
    for (int block = 0; block < blocks; ++block)
        for (int i = 0; i < 256; ++i)
            image.append(char((i * 7 + block * 31) & 0xFF));
    return image;
}

inline QByteArray demoImage()
{
    const auto written = k510::writeImage(k510::samples::demoDatabase());
    return QByteArray(reinterpret_cast<const char *>(written.image.data()), qsizetype(written.image.size()));
}

inline QByteArray wireBytes(std::string_view text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

template <std::size_t N>
QByteArray wireBytes(const std::array<std::uint8_t, N> &bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(N));
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Everything a transfer reported, and how long it took.
struct Outcome {
    QList<int> progress;
    QStringList failures;
    QList<QByteArray> deliveries;
    qint64 elapsedMs = 0;
};

inline Outcome send(const QString &port, const QByteArray &image, const QString &speed = QStringLiteral("115200"))
{
    Outcome outcome;
    QElapsedTimer clock;
    clock.start();
    k510::link::SendImage(
        port, speed, image, [&](int percent) { outcome.progress.append(percent); },
        [&](const QString &text) { outcome.failures.append(text); });
    outcome.elapsedMs = clock.elapsed();
    return outcome;
}

inline Outcome receive(const QString &port, const QString &speed = QStringLiteral("115200"),
                       k510::link::BlockChecks checks = k510::link::BlockChecks::Verify)
{
    Outcome outcome;
    QElapsedTimer clock;
    clock.start();
    k510::link::ReceiveImage(
        port, speed, [&](int percent) { outcome.progress.append(percent); },
        [&](const QByteArray &image) { outcome.deliveries.append(image); },
        [&](const QString &text) { outcome.failures.append(text); }, checks);
    outcome.elapsedMs = clock.elapsed();
    return outcome;
}

// The progress a transfer of `blocks` blocks reports.
inline QList<int> expectedProgress(int blocks)
{
    QList<int> progress;
    for (int block = 0; block < blocks; ++block)
        progress.append(k510::link::progressPercent(std::uint32_t(block), std::uint32_t(blocks)));
    return progress;
}

// What the editor writes in a complete send of `image`.
inline QByteArray sendWire(const QByteArray &image)
{
    using namespace k510::link;
    QByteArray wire = wireBytes(tokens::AckDb);
    wire += wireBytes(TransferHeader::forImage(std::size_t(image.size())).toWire());
    wire += wireBytes(tokens::Next);
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(image.constData());
    for (qsizetype block = 0; block < image.size() / 256; ++block) {
        wire += wireBytes(BlockHeader::forBlock(std::uint16_t(block), {bytes + 256 * block, 256}).toWire());
        wire += image.mid(256 * block, 256);
    }
    return wire;
}

// What the editor writes in a complete receive of `blocks` blocks.
inline QByteArray receiveWire(int blocks)
{
    using namespace k510::link;
    QByteArray wire = wireBytes(tokens::DbSend) + wireBytes(tokens::NextDb) + wireBytes(tokens::Ack);
    for (int block = 0; block < blocks; ++block)
        wire += wireBytes(tokens::Ack) + wireBytes(tokens::Ack);
    return wire + wireBytes(tokens::Closing1) + wireBytes(tokens::Closing2) + wireBytes(tokens::Closing3);
}

} // namespace linktest
