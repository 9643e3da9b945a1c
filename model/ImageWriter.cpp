// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageWriter.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "Conversions.h"
#include "DisplayTexts.h"
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

std::uint8_t switchTypeBits(const std::string &text)
{
    if (text == "1.0") return 0x08;
    if (text == "1.1") return 0x10;
    if (text == "MOTOR") return 0x18;
    if (text == "USALS") return 0x20;
    return 0;
}

std::uint8_t diseqc10Bits(const std::string &text)
{
    if (text == "A") return 1;
    if (text == "B") return 2;
    if (text == "C") return 3;
    if (text == "D") return 4;
    return 0;
}

// A satellite record composed from the satellite's row texts and its record.
std::array<std::uint8_t, kSatelliteRecordSize> composeSatellite(const Satellite &sat)
{
    const SatelliteRowTexts &texts = sat.rowTexts;
    std::array<std::uint8_t, kSatelliteRecordSize> out{};

    const auto number = std::uint8_t(parseDecimal(texts.number));
    out[0] = number;
    out[26] = number;

    const std::size_t nameLength = std::min(texts.name.size(), kNameCapacity);
    out[1] = std::uint8_t(nameLength);
    std::memcpy(&out[2], texts.name.data(), nameLength);
    displayToImage(std::span(&out[2], nameLength));

    std::memcpy(&out[18], sat.lnbHigh.data(), 4);
    std::memcpy(&out[22], sat.lnbLow.data(), 4);

    out[27] = sat.lnbFlags | switchTypeBits(texts.switchType) | (texts.hemisphere == "W" ? LnbFlag::West : 0);

    if (const auto stored = storedLongitudeText(sat.usalsLongitude); stored && *stored == texts.longitude) {
        // A longitude the pages cannot show as degrees goes back as it came.
        std::memcpy(&out[29], sat.usalsLongitude.data(), 3);
    } else {
        std::string longitude = texts.longitude;
        if (const auto comma = longitude.find(','); comma != std::string::npos)
            longitude.erase(comma, 1);
        const long long tenths = parseHex(longitude);
        if (tenths < 0)
            throw ConversionError(longitude);
        out[28] = std::uint8_t(tenths >> 24);
        out[29] = std::uint8_t(tenths >> 16);
        out[30] = std::uint8_t(tenths >> 8);
        out[31] = std::uint8_t(tenths);
    }

    const long long port11 = texts.diseqc11 == "-" ? 0 : parseDecimal(texts.diseqc11);
    out[28] |= diseqc10Bits(texts.diseqc10) | std::uint8_t(port11 << 3);
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

    try {
        ImageBuilder out;
        out.le16(std::uint16_t(db.satellites.size()));
        out.le16(std::uint16_t(db.transponders.size()));
        out.le16(std::uint16_t(db.channels.size()));
        out.bytes(kStartMarker);
        for (const auto &sat : db.satellites)
            out.bytes(composeSatellite(sat));
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
    } catch (const ConversionError &e) {
        result.error = e.what();
    }
    return result;
}

} // namespace k510
