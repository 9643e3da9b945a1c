// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "Records.h"

// Number texts of the editor: packed-BCD fields shown as hexadecimal digits,
// and the decimal texts typed into rows and dialogs.

namespace k510 {

// A text that should have held a number; the message is the one users see.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(std::string_view text);
};

// The first three bytes of a BCD field as one big-endian number.
[[nodiscard]] std::uint32_t bcdValue(const Bcd4 &field);
// A BCD field as text: its three bytes in hexadecimal, lower case, no leading
// zeros ("0" for zero). For valid BCD this is the decimal value.
[[nodiscard]] std::string bcdText(const Bcd4 &field);
// Packed BCD digits (six nibbles) as the decimal number they spell. A nibble
// above 9 simply counts as its value, so a damaged field still gives a number.
[[nodiscard]] std::uint32_t bcdDigitsValue(std::uint32_t packed);
// A decimal text stored as BCD: read as hexadecimal into three bytes, the
// fourth byte zero. Throws ConversionError for a text that is not a number or
// does not fit.
[[nodiscard]] Bcd4 bcdFromText(std::string_view decimalText);

// A packed-BCD longitude as tenths of a degree; nothing when one of its
// nibbles is no decimal digit.
[[nodiscard]] std::optional<int> longitudeTenths(const Longitude &longitude);
// Tenths of a degree, 0..999999, as a packed-BCD longitude.
[[nodiscard]] Longitude longitudeOfTenths(int tenths);

// Strict integer parsing: optional sign, then digits, nothing else.
[[nodiscard]] long long parseDecimal(std::string_view text);
[[nodiscard]] long long parseHex(std::string_view text);

} // namespace k510
