// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
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

// Why a file was refused as a whole, and where the reader stopped.
enum class ListFault {
    Empty,           // nothing but blanks
    Malformed,       // not well-formed XML
    CutOff,          // the document ends before the list does
    AfterTheList,    // more follows the closing </satellites>, such as a second document
    WrongRoot,       // well-formed, but its root is not <satellites>
};

struct ListRefusal {
    ListFault fault = ListFault::Malformed;
    int line = 0;
    int column = 0;
    std::string root;   // the root element's name, for WrongRoot

    bool operator==(const ListRefusal &) const = default;
};

// "Файл не является списком satellites.xml: строка 4538, столбец 6: ..."
[[nodiscard]] std::string refusalText(const ListRefusal &refusal);
// "строка 821: байты не в кодировке UTF-8 заменены знаком «\uFFFD»"
[[nodiscard]] std::string replacedBytesText(int line);

struct SatellitesList {
    std::vector<ListSatellite> satellites;
    std::vector<UnusableEntry> unusable;   // entries outside any usable satellite
    // Lines of a UTF-8 list holding bytes that are no UTF-8: each was read
    // with those bytes replaced by U+FFFD, so only the names they stand in suffer.
    std::vector<int> replacedBytesLines;
    std::optional<ListRefusal> refusal;    // set when the file was refused whole

    [[nodiscard]] bool ok() const { return !refusal.has_value(); }
};

// The list's satellite at that position (tenths of a degree, east
// positive), the first of several; -1 when it has none.
[[nodiscard]] int listSatelliteAt(const SatellitesList &list, int position);

} // namespace k510
