// SPDX-License-Identifier: GPL-3.0-or-later
#include "Conversions.h"

#include <cstdio>

namespace k510 {

namespace {

long long parseInBase(std::string_view text, int base)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    if (i == text.size())
        throw ConversionError(text);
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0)
            throw ConversionError(text);
        value = value * base + digit;
        if (value > 0xFFFFFFFFLL)   // the widest field of the editor is 32 bits
            throw ConversionError(text);
    }
    return negative ? -value : value;
}

std::string hexText(std::uint32_t value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%x", value);
    return buffer;
}

} // namespace

ConversionError::ConversionError(std::string_view text)
    : std::runtime_error("'" + std::string(text) + "' is not a valid integer value")
{
}

std::uint32_t bcdValue(const Bcd4 &field)
{
    return (std::uint32_t(field[0]) << 16) | (std::uint32_t(field[1]) << 8) | field[2];
}

std::string bcdText(const Bcd4 &field) { return hexText(bcdValue(field)); }

std::uint32_t bcdDigitsValue(std::uint32_t packed)
{
    std::uint32_t value = 0;
    for (int shift = 20; shift >= 0; shift -= 4)
        value = value * 10 + ((packed >> shift) & 0xF);
    return value;
}

Bcd4 bcdFromText(std::string_view decimalText)
{
    const long long value = parseHex(decimalText);
    if (value < 0 || value > 0xFFFFFF)
        throw ConversionError(decimalText);
    return {std::uint8_t(value >> 16), std::uint8_t(value >> 8), std::uint8_t(value), 0};
}

std::optional<int> longitudeTenths(const Longitude &longitude)
{
    int tenths = 0;
    for (const std::uint8_t byte : longitude) {
        if ((byte >> 4) > 9 || (byte & 0xF) > 9)
            return std::nullopt;
        tenths = tenths * 100 + (byte >> 4) * 10 + (byte & 0xF);
    }
    return tenths;
}

Longitude longitudeOfTenths(int tenths)
{
    Longitude out{};
    for (auto byte = out.rbegin(); byte != out.rend(); ++byte, tenths /= 100)
        *byte = std::uint8_t((tenths / 10 % 10) << 4 | tenths % 10);
    return out;
}

long long parseDecimal(std::string_view text) { return parseInBase(text, 10); }
long long parseHex(std::string_view text) { return parseInBase(text, 16); }

} // namespace k510
