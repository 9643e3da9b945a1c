// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A satellites.xml transponder list as plain values: what its reader
// (lists/SatellitesXml.h) understood, and every entry it could not use,
// named with its line so that nothing vanishes unnoticed.

namespace k510 {

namespace ListPolarisation {
constexpr int Horizontal = 0;
constexpr int Vertical = 1;
constexpr int CircularLeft = 2;
constexpr int CircularRight = 3;
}

namespace ListSystem {
constexpr int DvbS = 0;
constexpr int DvbS2 = 1;
}

struct ListTransponder {
    int line = 0;
    std::uint32_t frequencyKhz = 0;
    std::uint32_t symbolRate = 0;   // symbols per second
    int polarisation = ListPolarisation::Horizontal;
    int fecInner = 0;               // the list's code; 0..5 are the receiver's as well
    int system = ListSystem::DvbS;

    bool operator==(const ListTransponder &) const = default;
};

// An element the reader met but could not use: "строка 12: транспондер без частоты".
struct UnusableEntry {
    int line = 0;
    std::string reason;   // UTF-8, without the line

    [[nodiscard]] std::string text() const { return "строка " + std::to_string(line) + ": " + reason; }
    bool operator==(const UnusableEntry &) const = default;
};

struct ListSatellite {
    int line = 0;
    std::string name;   // UTF-8
    int position = 0;   // tenths of a degree, east positive, west negative
    std::vector<ListTransponder> transponders;
    std::vector<UnusableEntry> unusable;   // entries inside this satellite
};

struct SatellitesList {
    std::vector<ListSatellite> satellites;
    std::vector<UnusableEntry> unusable;   // entries outside any usable satellite
    // Why the file was refused as a whole (not XML, no <satellites>); empty when read.
    std::string error;

    [[nodiscard]] bool ok() const { return error.empty(); }
};

} // namespace k510
