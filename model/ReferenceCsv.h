// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ChannelIdentity.h"

namespace k510 {

struct ReferenceCsvResult {
    std::optional<ChannelReference> reference;
    std::string error;   // why the file was refused, in Russian (UTF-8); empty when read
    // Refused because its header says it holds the other kind of list than
    // the one asked for (error stays empty: where each list belongs is the
    // caller's to say).
    bool otherKind = false;

    [[nodiscard]] bool ok() const { return reference.has_value(); }
};

// A channel list as the editor exports it (CsvExport.h), read back as a
// reference: its rows in file order, so rows rearranged in a spreadsheet give
// that order. The caller tells the kind it wants: the reference holds a TV
// list (radio list) and nothing else, no positions of satellites and no
// favourite groups. A header that names the other kind refuses the file
// (otherKind); one that names none, as lists exported before the header
// said the kind, is taken as the kind asked for.
//
// Taken as the export writes it and as spreadsheets save it again: UTF-8
// with or without byte-order mark, UTF-16 with one, or Windows-1251 (a file
// that is no UTF-8); separator ",", ";" or tab, whichever follows the header's
// first cell; RFC 4180 quoting; CRLF, LF or CR line ends; rows with no text
// at all skipped; the apostrophe the export puts before a name that starts
// like a formula taken off again. Only the name, satellite, frequency,
// polarisation and service ID cells are used. Refused: a first row that is
// not the export's header, a row without exactly its 14 cells, a frequency
// that is not the export's number, a service ID outside 0..65535, a
// polarisation other than "H" or "V", a quote left open.
[[nodiscard]] ReferenceCsvResult readReferenceCsv(std::string_view file, ChannelKind kind);

// Whether a file opens as a channel list does: with a byte-order mark, or
// with the header's first cell and a separator, in any of the encodings
// above. Decides between a list and an image by content, since a list can
// have an image's size.
[[nodiscard]] bool startsAsChannelList(std::string_view file);

} // namespace k510
