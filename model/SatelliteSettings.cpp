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

    // Every value is set anew; the bits carried from the image go.
    satellite = Satellite{
        .number = satellite.number,
        .name = settings.name.substr(0, kNameCapacity),
        .lnbHigh = settings.lnbHigh,
        .lnbLow = settings.lnbLow,
        .lnbp = settings.lnbp,
        .power12v = settings.power12v,
        .tone22k = settings.tone22k,
        .switchType = settings.switchType,
        .diseqc10Port = settings.diseqc10Port,
        .diseqc11Port = settings.diseqc11Port,
        .west = settings.west,
        .usalsLongitude = longitude,
        .carriedFlagBits = 0,
        .transponderIndices = std::move(satellite.transponderIndices),
    };
}

} // namespace k510
