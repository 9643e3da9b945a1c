// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageCheck.h"

#include <vector>

#include "ChannelDatabase.h"
#include "ImageLayout.h"
#include "ImageReader.h"
#include "Records.h"
#include "TextCodec.h"

namespace k510 {

namespace {

using namespace layout;
using std::to_string;

void checkPermutation(const std::vector<std::uint16_t> &order, const std::string &what, CheckResult &result)
{
    std::vector<int> seen(order.size() + 1, 0);
    for (std::size_t k = 0; k < order.size(); ++k) {
        const int value = order[k];
        if (value < 1 || std::size_t(value) > order.size())
            result.problems.push_back(what + ": запись " + to_string(k + 1) + " = " + to_string(value)
                                      + " вне диапазона 1.." + to_string(order.size()));
        else if (seen[std::size_t(value)]++ == 1)
            result.problems.push_back(what + ": номер " + to_string(value) + " встречается больше одного раза");
    }
}

void checkFavourites(std::span<const std::uint8_t> image, std::size_t offset, std::size_t limit,
                     const std::string &what, CheckResult &result)
{
    for (std::size_t g = 0; g < kFavouriteGroupCount; ++g)
        for (std::size_t slot = 0; slot < kFavouriteSlotsPerGroup; ++slot) {
            const int value = loadLe16(&image[offset + 2 * (g * kFavouriteSlotsPerGroup + slot)]);
            if (value != kEmptyFavouriteSlot && (value < 1 || std::size_t(value) > limit))
                result.problems.push_back(what + " " + to_string(g + 1) + ", позиция " + to_string(slot + 1)
                                          + ": канал " + to_string(value) + " не существует");
        }
}

// A channel of an invalid type, or of a valid type in the other block.
void checkChannelType(int type, std::size_t index, std::size_t tvEntries, const std::string &who,
                      std::vector<std::string> &problems)
{
    if (type != ServiceType::Tv && type != ServiceType::Radio)
        problems.push_back(who + ": неверный тип канала " + to_string(type));
    else if (index < tvEntries && type != ServiceType::Tv)
        problems.push_back(who + ": радиоканал среди ТВ каналов");
    else if (index >= tvEntries && type != ServiceType::Radio)
        problems.push_back(who + ": ТВ канал среди радиоканалов");
}

void checkGroups(const FavouriteGroups &groups, std::size_t limit, const std::string &what,
                 std::vector<std::string> &problems)
{
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const std::string group = what + " " + to_string(g + 1);
        if (groups[g].size() > kFavouriteSlotsPerGroup)   // the image has no room for the rest
            problems.push_back(group + ": больше " + to_string(kFavouriteSlotsPerGroup) + " записей");
        for (std::size_t k = 0; k < groups[g].size(); ++k) {
            const int value = groups[g][k];
            if (value < 1 || std::size_t(value) > limit)
                problems.push_back(group + ", позиция " + to_string(k + 1) + ": канал " + to_string(value)
                                   + " не существует");
        }
    }
}

void checkRecords(const ChannelDatabase &db, std::vector<std::string> &problems)
{
    for (std::size_t k = 0; k < db.transponders.size(); ++k)
        if (!db.satelliteOf(db.transponders[k]))
            problems.push_back("транспондер " + to_string(k + 1) + ": спутник "
                               + to_string(db.transponders[k].satNumber) + " не существует");
    const std::size_t tvEntries = db.tvOrder.size();
    for (std::size_t k = 0; k < db.channels.size(); ++k) {
        const Channel &ch = db.channels[k];
        const std::string who = "канал " + to_string(k + 1);
        if (!db.transponderOf(ch))
            problems.push_back(who + ": транспондер " + to_string(ch.tpNumber) + " не существует");
        checkChannelType(ch.serviceType(), k, tvEntries, who, problems);
    }
    if (tvEntries + db.radioOrder.size() != db.channels.size())
        problems.push_back("каналов " + to_string(db.channels.size()) + ", а в списках порядка "
                           + to_string(tvEntries) + " ТВ и " + to_string(db.radioOrder.size()) + " радио");
}

void checkIndexLists(const ChannelDatabase &db, std::vector<std::string> &problems)
{
    ChannelDatabase rebuilt = db;
    rebuilt.rebuildTransponderIndices();
    rebuilt.rebuildChannelIndices();
    for (std::size_t k = 0; k < db.satellites.size(); ++k)
        if (db.satellites[k].transponderIndices != rebuilt.satellites[k].transponderIndices)
            problems.push_back("спутник " + to_string(k + 1) + ": список транспондеров устарел");
    for (std::size_t k = 0; k < db.transponders.size(); ++k)
        if (db.transponders[k].tvChannelIndices != rebuilt.transponders[k].tvChannelIndices
            || db.transponders[k].radioChannelIndices != rebuilt.transponders[k].radioChannelIndices)
            problems.push_back("транспондер " + to_string(k + 1) + ": список каналов устарел");
}

} // namespace

std::vector<std::string> numberingProblems(const ChannelDatabase &db)
{
    CheckResult result;
    checkPermutation(db.tvOrder, "порядок ТВ", result);
    checkPermutation(db.radioOrder, "порядок радио", result);
    checkGroups(db.tvFavourites, db.tvOrder.size(), "избранные ТВ", result.problems);
    checkGroups(db.radioFavourites, db.radioOrder.size(), "избранные радио", result.problems);
    checkRecords(db, result.problems);
    checkIndexLists(db, result.problems);
    return std::move(result.problems);
}

CheckResult checkImage(std::span<const std::uint8_t> image)
{
    CheckResult result;
    if (image.size() != kImageSize) {
        result.problems.emplace_back(ReadMessages::WrongSize);
        return result;
    }
    result.readable = true;

    const std::size_t satCount = loadLe16(&image[kSatelliteCountOffset]);
    const std::size_t tpCount = loadLe16(&image[kTransponderCountOffset]);
    const std::size_t chCount = loadLe16(&image[kChannelCountOffset]);
    const std::size_t tvEntries = loadLe16(&image[kTvOrderCountOffset]);
    const std::size_t radioEntries = loadLe16(&image[kRadioOrderCountOffset]);

    if (regionALength(satCount, tpCount, chCount) > kRegionAEnd) {
        result.beyondNumbering = true;
        result.problems.push_back("записи спутников, транспондеров и каналов занимают "
                                  + to_string(regionALength(satCount, tpCount, chCount)) + " байт, больше "
                                  + to_string(kRegionAEnd));
    } else {
        for (std::size_t k = 0; k < satCount; ++k) {
            const auto record = image.subspan(kSatellitesOffset + 32 * k).first<32>();
            const Satellite sat = decodeSatellite(record);
            if (const std::uint8_t nameLen = record[1]; nameLen > kNameCapacity) {
                result.beyondNumbering = true;
                result.problems.push_back("спутник " + to_string(k + 1) + ": длина имени " + to_string(nameLen)
                                          + " больше 16");
            }
            if (!canHoldTransponders(int(k))) {
                result.beyondNumbering = true;
                result.problems.push_back("спутник " + to_string(k + 1) + " «" + windows1251ToUtf8(sat.name)
                                          + "»: " + kNoTranspondersPastCapacity);
            }
        }
        for (std::size_t k = 0; k < tpCount; ++k) {
            const Transponder tp = decodeTransponder(image.subspan(transpondersOffset(satCount) + 12 * k).first<12>());
            if (tp.satNumber == 0 || tp.satNumber > satCount)
                result.problems.push_back("транспондер " + to_string(k + 1) + ": спутник " + to_string(tp.satNumber)
                                          + " не существует");
        }
        for (std::size_t k = 0; k < chCount; ++k) {
            const Channel ch = decodeChannel(image.subspan(channelsOffset(satCount, tpCount) + 32 * k).first<32>());
            const std::string who = "канал " + to_string(k + 1);
            if (ch.tpNumber == 0 || ch.tpNumber > tpCount)
                result.problems.push_back(who + ": транспондер " + to_string(ch.tpNumber) + " не существует");
            if (ch.nameLen > kNameCapacity)
                result.problems.push_back(who + ": длина имени " + to_string(ch.nameLen) + " больше 16");
            checkChannelType(ch.serviceType(), k, tvEntries, who, result.problems);
            const int type = ch.serviceType();
            if (ch.nameLen > kNameCapacity || (type != ServiceType::Tv && type != ServiceType::Radio))
                result.beyondNumbering = true;
        }
    }

    if (tvEntries > std::size_t(kOrderCapacity) || radioEntries > std::size_t(kOrderCapacity)) {
        result.beyondNumbering = true;
        result.problems.push_back("в списке порядка каналов больше " + to_string(kOrderCapacity) + " записей (ТВ: "
                                  + to_string(tvEntries) + ", радио: " + to_string(radioEntries) + ")");
        return result;
    }
    if (tvEntries + radioEntries != chCount)
        result.problems.push_back("каналов " + to_string(chCount) + ", а в списках порядка " + to_string(tvEntries)
                                  + " ТВ и " + to_string(radioEntries) + " радио");

    std::vector<std::uint16_t> tvOrder, radioOrder;
    for (std::size_t k = 0; k < tvEntries; ++k)
        tvOrder.push_back(loadLe16(&image[kOrdersOffset + 2 * k]));
    for (std::size_t k = 0; k < radioEntries; ++k)
        radioOrder.push_back(loadLe16(&image[kOrdersOffset + 2 * (tvEntries + k)]));
    checkPermutation(tvOrder, "порядок ТВ", result);
    checkPermutation(radioOrder, "порядок радио", result);

    const std::size_t end = ordersEnd(tvEntries, radioEntries);
    checkFavourites(image, tvFavouritesOffset(end), tvEntries, "избранные ТВ", result);
    checkFavourites(image, radioFavouritesOffset(end), radioEntries, "избранные радио", result);
    return result;
}

} // namespace k510
