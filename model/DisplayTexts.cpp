// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayTexts.h"

#include <array>
#include <cstdio>

#include "Conversions.h"

namespace k510 {

namespace {

template <std::size_t N>
std::string textOf(const std::array<const char *, N> &texts, int code)
{
    return code >= 0 && std::size_t(code) < N ? texts[std::size_t(code)] : "";
}

bool isDecimalBcd(std::uint32_t packed, int digits)
{
    for (int shift = 0; shift < digits * 4; shift += 4)
        if (((packed >> shift) & 0xF) > 9)
            return false;
    return true;
}

constexpr int kFullCircleTenths = 3600;

} // namespace

std::string fecText(int code)
{
    static constexpr std::array<const char *, 6> texts = {"AUTO", "1/2", "2/3", "3/4", "5/6", "7/8"};
    return textOf(texts, code);
}

std::string polarisationText(int code) { return code == 0 ? "H" : "V"; }

std::string switchTypeText(int code)
{
    static constexpr std::array<const char *, 5> texts = {"-", "1.0", "1.1", "MOTOR", "USALS"};
    return textOf(texts, code);
}

std::string diseqc10Text(int port)
{
    static constexpr std::array<const char *, 5> texts = {"-", "A", "B", "C", "D"};
    return textOf(texts, port);
}

std::string diseqc11Text(int port) { return port == 0 ? "-" : std::to_string(port); }

std::string lnbTypeText(const Bcd4 &lnbLow)
{
    const std::uint32_t packed = bcdValue(lnbLow);
    if (packed == 0)
        return "Single";
    return int(bcdDigitsValue(packed)) >= 9000 ? "Universal" : "OCS";
}

std::optional<std::string> storedLongitudeText(const std::array<std::uint8_t, 3> &longitude)
{
    const std::uint32_t packed = (std::uint32_t(longitude[0]) << 16) | (std::uint32_t(longitude[1]) << 8) | longitude[2];
    if (!isDecimalBcd(packed, 6)) {
        char text[9];
        std::snprintf(text, sizeof text, "%02X %02X %02X", longitude[0], longitude[1], longitude[2]);
        return text;
    }
    const int value = int(bcdDigitsValue(packed));
    if (value < kFullCircleTenths)
        return std::nullopt;
    return std::to_string(value / 10) + "," + std::to_string(value % 10);
}

SatelliteRowTexts makeRowTexts(const Satellite &s)
{
    SatelliteRowTexts texts;
    texts.number = std::to_string(s.satNumber);
    texts.name = s.nameText();
    texts.lnbType = lnbTypeText(s.lnbLow);
    texts.power12v = (s.lnbFlags & LnbFlag::Power12V) ? "+" : "-";
    texts.switchType = switchTypeText(s.switchTypeCode());
    texts.diseqc10 = diseqc10Text(s.diseqc10Port());
    texts.diseqc11 = diseqc11Text(s.diseqc11Port());

    const bool west = s.lnbFlags & LnbFlag::West;
    if (auto stored = storedLongitudeText(s.usalsLongitude)) {
        texts.longitude = std::move(*stored);
        texts.hemisphere = west ? "W" : "E";
        return texts;
    }
    // Longitudes above 180.0° are shown mirrored into the other hemisphere.
    const std::uint32_t packed = (std::uint32_t(s.usalsLongitude[0]) << 16)
                                 | (std::uint32_t(s.usalsLongitude[1]) << 8) | s.usalsLongitude[2];
    const int value = int(bcdDigitsValue(packed));
    const int degrees = value / 10;
    const int tenths = value % 10;
    if (degrees <= 180) {
        texts.longitude = std::to_string(degrees) + "," + std::to_string(tenths);
        texts.hemisphere = west ? "W" : "E";
    } else {
        texts.longitude = tenths != 0 ? std::to_string(359 - degrees) + "," + std::to_string(10 - tenths)
                                      : std::to_string(360 - degrees) + ",0";
        texts.hemisphere = west ? "E" : "W";
    }
    return texts;
}

} // namespace k510
