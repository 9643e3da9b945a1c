// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlteredImage.h"

#include "model/ImageReader.h"
#include "model/ImageWriter.h"

namespace {

std::span<const std::uint8_t> bytesOf(const QByteArray &data)
{
    return {reinterpret_cast<const std::uint8_t *>(data.constData()), std::size_t(data.size())};
}

QByteArray flippedInTheMiddle(QByteArray image)
{
    if (!image.isEmpty())
        image[image.size() / 2] = char(image[image.size() / 2] ^ 0x01);
    return image;
}

} // namespace

QByteArray alteredImage(const QByteArray &image)
{
    k510::ReadResult read = k510::readImage(bytesOf(image));
    if (!read.ok() || read.database->tvOrder.empty())
        return flippedInTheMiddle(image);
    k510::ChannelDatabase &db = *read.database;
    k510::Channel *first = db.tvChannel(db.tvOrder.front());
    if (!first)
        return flippedInTheMiddle(image);
    first->videoPid = std::uint16_t(first->videoPid == 0x1FFE ? 0x1FFD : first->videoPid + 1);
    const k510::WriteResult written = k510::writeImage(db);
    if (!written.ok())
        return flippedInTheMiddle(image);
    return QByteArray(reinterpret_cast<const char *>(written.image.data()), qsizetype(written.image.size()));
}
