// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageWriter.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "ImageLayout.h"
#include "TextCodec.h"

namespace k510 {

namespace {

using namespace layout;

class ImageBuilder {
public:
    ImageBuilder() : m_image(kImageSize, kFill) {}

    void seek(std::size_t offset) { m_pos = offset; }
    void bytes(const std::uint8_t *data, std::size_t size)
    {
        if (size > m_image.size() || m_pos > m_image.size() - size)
            throw std::length_error("image layout overflow");   // the size checks above rule this out
        std::memcpy(m_image.data() + m_pos, data, size);
        m_pos += size;
    }
    template <std::size_t N>
    void bytes(const std::array<std::uint8_t, N> &data) { bytes(data.data(), N); }
    void le16(std::uint16_t value)
    {
        const std::array<std::uint8_t, 2> raw = {std::uint8_t(value), std::uint8_t(value >> 8)};
        bytes(raw);
    }
    void endThenStartMarker()
    {
        bytes(kEndMarker);
        bytes(kStartMarker);
    }
    std::vector<std::uint8_t> take() { return std::move(m_image); }

private:
    std::vector<std::uint8_t> m_image;
    std::size_t m_pos = 0;
};

std::array<std::uint8_t, kSatelliteRecordSize> satelliteRecord(const Satellite &sat)
{
    std::array<std::uint8_t, kSatelliteRecordSize> out{};
    encodeSatellite(sat, out);
    displayToImage(std::span(&out[2], out[1]));
    return out;
}

void writeFavourites(ImageBuilder &builder, const FavouriteGroups &groups)
{
    for (const auto &group : groups)
        for (std::size_t slot = 0; slot < kFavouriteSlotsPerGroup; ++slot)
            builder.le16(slot < group.size() ? group[slot] : kEmptyFavouriteSlot);
}

} // namespace

bool hasRoomFor(const ChannelDatabase &db, std::size_t moreTransponders, std::size_t moreChannels)
{
    return regionALength(db.satellites.size(), db.transponders.size() + moreTransponders,
                         db.channels.size() + moreChannels)
           <= kRegionAEnd;
}

WriteResult writeImage(const ChannelDatabase &db)
{
    WriteResult result;
    const std::size_t regionA = regionALength(db.satellites.size(), db.transponders.size(), db.channels.size());
    if (regionA > kRegionAEnd) {
        result.error = "Ошибка записи образа: спутники, транспондеры и каналы занимают " + std::to_string(regionA)
                       + " байт, а в образе для них есть " + std::to_string(kRegionAEnd) + "!";
        return result;
    }
    if (db.tvOrder.size() > std::size_t(kOrderCapacity) || db.radioOrder.size() > std::size_t(kOrderCapacity)) {
        result.error = "Ошибка записи образа: в списке порядка каналов больше "
                       + std::to_string(kOrderCapacity) + " записей!";
        return result;
    }

    ImageBuilder out;
    out.le16(std::uint16_t(db.satellites.size()));
    out.le16(std::uint16_t(db.transponders.size()));
    out.le16(std::uint16_t(db.channels.size()));
    out.bytes(kStartMarker);
    for (const auto &sat : db.satellites)
        out.bytes(satelliteRecord(sat));
    out.endThenStartMarker();

    std::array<std::uint8_t, kTransponderRecordSize> tpRecord{};
    for (const auto &tp : db.transponders) {
        encodeTransponder(tp, tpRecord);
        out.bytes(tpRecord);
    }
    out.endThenStartMarker();

    std::array<std::uint8_t, kChannelRecordSize> chRecord{};
    for (const auto &ch : db.channels) {
        Channel stored = ch;
        const std::size_t used = std::min<std::size_t>(ch.nameLen, kNameCapacity);
        std::fill(stored.name.begin() + std::ptrdiff_t(used), stored.name.end(), 0);
        displayToImage(std::span(stored.name.data(), used));
        encodeChannel(stored, chRecord);
        out.bytes(chRecord);
    }
    out.bytes(kEndMarker);

    GroupNames names = db.groupNames;
    displayToImage(names);

    out.seek(kRegionBStart);
    out.bytes(kStartMarker);
    out.le16(std::uint16_t(db.tvOrder.size()));
    out.le16(std::uint16_t(db.radioOrder.size()));
    for (auto entry : db.tvOrder)
        out.le16(entry);
    for (auto entry : db.radioOrder)
        out.le16(entry);
    out.endThenStartMarker();
    writeFavourites(out, db.tvFavourites);
    writeFavourites(out, db.radioFavourites);
    out.bytes(names);
    out.bytes(kEndMarker);
    result.image = out.take();
    return result;
}

} // namespace k510
