// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReferenceCsv.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "Conversions.h"
#include "CsvExport.h"
#include "TextCodec.h"

namespace k510 {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr const char *kNotAChannelList
    = "Файл не является списком каналов, записанным экспортом в CSV: первая строка не заголовок списка";

struct Record {
    int line = 0;   // where it begins in the file, 1-based
    std::vector<std::string> cells;
};

struct Records {
    std::vector<Record> records;
    std::string error;
};

// A cell as an error message quotes it: long ones cut, never inside a
// UTF-8 sequence.
std::string quoted(std::string_view cell)
{
    constexpr std::size_t kShown = 40;
    if (cell.size() <= kShown)
        return "\"" + std::string(cell) + "\"";
    std::size_t cut = kShown;
    while (cut > 0 && (std::uint8_t(cell[cut]) & 0xC0) == 0x80)
        --cut;
    return "\"" + std::string(cell.substr(0, cut)) + "…\"";
}

std::string atLine(int line) { return "Строка " + std::to_string(line) + ": "; }

// RFC 4180 records; a line end is CRLF, LF or a lone CR.
Records splitRecords(std::string_view text, char separator)
{
    Records result;
    Record record{1, {}};
    std::string cell;
    bool cellStarted = false;   // for a quote: only the first character of a cell opens one
    bool recordStarted = false;
    int line = 1;
    const auto endCell = [&] {
        record.cells.push_back(std::move(cell));
        cell.clear();
        cellStarted = false;
    };
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        recordStarted = true;
        if (c == '"' && !cellStarted) {
            const int opened = line;
            for (++i;; ++i) {
                if (i == text.size()) {
                    result.error = atLine(opened) + "кавычка не закрыта до конца файла";
                    return result;
                }
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        cell += '"';
                        ++i;
                        continue;
                    }
                    break;
                }
                if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
                    ++line;
                cell += text[i];
            }
            ++i;   // the closing quote
            if (i < text.size() && text[i] != separator && text[i] != '\r' && text[i] != '\n') {
                result.error = atLine(line) + "после закрывающей кавычки идёт текст";
                return result;
            }
            cellStarted = true;
            continue;
        }
        if (c == separator) {
            endCell();
            ++i;
            continue;
        }
        if (c == '\r' || c == '\n') {
            endCell();
            result.records.push_back(std::move(record));
            record = Record{++line, {}};
            recordStarted = false;
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            continue;
        }
        cell += c;
        cellStarted = true;
        ++i;
    }
    if (recordStarted) {   // the last row without a line end
        endCell();
        result.records.push_back(std::move(record));
    }
    return result;
}

// The separator is whatever follows the header's first cell, "№" quoted or not.
std::optional<char> separatorOf(std::string_view text)
{
    const std::string first(kChannelListCsvHeader.front());
    std::size_t after = std::string_view::npos;
    if (text.starts_with(first))
        after = first.size();
    else if (text.starts_with("\"" + first + "\""))
        after = first.size() + 2;
    if (after >= text.size())
        return std::nullopt;
    const char separator = text[after];
    if (separator != ',' && separator != ';' && separator != '\t')
        return std::nullopt;
    return separator;
}

enum class StatedKind { None, Tv, Radio };

// What kind of list a header row says the file holds, or nullopt when it is
// no header of the export.
std::optional<StatedKind> headerKind(const Record &record)
{
    const auto &cells = record.cells;
    if (cells.size() != kChannelListCsvHeader.size())
        return std::nullopt;
    for (std::size_t column = 0; column < cells.size(); ++column)
        if (column != CsvColumn::Name && cells[column] != kChannelListCsvHeader[column])
            return std::nullopt;
    const std::string &title = cells[CsvColumn::Name];
    if (title == kTvNameTitle)
        return StatedKind::Tv;
    if (title == kRadioNameTitle)
        return StatedKind::Radio;
    if (title == kChannelListCsvHeader[CsvColumn::Name])
        return StatedKind::None;
    return std::nullopt;
}

bool isBlank(const Record &record)
{
    return std::all_of(record.cells.begin(), record.cells.end(), [](const std::string &cell) { return cell.empty(); });
}

bool allOf(std::string_view text, bool (*isDigit)(char))
{
    return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

bool isDecimalDigit(char c) { return c >= '0' && c <= '9'; }
bool isHexDigit(char c) { return isDecimalDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// A name cell back in Windows-1251, without the apostrophe the export added.
std::string nameOf(std::string_view cell)
{
    if (cell.size() >= 2 && cell[0] == '\'' && kCsvFormulaLeads.find(cell[1]) != std::string_view::npos)
        cell.remove_prefix(1);
    return utf8ToWindows1251(cell);
}

// One row as a reference channel, or the reason it is no row of the export.
std::optional<ReferenceChannel> channelOf(const Record &record, std::string &error)
{
    const auto &cells = record.cells;
    if (cells.size() != kChannelListCsvHeader.size()) {
        error = atLine(record.line) + "ячеек " + std::to_string(cells.size()) + ", а в списке каналов их "
                + std::to_string(kChannelListCsvHeader.size());
        return std::nullopt;
    }
    ReferenceChannel channel;
    channel.name = nameOf(cells[CsvColumn::Name]);

    const std::string &serviceId = cells[CsvColumn::ServiceId];
    if (!allOf(serviceId, isDecimalDigit) || serviceId.size() > 5 || parseDecimal(serviceId) > 0xFFFF) {
        error = atLine(record.line) + "Service ID " + quoted(serviceId) + " не число от 0 до 65535";
        return std::nullopt;
    }
    channel.serviceId = std::uint16_t(parseDecimal(serviceId));

    // The export leaves the transponder's cells empty for a channel without one.
    const std::string &frequency = cells[CsvColumn::Frequency];
    if (frequency.empty())
        return channel;
    if (!allOf(frequency, isHexDigit) || frequency.size() > 6) {   // six BCD digits, as the pages show them
        error = atLine(record.line) + "частота " + quoted(frequency) + " не число";
        return std::nullopt;
    }
    const std::string &polarisation = cells[CsvColumn::Polarisation];
    if (polarisation != "H" && polarisation != "V") {
        error = atLine(record.line) + "поляризация " + quoted(polarisation) + " не H и не V";
        return std::nullopt;
    }
    channel.located = true;
    channel.frequencyMhz = bcdDigitsValue(std::uint32_t(parseHex(frequency)));
    channel.vertical = polarisation == "V";
    channel.satellite.name = nameOf(cells[CsvColumn::Satellite]);
    return channel;
}

// The file as UTF-8 text. A spreadsheet saves the list again in UTF-8 or
// UTF-16, each with its byte-order mark, or in the system's code page, which
// for Cyrillic is Windows-1251: text that is no UTF-8 is read as that.
std::string textOf(std::string_view file)
{
    if (file.starts_with(kByteOrderMark))
        return std::string(file.substr(kByteOrderMark.size()));
    if (file.starts_with(kUtf16LeMark) || file.starts_with(kUtf16BeMark))
        return utf16ToUtf8(file.substr(2), file.starts_with(kUtf16BeMark));
    return isUtf8(file) ? std::string(file) : windows1251ToUtf8(file);
}

} // namespace

bool startsAsChannelList(std::string_view file)
{
    if (file.starts_with(kByteOrderMark) || file.starts_with(kUtf16LeMark) || file.starts_with(kUtf16BeMark))
        return true;
    // The header's first cell, quoted or not, and its separator: in UTF-8
    // at most six bytes. No image starts so: its satellite count would be
    // far beyond what an image holds.
    const std::string_view start = file.substr(0, 6);
    return separatorOf(start).has_value() || separatorOf(windows1251ToUtf8(start)).has_value();
}

ReferenceCsvResult readReferenceCsv(std::string_view bytes, ChannelKind kind)
{
    ReferenceCsvResult result;
    const std::string text = textOf(bytes);
    const std::string_view file = text;
    const std::optional<char> separator = separatorOf(file);
    if (!separator) {
        result.error = kNotAChannelList;
        return result;
    }
    Records parsed = splitRecords(file, *separator);
    if (!parsed.error.empty()) {
        result.error = std::move(parsed.error);
        return result;
    }
    const std::optional<StatedKind> stated =
        parsed.records.empty() ? std::nullopt : headerKind(parsed.records.front());
    if (!stated) {
        result.error = kNotAChannelList;
        return result;
    }
    if (*stated != StatedKind::None && (*stated == StatedKind::Radio) != isRadio(kind)) {
        result.otherKind = true;
        return result;
    }

    ChannelReference reference;
    std::vector<ReferenceChannel> channels;
    for (auto record = parsed.records.begin() + 1; record != parsed.records.end(); ++record) {
        if (isBlank(*record))
            continue;
        auto channel = channelOf(*record, result.error);
        if (!channel)
            return result;
        const SatelliteIdentity &satellite = channel->satellite;
        if (channel->located
            && std::find(reference.satellites.begin(), reference.satellites.end(), satellite) == reference.satellites.end())
            reference.satellites.push_back(satellite);
        channels.push_back(std::move(*channel));
    }
    (isRadio(kind) ? reference.radio : reference.tv) = std::move(channels);
    result.reference = std::move(reference);
    return result;
}

} // namespace k510
