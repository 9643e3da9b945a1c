// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageReader.h"

#include "ImageLayout.h"
#include "TextCodec.h"

namespace k510 {

namespace {

using namespace layout;

ReadResult refused(std::string error)
{
    ReadResult result;
    result.error = std::move(error);
    return result;
}

void readNameInPlace(NameBytes &name, std::uint8_t &nameLen)
{
    // A name longer than its 16-byte field is cut to the field.
    if (nameLen > kNameCapacity)
        nameLen = std::uint8_t(kNameCapacity);
    imageToDisplay(std::span(name.data(), nameLen));
}

void readFavourites(std::span<const std::uint8_t> image, std::size_t offset, FavouriteGroups &groups)
{
    // Empty slots are dropped, so a group closes up behind its used slots.
    for (std::size_t g = 0; g < groups.size(); ++g) {
        groups[g].clear();
        for (std::size_t slot = 0; slot < kFavouriteSlotsPerGroup; ++slot) {
            const std::uint16_t value = loadLe16(&image[offset + 2 * (g * kFavouriteSlotsPerGroup + slot)]);
            if (value != kEmptyFavouriteSlot)
                groups[g].push_back(value);
        }
    }
}

} // namespace

ReadResult readImage(std::span<const std::uint8_t> image)
{
    if (image.size() != kImageSize)
        return refused(ReadMessages::WrongSize);

    const std::size_t satCount = loadLe16(&image[kSatelliteCountOffset]);
    const std::size_t tpCount = loadLe16(&image[kTransponderCountOffset]);
    const std::size_t chCount = loadLe16(&image[kChannelCountOffset]);
    if (regionALength(satCount, tpCount, chCount) > kRegionAEnd)
        return refused("Загрузка файла: Ошибка, записи спутников (" + std::to_string(satCount) + "), транспондеров ("
                       + std::to_string(tpCount) + ") и каналов (" + std::to_string(chCount)
                       + ") не помещаются в образ!");

    ChannelDatabase db;
    db.satellites.reserve(satCount);
    db.transponders.reserve(tpCount);
    db.channels.reserve(chCount);

    for (std::size_t k = 0; k < satCount; ++k) {
        Satellite sat = decodeSatellite(image.subspan(kSatellitesOffset + 32 * k).first<kSatelliteRecordSize>());
        imageToDisplay(std::span(reinterpret_cast<std::uint8_t *>(sat.name.data()), sat.name.size()));
        db.satellites.push_back(std::move(sat));
    }

    const std::size_t tpOffset = transpondersOffset(satCount);
    for (std::size_t k = 0; k < tpCount; ++k) {
        Transponder tp = decodeTransponder(image.subspan(tpOffset + 12 * k).first<kTransponderRecordSize>());
        if (tp.satNumber == 0 || tp.satNumber > satCount)
            return refused("Загрузка файла: Ошибка, транспондер " + std::to_string(k + 1)
                           + " ссылается на несуществующий спутник " + std::to_string(tp.satNumber) + "!");
        db.transponders.push_back(std::move(tp));
    }

    ReadResult result;
    const std::size_t chOffset = channelsOffset(satCount, tpCount);
    for (std::size_t k = 0; k < chCount; ++k) {
        Channel ch = decodeChannel(image.subspan(chOffset + 32 * k).first<kChannelRecordSize>());
        if (ch.tpNumber == 0)
            return refused(ReadMessages::ZeroTransponder + std::to_string(k));
        if (ch.tpNumber > tpCount)
            return refused("Загрузка файла: Ошибка, канал " + std::to_string(k) + " ссылается на несуществующий транспондер "
                           + std::to_string(ch.tpNumber) + "!");
        readNameInPlace(ch.name, ch.nameLen);
        db.channels.push_back(ch);
    }
    db.rebuildTransponderIndices();
    // One warning per channel of an invalid type; it stays, in no list.
    result.warnings.assign(std::size_t(db.rebuildChannelIndices()), ReadMessages::ChannelType);

    const std::size_t tvEntries = loadLe16(&image[kTvOrderCountOffset]);
    const std::size_t radioEntries = loadLe16(&image[kRadioOrderCountOffset]);
    if (tvEntries > std::size_t(kOrderCapacity) || radioEntries > std::size_t(kOrderCapacity))
        return refused("Загрузка файла: Ошибка, список порядка каналов длиннее " + std::to_string(kOrderCapacity)
                       + " записей (ТВ: " + std::to_string(tvEntries) + ", радио: " + std::to_string(radioEntries)
                       + ")!");
    // With both lists within 6000 entries region B always ends inside the image.
    static_assert(groupNamesOffset(ordersEnd(kOrderCapacity, kOrderCapacity)) + kGroupNamesSize <= kImageSize);

    db.tvOrder.reserve(tvEntries);
    db.radioOrder.reserve(radioEntries);
    for (std::size_t k = 0; k < tvEntries; ++k)
        db.tvOrder.push_back(loadLe16(&image[kOrdersOffset + 2 * k]));
    for (std::size_t k = 0; k < radioEntries; ++k)
        db.radioOrder.push_back(loadLe16(&image[kOrdersOffset + 2 * (tvEntries + k)]));

    const std::size_t end = ordersEnd(tvEntries, radioEntries);
    readFavourites(image, tvFavouritesOffset(end), db.tvFavourites);
    readFavourites(image, radioFavouritesOffset(end), db.radioFavourites);

    const auto names = image.subspan(groupNamesOffset(end), kGroupNamesSize);
    std::copy(names.begin(), names.end(), db.groupNames.begin());
    imageToDisplay(db.groupNames);

    result.database = std::move(db);
    return result;
}

} // namespace k510
