// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Names travel through three character sets: the receiver keeps its Cyrillic
// letters at ISO 8859-5 positions, the model and the sorting rules work in
// Windows-1251 bytes, and the screen and the command-line tool use Unicode.

namespace k510 {

// Image to display: bytes 0xB0..0xEF gain 0x10, all others stay.
void imageToDisplay(std::span<std::uint8_t> bytes);
// Display to image: bytes 0xC0..0xFF lose 0x10, all others stay.
void displayToImage(std::span<std::uint8_t> bytes);

// Windows-1251 <-> UTF-8. Characters that Windows-1251 lacks become '?'.
[[nodiscard]] std::string windows1251ToUtf8(std::string_view windows1251);
[[nodiscard]] std::string utf8ToWindows1251(std::string_view utf8);
// The Unicode character of one Windows-1251 byte; every one is in the Basic
// Multilingual Plane.
[[nodiscard]] char32_t windows1251CodePoint(std::uint8_t byte);

// Whether the bytes are well-formed UTF-8.
[[nodiscard]] bool isUtf8(std::string_view text);
// UTF-16 (without its byte-order mark) to UTF-8; a lone surrogate becomes
// U+FFFD, an odd last byte is dropped.
[[nodiscard]] std::string utf16ToUtf8(std::string_view utf16, bool bigEndian);

} // namespace k510
