// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "ChannelDatabase.h"

namespace k510 {

// The header row of the exported list, and the columns a reader of it needs.
// The name column's title says which list the file holds (kTvNameTitle,
// kRadioNameTitle); lists written before it did so say "Название" there.
inline constexpr std::array<std::string_view, 14> kChannelListCsvHeader = {
    "№", "Название", "Спутник", "Частота", "Поляризация", "Скорость", "FEC",
    "Service ID", "PMT PID", "Video PID", "Audio PID", "PCR PID", "Закодирован", "Блок.",
};
inline constexpr std::string_view kTvNameTitle = "ТВ-канал";
inline constexpr std::string_view kRadioNameTitle = "Радиоканал";
namespace CsvColumn {
inline constexpr std::size_t Name = 1;
inline constexpr std::size_t Satellite = 2;
inline constexpr std::size_t Frequency = 3;
inline constexpr std::size_t Polarisation = 4;
inline constexpr std::size_t ServiceId = 7;
}
// A name cell beginning with one of these gets an apostrophe in front.
inline constexpr std::string_view kCsvFormulaLeads = "=+-@\t\r";

// The TV (radio) channel list in the user's order as a CSV file, for
// spreadsheets: the bytes of the whole file, the same whether the window or
// k510-tool writes it.
//
// UTF-8 with a byte-order mark (without one, spreadsheet programs read the
// Cyrillic names in the local code page), then RFC 4180 records ending in
// CRLF, their fields parted by separator: "," or, for spreadsheets set up
// for a language that writes decimals with a comma, ";" (or a tab). The
// cells are the same whichever it is; a cell holding the separator is quoted.
// A header row, then one row per entry of tvOrder (radioOrder):
//   "№"            the entry's position in the order list, 1-based; entries
//                  that name no channel are left out, the others keep their
//                  positions so the numbers match the pages
//   "ТВ-канал"     the name; titled "Радиоканал" in a radio list, so the
//                  file says which list it is
//   "Спутник"      the satellite's name; empty when transponder or satellite
//                  is missing, as are all transponder columns
//                  (both names: a leading "=", "+", "-", "@", tab or CR gets
//                  an apostrophe, so a spreadsheet shows the name as text;
//                  other control bytes are written as U+FFFD)
//   "Частота"      frequency as the pages show it ("11766")
//   "Поляризация"  "H" / "V"
//   "Скорость"     symbol rate ("27500")
//   "FEC"          "AUTO", "1/2" .. "7/8"; empty for an unknown code
//   "Service ID", "PMT PID", "Video PID", "Audio PID", "PCR PID"   decimal
//   "Закодирован", "Блок."   "да" / "нет"
[[nodiscard]] std::string channelListCsv(const ChannelDatabase &db, ChannelKind kind, char separator = ',');

inline constexpr std::array<std::string_view, 5> kTransponderListCsvHeader = {
    "Спутник", "Поляризация", "Частота", "Скорость", "FEC",
};

// The transponder list as a CSV file of the same form: every transponder in
// the database's order, or only those of the satellite with that index, in
// the order the satellite lists them (as the transponder page shows them).
// The cells are those of the channel list's same columns.
[[nodiscard]] std::string transponderListCsv(const ChannelDatabase &db, std::optional<std::size_t> satellite,
                                             char separator = ',');

} // namespace k510
