// SPDX-License-Identifier: GPL-3.0-or-later
#include "SatelliteSettings.h"

#include <algorithm>
#include <stdexcept>

#include "EditConversions.h"

namespace k510 {

namespace {

constexpr int kSwitchTypeMax = 4;
constexpr int kDiseqc10PortMax = 4;
constexpr int kDiseqc11PortMax = 16;

void checkRange(int value, int lowest, int highest, const char *what)
{
    if (value < lowest || value > highest)
        throw std::invalid_argument(std::string("satellite settings: ") + what + " out of range");
}

// "19,2" -> 00 01 92: the digits without the comma as packed BCD.
Longitude longitudeBcd(const std::string &normalized)
{
    std::string digits = normalized;
    std::erase(digits, ',');
    const Bcd4 field = bcdFromDecimalDigits(digits);
    return {field[0], field[1], field[2]};
}

} // namespace

void applySatelliteSettings(Satellite &satellite, const SatelliteSettings &settings)
{
    checkRange(settings.switchType, kSwitchTypeNotChosen, kSwitchTypeMax, "switch type");
    checkRange(settings.diseqc10Port, 0, kDiseqc10PortMax, "DiSEqC 1.0 port");
    checkRange(settings.diseqc11Port, 0, kDiseqc11PortMax, "DiSEqC 1.1 port");
    const Longitude longitude = settings.longitude ? longitudeBcd(normalizedLongitude(*settings.longitude))
                                                   : satellite.usalsLongitude;

    satellite.name = settings.name.substr(0, kNameCapacity);
    satellite.lnbLow = settings.lnbLow;
    satellite.lnbHigh = settings.lnbHigh;
    satellite.lnbp = settings.lnbp;
    satellite.power12v = settings.power12v;
    satellite.tone22k = settings.tone22k;
    satellite.switchType = settings.switchType;
    satellite.diseqc10Port = settings.diseqc10Port;
    satellite.diseqc11Port = settings.diseqc11Port;
    satellite.west = settings.west;
    satellite.usalsLongitude = longitude;
    satellite.carriedFlagBits = 0;
}

} // namespace k510
