// SPDX-License-Identifier: GPL-3.0-or-later
#include "JsonDump.h"

#include <QJsonArray>

#include "model/Conversions.h"
#include "model/DisplayTexts.h"
#include "model/TextCodec.h"

using namespace k510;

namespace {

QString text(const std::string &windows1251) { return QString::fromStdString(windows1251ToUtf8(windows1251)); }
QString ascii(const std::string &s) { return QString::fromStdString(s); }

QJsonObject satelliteToJson(const Satellite &sat)
{
    const SatelliteRowTexts row = rowTextsOf(sat);
    return {
        {"number", ascii(row.number)},
        {"name", text(row.name)},
        {"lnbType", ascii(row.lnbType)},
        {"lnbLow", ascii(bcdText(sat.lnbLow))},
        {"lnbHigh", ascii(bcdText(sat.lnbHigh))},
        {"tone22k", sat.tone22k},
        {"power12v", ascii(row.power12v)},
        {"lnbp", sat.lnbp},
        {"switchType", ascii(row.switchType)},
        {"diseqc10", ascii(row.diseqc10)},
        {"diseqc11", ascii(row.diseqc11)},
        {"hemisphere", ascii(row.hemisphere)},
        {"longitude", ascii(row.longitude)},
    };
}

QJsonObject transponderToJson(const Transponder &tp)
{
    return {
        {"satellite", tp.satNumber},
        {"polarisation", ascii(polarisationText(tp.polarisation))},
        {"frequency", ascii(bcdText(tp.frequency))},
        {"symbolRate", ascii(bcdText(tp.symbolRate))},
        {"fec", ascii(fecText(tp.fec))},
    };
}

QJsonObject channelToJson(const Channel &ch)
{
    return {
        {"serviceId", ch.serviceId},
        {"transponder", ch.tpNumber},
        {"pmtPid", ch.pmtPid},
        {"videoPid", ch.videoPid},
        {"audioPid", ch.audioPid},
        {"pcrPid", ch.pcrPid},
        {"name", text(ch.nameText())},
        {"type", ch.serviceType()},
        {"scrambled", ch.isScrambled()},
        {"locked", ch.isLocked()},
    };
}

QJsonArray numbers(const std::vector<std::uint16_t> &list)
{
    QJsonArray out;
    for (auto n : list)
        out.append(int(n));
    return out;
}

QJsonArray groups(const FavouriteGroups &groupList)
{
    QJsonArray out;
    for (const auto &group : groupList)
        out.append(numbers(group));
    return out;
}

template <typename NameOf>
QJsonArray groupNames(NameOf nameOf)
{
    QJsonArray out;
    for (int g = 1; g <= kFavouriteGroupCount; ++g)
        out.append(text(nameOf(g)));
    return out;
}

template <typename Record, typename ToJson>
QJsonArray records(const std::vector<Record> &list, ToJson toJson)
{
    QJsonArray out;
    for (const auto &record : list)
        out.append(toJson(record));
    return out;
}

} // namespace

QJsonObject databaseToJson(const ChannelDatabase &db)
{
    return {
        {"satellites", records(db.satellites, satelliteToJson)},
        {"transponders", records(db.transponders, transponderToJson)},
        {"channels", records(db.channels, channelToJson)},
        {"tvOrder", numbers(db.tvOrder)},
        {"radioOrder", numbers(db.radioOrder)},
        {"tvFavourites", groups(db.tvFavourites)},
        {"radioFavourites", groups(db.radioFavourites)},
        {"tvGroupNames", groupNames([&db](int g) { return db.tvGroupName(g); })},
        {"radioGroupNames", groupNames([&db](int g) { return db.radioGroupName(g); })},
    };
}
