// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextCodec.h"

#include <array>

namespace k510 {

namespace {

// Code points of Windows-1251 bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F.
// 0x98 has no character of its own and keeps its C1 code point, so every
// byte maps to a distinct code point and back.
constexpr std::array<char16_t, 64> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

char32_t codePointOf(std::uint8_t byte)
{
    if (byte < 0x80)
        return byte;
    if (byte >= 0xC0)
        return 0x0410 + (byte - 0xC0);
    return kHighHalf[byte - 0x80];
}

char byteOf(char32_t cp)
{
    if (cp < 0x80)
        return char(cp);
    if (cp >= 0x0410 && cp <= 0x044F)
        return char(0xC0 + (cp - 0x0410));
    for (std::size_t i = 0; i < kHighHalf.size(); ++i)
        if (kHighHalf[i] == cp)
            return char(0x80 + i);
    return '?';
}

void appendUtf8(std::string &out, char32_t cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

// The length of the UTF-8 sequence a lead byte opens, 0 for no lead byte.
int sequenceLength(std::uint8_t lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return lead >= 0xC2 ? 2 : 0;   // C0 and C1 would be overlong
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return lead <= 0xF4 ? 4 : 0;
    return 0;
}

} // namespace

char32_t windows1251CodePoint(std::uint8_t byte)
{
    return codePointOf(byte);
}

void imageToDisplay(std::span<std::uint8_t> bytes)
{
    for (auto &b : bytes)
        if (b >= 0xB0 && b <= 0xEF)
            b = std::uint8_t(b + 0x10);
}

void displayToImage(std::span<std::uint8_t> bytes)
{
    for (auto &b : bytes)
        if (b >= 0xC0)
            b = std::uint8_t(b - 0x10);
}

std::string windows1251ToUtf8(std::string_view windows1251)
{
    std::string out;
    out.reserve(windows1251.size() * 2);
    for (char c : windows1251)
        appendUtf8(out, codePointOf(std::uint8_t(c)));
    return out;
}

std::string utf8ToWindows1251(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = std::uint8_t(utf8[i]);
        int extra = 0;
        char32_t cp = 0;
        if (lead < 0x80) {
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            cp = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            cp = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            cp = lead & 0x07;
        } else {
            out += '?';
            ++i;
            continue;
        }
        bool valid = true;
        for (int k = 1; valid && k <= extra; ++k) {
            if (i + k >= utf8.size() || (std::uint8_t(utf8[i + k]) & 0xC0) != 0x80)
                valid = false;
            else
                cp = (cp << 6) | (std::uint8_t(utf8[i + k]) & 0x3F);
        }
        if (!valid) {
            out += '?';
            ++i;
            continue;
        }
        out += byteOf(cp);
        i += std::size_t(extra) + 1;
    }
    return out;
}

bool isUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const int length = sequenceLength(std::uint8_t(text[i]));
        if (length == 0 || i + std::size_t(length) > text.size())
            return false;
        for (int k = 1; k < length; ++k)
            if ((std::uint8_t(text[i + std::size_t(k)]) & 0xC0) != 0x80)
                return false;
        i += std::size_t(length);
    }
    return true;
}

std::string utf16ToUtf8(std::string_view utf16, bool bigEndian)
{
    const auto unitAt = [&](std::size_t i) {
        const auto first = std::uint8_t(utf16[i]), second = std::uint8_t(utf16[i + 1]);
        return char32_t(bigEndian ? (first << 8) | second : (second << 8) | first);
    };
    constexpr char32_t kReplacement = 0xFFFD;
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i + 1 < utf16.size(); i += 2) {
        const char32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < utf16.size()) {
            const char32_t low = unitAt(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        appendUtf8(out, unit >= 0xD800 && unit <= 0xDFFF ? kReplacement : unit);
    }
    return out;
}

} // namespace k510
