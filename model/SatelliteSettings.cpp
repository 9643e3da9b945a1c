// SPDX-License-Identifier: GPL-3.0-or-later
#include "SatelliteSettings.h"

#include <algorithm>
#include <stdexcept>

#include "DisplayTexts.h"
#include "EditConversions.h"

namespace k510 {

namespace {

constexpr int kSwitchTypeMax = 4;
constexpr int kDiseqc10PortMax = 4;
constexpr int kDiseqc11PortMax = 16;
constexpr int kDiseqc11Shift = 3;

void checkRange(int value, int lowest, int highest, const char *what)
{
    if (value < lowest || value > highest)
        throw std::invalid_argument(std::string("satellite settings: ") + what + " out of range");
}

// "19,2" -> 00 01 92: the digits without the comma as packed BCD, the way the
// image writer stores the "USALS" text.
std::array<std::uint8_t, 3> longitudeBcd(const std::string &normalized)
{
    std::string digits = normalized;
    std::erase(digits, ',');
    const Bcd4 field = bcdFromDecimalDigits(digits);
    return {field[0], field[1], field[2]};
}

std::uint8_t lnbFlagsOf(const SatelliteSettings &settings)
{
    std::uint8_t flags = 0;
    if (settings.lnbp)
        flags |= LnbFlag::Lnbp;
    if (settings.power12v)
        flags |= LnbFlag::Power12V;
    if (settings.tone22k)
        flags |= LnbFlag::Tone22k;
    if (settings.switchType >= 0)
        flags |= std::uint8_t(settings.switchType << LnbFlag::SwitchTypeShift);
    if (settings.west)
        flags |= LnbFlag::West;
    return flags;
}

} // namespace

void applySatelliteSettings(Satellite &satellite, const SatelliteSettings &settings)
{
    checkRange(settings.switchType, -1, kSwitchTypeMax, "switch type");
    checkRange(settings.diseqc10Port, 0, kDiseqc10PortMax, "DiSEqC 1.0 port");
    checkRange(settings.diseqc11Port, 0, kDiseqc11PortMax, "DiSEqC 1.1 port");
    const std::optional<std::string> longitude =
        settings.longitude ? std::optional(normalizedLongitude(*settings.longitude)) : std::nullopt;
    const auto longitudeField = longitude ? longitudeBcd(*longitude) : satellite.usalsLongitude;
    const std::string name = settings.name.substr(0, kNameCapacity);

    SatelliteRowTexts &texts = satellite.rowTexts;
    texts.name = name;
    satellite.name.fill(0);
    satellite.nameLen = std::uint8_t(name.size());
    std::copy(name.begin(), name.end(), satellite.name.begin());

    satellite.lnbLow = settings.lnbLow;
    satellite.lnbHigh = settings.lnbHigh;
    texts.lnbType = lnbTypeText(settings.lnbLow);

    satellite.lnbFlags = lnbFlagsOf(settings);
    texts.power12v = settings.power12v ? "+" : "-";
    texts.switchType = settings.switchType >= 0 ? switchTypeText(settings.switchType) : "";

    satellite.diseqcPorts = std::uint8_t(settings.diseqc10Port | (settings.diseqc11Port << kDiseqc11Shift));
    texts.diseqc10 = diseqc10Text(settings.diseqc10Port);
    texts.diseqc11 = diseqc11Text(settings.diseqc11Port);

    texts.hemisphere = settings.west ? "W" : "E";
    if (longitude) {
        texts.longitude = *longitude;
        satellite.usalsLongitude = longitudeField;
    }
}

} // namespace k510
