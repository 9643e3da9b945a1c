// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers for tests that work on databases and their raw image bytes.

#include <QByteArray>
#include <QTest>

#include <cstdint>
#include <cstring>
#include <vector>

#include "model/ImageCheck.h"
#include "model/ImageLayout.h"
#include "model/ImageReader.h"
#include "model/ImageWriter.h"

namespace k510::testing {

using Image = std::vector<std::uint8_t>;

inline Image imageOf(const ChannelDatabase &db)
{
    WriteResult result = writeImage(db);
    if (!result.ok())
        qFatal("test database cannot be written: %s", result.error.c_str());
    return std::move(result.image);
}

inline QByteArray bytesOf(const Image &image)
{
    return QByteArray(reinterpret_cast<const char *>(image.data()), qsizetype(image.size()));
}

// The bytes a save of the database writes.
inline QByteArray imageBytes(const ChannelDatabase &db) { return bytesOf(imageOf(db)); }

inline ChannelDatabase databaseOf(const Image &image)
{
    ReadResult result = readImage(image);
    if (!result.ok())
        qFatal("test image cannot be read: %s", result.error.c_str());
    return std::move(*result.database);
}

// The service IDs of the channel records, in record order: which records
// are left, and where, after a change that renumbers.
inline std::vector<int> serviceIds(const ChannelDatabase &db)
{
    std::vector<int> ids;
    for (const auto &channel : db.channels)
        ids.push_back(channel.serviceId);
    return ids;
}

// The database writes, its image passes the check and its numbering is sound.
inline bool imageCheckPasses(const ChannelDatabase &db)
{
    const WriteResult image = writeImage(db);
    return image.ok() && checkImage(image.image).problems.empty() && numberingProblems(db).empty();
}

inline void poke16(Image &image, std::size_t offset, std::uint16_t value)
{
    image.at(offset) = std::uint8_t(value);
    image.at(offset + 1) = std::uint8_t(value >> 8);
}

inline std::uint16_t peek16(const Image &image, std::size_t offset)
{
    return std::uint16_t(image.at(offset) | (image.at(offset + 1) << 8));
}

// Offsets of records in an image, from the counts it holds.
struct ImageOffsets {
    std::size_t satellites, transponders, channels, tvFavourites, radioFavourites, groupNames;

    explicit ImageOffsets(const Image &image)
    {
        using namespace layout;
        const std::size_t s = peek16(image, 0), p = peek16(image, 2);
        satellites = kSatellitesOffset;
        transponders = transpondersOffset(s);
        channels = channelsOffset(s, p);
        const std::size_t end = ordersEnd(peek16(image, kTvOrderCountOffset), peek16(image, kRadioOrderCountOffset));
        tvFavourites = tvFavouritesOffset(end);
        radioFavourites = radioFavouritesOffset(end);
        groupNames = groupNamesOffset(end);
    }
    [[nodiscard]] std::size_t satellite(std::size_t k) const { return satellites + 32 * k; }
    [[nodiscard]] std::size_t transponder(std::size_t k) const { return transponders + 12 * k; }
    [[nodiscard]] std::size_t channel(std::size_t k) const { return channels + 32 * k; }
};

} // namespace k510::testing
