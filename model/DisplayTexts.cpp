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

std::optional<std::string> storedLongitudeText(const Longitude &longitude)
{
    const std::optional<int> tenths = longitudeTenths(longitude);
    if (!tenths) {
        char text[9];
        std::snprintf(text, sizeof text, "%02X %02X %02X", longitude[0], longitude[1], longitude[2]);
        return text;
    }
    if (*tenths < kFullCircleTenths)
        return std::nullopt;
    return std::to_string(*tenths / 10) + "," + std::to_string(*tenths % 10);
}

std::string longitudeText(const Longitude &longitude)
{
    if (auto stored = storedLongitudeText(longitude))
        return std::move(*stored);
    const int tenths = *longitudeTenths(longitude);
    return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10);
}

SatelliteRowTexts rowTextsOf(const Satellite &s)
{
    return {
        .number = std::to_string(s.number),
        .name = s.name,
        .lnbType = lnbTypeText(s.lnbLow),
        .power12v = s.power12v ? "+" : "-",
        .switchType = switchTypeText(s.switchType),
        .diseqc10 = diseqc10Text(s.diseqc10Port),
        .diseqc11 = diseqc11Text(s.diseqc11Port),
        .hemisphere = s.west ? "W" : "E",
        .longitude = longitudeText(s.usalsLongitude),
    };
}

} // namespace k510
