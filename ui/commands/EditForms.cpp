// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditForms.h"

#include "model/Conversions.h"
#include "model/DisplayTexts.h"
#include "model/EditConversions.h"
#include "ui/lists/ChannelTexts.h"
#include "ui/lists/ModelStrings.h"

#include <QRegularExpression>

namespace k510::ui {

namespace {

// The code 0..count-1 whose text is `text`, or -1.
int codeOf(const std::string &text, std::string (*textOf)(int), int count)
{
    for (int code = 0; code < count; ++code)
        if (textOf(code) == text)
            return code;
    return -1;
}

// The dialog's LNB type position: "Single", "OCS", "Universal".
int lnbTypeIndex(const Bcd4 &lnbLow)
{
    const std::string type = lnbTypeText(lnbLow);
    return type == "Single" ? 0 : type == "OCS" ? 1 : 2;
}

std::string utf8(const QString &text) { return text.toStdString(); }

constexpr int kSwitchTypeCount = 5;      // none, 1.0, 1.1, motor, USALS
constexpr int kDiseqc10PortCount = 5;    // none, A..D
constexpr int kDiseqc11PortCount = 17;   // none, 1..16
constexpr int kFecCount = 6;             // AUTO .. 7/8

constexpr int kBcdDigits = 6;            // frequencies and rates: up to 999999
const char *const kNoSatelliteName = "Не задано название спутника!";

// The field as its dialog labels it.
QString captionOf(FormField field)
{
    switch (field) {
    case FormField::LnbLow: return QStringLiteral("Начальная частота LNB");
    case FormField::LnbHigh: return QStringLiteral("Конечная частота LNB");
    case FormField::Longitude: return QStringLiteral("Долгота USALS");
    case FormField::Frequency: return QStringLiteral("Частота");
    case FormField::Rate: return QStringLiteral("Скорость");
    case FormField::ServiceId: return QStringLiteral("Service ID");
    case FormField::PmtPid: return QStringLiteral("PMT PID");
    case FormField::VideoPid: return QStringLiteral("Video PID");
    case FormField::AudioPid: return QStringLiteral("Audio PID");
    case FormField::PcrPid: return QStringLiteral("PCR PID");
    default: return QStringLiteral("Название");
    }
}

[[noreturn]] void refuseOutOfRange(FormField field, const QString &typed, const std::string &allowedRange)
{
    throw RefusedField(field, QStringLiteral("%1: «%2» — вне допустимого диапазона %3.")
                                  .arg(captionOf(field), typed, QString::fromStdString(allowedRange))
                                  .toStdString());
}

// Runs one field's conversion; what it refuses names the field and quotes
// the text as the user typed it.
template <typename Convert>
auto checked(FormField field, const QString &typed, Convert convert)
{
    try {
        return convert();
    } catch (const RangeError &refused) {
        refuseOutOfRange(field, typed, refused.allowedRange());
    } catch (const ConversionError &) {
        const QString message = typed.isEmpty() ? QStringLiteral("%1: нужно число.").arg(captionOf(field))
                                                : QStringLiteral("%1: «%2» — не число.").arg(captionOf(field), typed);
        throw RefusedField(field, message.toStdString());
    } catch (const std::runtime_error &refused) {
        throw RefusedField(field, refused.what());
    }
}

Bcd4 frequencyOf(FormField field, const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (text.size() > kBcdDigits && digits.match(text).hasMatch())
        refuseOutOfRange(field, text, "0.." + std::string(kBcdDigits, '9'));
    return checked(field, text, [&] { return bcdFromDecimalDigits(utf8(text)); });
}

std::uint16_t channelNumberOf(FormField field, const QString &text)
{
    return checked(field, text, [&] { return channelNumberFromText(utf8(text)); });
}

std::string nameOf(const QString &text)
{
    return checked(FormField::Name, text, [&] { return nameToWindows1251(utf8(text)); });
}

} // namespace

SatelliteForm satelliteFormOf(const Satellite &satellite)
{
    SatelliteForm form;
    form.name = fromWindows1251(satellite.name);
    form.lnbLow = QString::fromStdString(bcdText(satellite.lnbLow));
    form.lnbHigh = QString::fromStdString(bcdText(satellite.lnbHigh));
    form.lnbType = lnbTypeIndex(satellite.lnbLow);
    form.tone22k = satellite.tone22k;
    form.power12v = satellite.power12v;
    form.lnbp = satellite.lnbp;
    // A code the dialog has no entry for opens with none chosen.
    const auto known = [](int code, int count) { return code >= 0 && code < count; };
    form.switchType = known(satellite.switchType, kSwitchTypeCount) ? satellite.switchType : -1;
    form.diseqc10 = known(satellite.diseqc10Port, kDiseqc10PortCount) ? satellite.diseqc10Port : 0;
    form.diseqc11 = known(satellite.diseqc11Port, kDiseqc11PortCount) ? satellite.diseqc11Port : 0;
    form.west = satellite.west;
    form.longitude = QString::fromStdString(longitudeText(satellite.usalsLongitude));
    return form;
}

SatelliteSettings satelliteSettingsOf(const Satellite &satellite, const SatelliteForm &typed,
                                      const SatelliteForm &shown)
{
    // A blank name would show as an empty selector entry nobody can tell apart.
    if (typed.name.trimmed().isEmpty())
        throw RefusedField(FormField::Name, kNoSatelliteName);
    SatelliteSettings settings;
    settings.name = nameOf(typed.name);
    settings.lnbLow = frequencyOf(FormField::LnbLow, typed.lnbLow);
    settings.lnbHigh = frequencyOf(FormField::LnbHigh, typed.lnbHigh);
    settings.tone22k = typed.tone22k;
    settings.power12v = typed.power12v;
    settings.lnbp = typed.lnbp;
    settings.switchType = typed.switchType;
    settings.diseqc10Port = typed.diseqc10;
    settings.diseqc11Port = typed.diseqc11;
    settings.west = typed.west;
    const bool keepStored = typed.longitude == shown.longitude && storedLongitudeText(satellite.usalsLongitude);
    if (!keepStored)
        settings.longitude = checked(FormField::Longitude, typed.longitude,
                                     [&] { return normalizedLongitude(utf8(typed.longitude)); });
    return settings;
}

TransponderValues transponderValuesOf(const TransponderForm &form)
{
    return {std::uint8_t(form.polarisation == 0 ? 0 : 1), frequencyOf(FormField::Frequency, form.frequency),
            frequencyOf(FormField::Rate, form.rate), std::uint8_t(std::max(0, form.fec))};
}

int fecIndexOf(const QString &text)
{
    return codeOf(text.toStdString(), fecText, kFecCount);
}

TransponderForm transponderFormOf(const Transponder &transponder)
{
    TransponderForm form;
    form.polarisation = polarisationText(transponder.polarisation) == "H" ? 0 : 1;
    form.frequency = frequencyText(transponder);
    form.rate = symbolRateText(transponder);
    form.fec = fecIndexOf(QString::fromStdString(fecText(transponder.fec)));
    return form;
}

void applyTransponderValues(Transponder &transponder, const TransponderValues &values)
{
    transponder.polarisation = values.polarisation;
    transponder.frequency = values.frequency;
    transponder.symbolRate = values.symbolRate;
    transponder.fec = values.fec;
}

ChannelForm channelFormOf(const Channel &channel)
{
    ChannelForm form;
    form.name = fromWindows1251(channel.nameText());
    form.serviceId = QString::number(channel.serviceId);
    form.pmtPid = QString::number(channel.pmtPid);
    form.videoPid = QString::number(channel.videoPid);
    form.audioPid = QString::number(channel.audioPid);
    form.pcrPid = QString::number(channel.pcrPid);
    form.freeToAir = !channel.isScrambled();
    return form;
}

ChannelValues channelValuesOf(const ChannelForm &form)
{
    ChannelValues values;
    values.serviceId = channelNumberOf(FormField::ServiceId, form.serviceId);
    values.pmtPid = channelNumberOf(FormField::PmtPid, form.pmtPid);
    if (form.hasVideoPid)
        values.videoPid = channelNumberOf(FormField::VideoPid, form.videoPid);
    values.audioPid = channelNumberOf(FormField::AudioPid, form.audioPid);
    values.pcrPid = channelNumberOf(FormField::PcrPid, form.pcrPid);
    values.name = nameOf(form.name);
    return values;
}

void applyChannelValues(Channel &channel, const ChannelValues &values)
{
    channel.serviceId = values.serviceId;
    channel.pmtPid = values.pmtPid;
    channel.videoPid = values.videoPid;
    channel.audioPid = values.audioPid;
    channel.pcrPid = values.pcrPid;
    channel.setName(values.name);
}

QStringList transponderEntries(const ChannelDatabase &db, int satelliteIndex)
{
    QStringList entries;
    if (satelliteIndex < 0 || std::size_t(satelliteIndex) >= db.satellites.size())
        return entries;
    for (const int index : db.satellites[std::size_t(satelliteIndex)].transponderIndices) {
        if (index < 0 || std::size_t(index) >= db.transponders.size())
            continue;
        const Transponder &tp = db.transponders[std::size_t(index)];
        entries.append(QStringLiteral(" %1/%2/%3")
                           .arg(QString::fromStdString(polarisationText(tp.polarisation)), frequencyText(tp),
                                symbolRateText(tp)));
    }
    return entries;
}

} // namespace k510::ui
