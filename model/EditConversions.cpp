// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditConversions.h"

#include <algorithm>

#include "TextCodec.h"

namespace k510 {

namespace {

constexpr std::size_t kBcdDigits = 6;
constexpr unsigned kChannelNumberMax = 0xFFFF;
constexpr std::string_view kChannelNumberRange = "0..65535";
constexpr std::size_t kLongitudeDegreeDigits = 3;
constexpr int kLongitudeDegreesMax = 359;
constexpr std::string_view kLongitudeRange = "0,0..359,9";
constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";   // U+FFFD

bool isDecimalDigit(char c) { return c >= '0' && c <= '9'; }

int digitValue(char c, int base)
{
    if (isDecimalDigit(c))
        return c - '0';
    if (base == 16 && c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (base == 16 && c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool startsWith(std::string_view text, std::size_t at, std::string_view prefix)
{
    return text.substr(at, prefix.size()) == prefix;
}

// The length of the well-formed UTF-8 sequence at the start of text, or 0
// when it is not one (stray continuation byte, overlong form, surrogate,
// code point beyond U+10FFFF, cut-off sequence).
std::size_t utf8SequenceLength(std::string_view text)
{
    const auto byte = [&text](std::size_t k) { return std::uint8_t(text[k]); };
    const std::uint8_t lead = byte(0);
    std::size_t length = 0;
    std::uint8_t secondLow = 0x80, secondHigh = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            secondLow = 0xA0;
        if (lead == 0xED)
            secondHigh = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            secondLow = 0x90;
        if (lead == 0xF4)
            secondHigh = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < secondLow || byte(1) > secondHigh)
        return 0;
    for (std::size_t k = 2; k < length; ++k)
        if ((byte(k) & 0xC0) != 0x80)
            return 0;
    return length;
}

// A run of digits without leading zeros; "0" when nothing remains.
std::string withoutLeadingZeros(const std::string &digits)
{
    const auto first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

} // namespace

RangeError::RangeError(std::string_view text, std::string_view allowedRange)
    : std::runtime_error("Значение '" + std::string(text) + "' вне допустимого диапазона " + std::string(allowedRange)),
      m_allowedRange(allowedRange)
{
}

NameError::NameError(std::string_view utf8Character)
    : std::runtime_error("Символ «" + std::string(utf8Character) + "» не поддерживается ресивером")
{
}

Bcd4 bcdFromDecimalDigits(std::string_view text, std::string_view shownPrefix)
{
    if (text.empty() || text.size() > kBcdDigits || !std::all_of(text.begin(), text.end(), isDecimalDigit))
        throw ConversionError(std::string(shownPrefix) + std::string(text));
    std::uint32_t packed = 0;
    for (char c : text)
        packed = (packed << 4) | std::uint32_t(c - '0');
    return {std::uint8_t(packed >> 16), std::uint8_t(packed >> 8), std::uint8_t(packed), 0};
}

std::uint16_t channelNumberFromText(std::string_view text)
{
    std::size_t at = text.find_first_not_of(' ');
    if (at == std::string_view::npos)
        throw ConversionError(text);
    bool negative = false;
    if (text[at] == '+' || text[at] == '-')
        negative = text[at++] == '-';
    int base = 10;
    if (startsWith(text, at, "0x") || startsWith(text, at, "0X")) {
        base = 16;
        at += 2;
    } else if (startsWith(text, at, "$") || startsWith(text, at, "x") || startsWith(text, at, "X")) {
        base = 16;
        at += 1;
    }
    if (at == text.size())
        throw ConversionError(text);

    // The value stops growing once it is out of range, so any number of
    // digits is read without overflow; the form is still checked to the end.
    unsigned value = 0;
    bool tooLarge = false;
    for (; at < text.size(); ++at) {
        const int digit = digitValue(text[at], base);
        if (digit < 0)
            throw ConversionError(text);
        if (!tooLarge) {
            value = value * unsigned(base) + unsigned(digit);
            tooLarge = value > kChannelNumberMax;
        }
    }
    if (tooLarge || (negative && value != 0))
        throw RangeError(text, kChannelNumberRange);
    return std::uint16_t(value);
}

bool receiverShowsAsTyped(char windows1251)
{
    const auto byte = std::uint8_t(windows1251);
    return (byte >= 0x20 && byte <= 0x7E) || byte >= 0xC0;
}

std::optional<std::string> utf8ToWindows1251Exactly(std::string_view utf8, std::string *missing)
{
    const auto refuse = [missing](std::string_view character) {
        if (missing)
            *missing = std::string(character);
        return std::nullopt;
    };
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t length = utf8SequenceLength(utf8.substr(at));
        if (length == 0)
            return refuse(kReplacementCharacter);
        const std::string_view character = utf8.substr(at, length);
        // The codec turns what Windows-1251 lacks into '?', so a character
        // is kept only when it converts to one byte that reads back as itself.
        const std::string converted = utf8ToWindows1251(character);
        if (converted.size() != 1 || windows1251ToUtf8(converted) != character
            || !receiverShowsAsTyped(converted[0]))
            return refuse(character);
        out += converted;
        at += length;
    }
    return out;
}

std::string nameToWindows1251(std::string_view utf8)
{
    std::string missing;
    std::optional<std::string> converted = utf8ToWindows1251Exactly(utf8, &missing);
    if (!converted)
        throw NameError(missing);
    return std::move(*converted);
}

std::string normalizedLongitude(std::string_view typed)
{
    std::string degrees, tenths;
    int commas = 0;
    for (char c : typed) {
        const auto byte = std::uint8_t(c);
        if (c == ' ' || byte < 0x20 || byte == 0x7F)
            continue;
        if (c == ',')
            ++commas;
        else if (isDecimalDigit(c))
            (commas == 0 ? degrees : tenths) += c;
        else
            throw ConversionError(typed);
    }
    if (commas != 1 || degrees.size() > kLongitudeDegreeDigits || tenths.size() > 1)
        throw ConversionError(typed);
    degrees = withoutLeadingZeros(degrees);
    if (std::stoi(degrees) > kLongitudeDegreesMax)
        throw RangeError(typed, kLongitudeRange);
    return degrees + "," + (tenths.empty() ? "0" : tenths);
}

} // namespace k510
