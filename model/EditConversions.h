// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "Conversions.h"
#include "Records.h"

// The texts of the editing dialogs turned into model values. An editing
// command converts every text of its dialog with these before it changes the
// database, so a refused text leaves the database as it was.

namespace k510 {

// A number that reads correctly but does not fit its field.
class RangeError : public std::runtime_error {
public:
    // allowedRange is shown as it is, e.g. "0..65535".
    RangeError(std::string_view text, std::string_view allowedRange);
    [[nodiscard]] const std::string &allowedRange() const { return m_allowedRange; }

private:
    std::string m_allowedRange;
};

// A name holding a character the receiver cannot show.
class NameError : public std::runtime_error {
public:
    explicit NameError(std::string_view utf8Character);
};

// A frequency or symbol rate typed in decimal: 1 to 6 digits and nothing
// else, stored as packed BCD with the fourth byte 0 ("9750" -> 00 97 50 00).
// Throws ConversionError showing shownPrefix + text.
[[nodiscard]] Bcd4 bcdFromDecimalDigits(std::string_view text, std::string_view shownPrefix = {});

// A service ID or PID: leading spaces, an optional sign, then decimal digits
// or hexadecimal digits after "$", "x" or "0x". Throws ConversionError for
// another form and RangeError for a value outside 0..65535.
[[nodiscard]] std::uint16_t channelNumberFromText(std::string_view text);

// Whether the receiver shows a Windows-1251 byte as the same character: its
// own set agrees with Windows-1251 only on printable ASCII and the letters
// А..я (0x80..0xBF are other signs there, "Ё" at 0xA8 is "Ј").
[[nodiscard]] bool receiverShowsAsTyped(char windows1251);

// A name in UTF-8 as Windows-1251 bytes the receiver shows as typed, or
// nothing at the first character that has no such byte ("Ё", "«", "–", "№",
// a tab; U+FFFD for bytes that are no UTF-8): that character, in UTF-8, goes
// to *missing when missing is given. The name field checks each keystroke
// with it.
[[nodiscard]] std::optional<std::string> utf8ToWindows1251Exactly(std::string_view utf8, std::string *missing = nullptr);

// The same for a name typed in a dialog: NameError names the first character
// refused. Nothing is cut here: the record setters keep the first 16 bytes,
// which in a single-byte character set always ends on a character boundary.
[[nodiscard]] std::string nameToWindows1251(std::string_view utf8);

// The USALS longitude as typed ("  5,"): blanks and control characters go,
// missing degrees or tenths become 0 and leading zeros are dropped ("5,0").
// Throws ConversionError for anything but up to three degree digits, one
// comma and up to one tenths digit, and RangeError beyond 359,9 degrees,
// which no longitude exceeds and which the pages could not show again.
[[nodiscard]] std::string normalizedLongitude(std::string_view typed);

} // namespace k510
