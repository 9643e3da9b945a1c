// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvExport.h"

#include <algorithm>
#include <span>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "Conversions.h"
#include "DisplayTexts.h"
#include "TextCodec.h"

namespace k510 {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
using Row = std::array<std::string, kChannelListCsvHeader.size()>;
using TransponderRow = std::array<std::string, kTransponderListCsvHeader.size()>;

template <std::size_t N>
std::array<std::string, N> headerRow(const std::array<std::string_view, N> &titles)
{
    std::array<std::string, N> row;
    std::copy(titles.begin(), titles.end(), row.begin());
    return row;
}

// RFC 4180: a field holding the separator, a quote or a line break is
// quoted, its quotes doubled; any other field goes as it is.
void appendField(std::string &out, std::string_view field, char separator)
{
    const char specials[] = {separator, '"', '\r', '\n'};
    if (field.find_first_of(std::string_view(specials, sizeof specials)) == std::string_view::npos) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void appendRow(std::string &out, std::span<const std::string> row, char separator)
{
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (i > 0)
            out += separator;
        appendField(out, row[i], separator);
    }
    out += "\r\n";
}

// Words rather than the pages' "+"/"-": a spreadsheet may take a cell
// starting with a sign for a formula.
std::string yesNo(bool value) { return value ? "да" : "нет"; }

// Bytes a damaged image may hold that no name should show: control bytes
// other than tab and line breaks, and Windows-1251's unassigned 0x98.
bool isControlByte(std::uint8_t byte)
{
    return (byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\n') || byte == 0x7F || byte == 0x98;
}

// A name from the database as a cell a spreadsheet shows as text and never
// runs: control bytes become U+FFFD, and a cell beginning like a formula or
// a signed number ("=", "+", "-", "@", tab or CR) gets the apostrophe that
// spreadsheets take for "text follows". So "+7 ТВ" and "-" stay as they are
// rather than turning into 7 or an error.
std::string textCell(std::string_view windows1251)
{
    constexpr std::string_view kReplacement = "\xEF\xBF\xBD";   // U+FFFD in UTF-8
    std::string cell;
    for (const char c : windows1251)
        cell += isControlByte(std::uint8_t(c)) ? std::string(kReplacement) : windows1251ToUtf8({&c, 1});
    if (!cell.empty() && kCsvFormulaLeads.find(cell.front()) != std::string_view::npos)
        cell.insert(0, 1, '\'');
    return cell;
}

// In the order of kHeader.
Row channelRow(const ChannelDatabase &db, const Channel &channel, int position)
{
    const Transponder *tp = db.transponderOf(channel);
    const Satellite *satellite = tp ? db.satelliteOf(*tp) : nullptr;
    return {
        std::to_string(position),
        textCell(channel.nameText()),
        satellite ? textCell(satellite->name) : std::string(),
        tp ? bcdText(tp->frequency) : std::string(),
        tp ? polarisationText(tp->polarisation) : std::string(),
        tp ? bcdText(tp->symbolRate) : std::string(),
        tp ? fecText(tp->fec) : std::string(),
        std::to_string(channel.serviceId),
        std::to_string(channel.pmtPid),
        std::to_string(channel.videoPid),
        std::to_string(channel.audioPid),
        std::to_string(channel.pcrPid),
        yesNo(channel.isScrambled()),
        yesNo(channel.isLocked()),
    };
}

// In the order of kTransponderListCsvHeader.
TransponderRow transponderRow(const ChannelDatabase &db, const Transponder &tp)
{
    const Satellite *satellite = db.satelliteOf(tp);
    return {
        satellite ? textCell(satellite->name) : std::string(),
        polarisationText(tp.polarisation),
        bcdText(tp.frequency),
        bcdText(tp.symbolRate),
        fecText(tp.fec),
    };
}

} // namespace

std::string transponderListCsv(const ChannelDatabase &db, std::optional<std::size_t> satellite, char separator)
{
    std::string out(kByteOrderMark);
    appendRow(out, headerRow(kTransponderListCsvHeader), separator);
    if (!satellite) {
        for (const Transponder &tp : db.transponders)
            appendRow(out, transponderRow(db, tp), separator);
        return out;
    }
    if (*satellite >= db.satellites.size())
        return out;
    for (const int index : db.satellites[*satellite].transponderIndices)
        if (index >= 0 && std::size_t(index) < db.transponders.size())
            appendRow(out, transponderRow(db, db.transponders[std::size_t(index)]), separator);
    return out;
}

std::string channelListCsv(const ChannelDatabase &db, ChannelKind kind, char separator)
{
    std::string out(kByteOrderMark);
    Row header = headerRow(kChannelListCsvHeader);
    header[CsvColumn::Name] = isRadio(kind) ? kRadioNameTitle : kTvNameTitle;
    appendRow(out, header, separator);
    const std::size_t entries = db.order(kind).size();
    for (std::size_t position = 0; position < entries; ++position) {
        const int index = db.channelIndexAtPlace(kind, int(position));
        if (const Channel *channel = db.channelAt(index))
            appendRow(out, channelRow(db, *channel, int(position) + 1), separator);
    }
    return out;
}

} // namespace k510
