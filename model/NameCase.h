// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Letter case of names in Windows-1251 bytes: the Latin letters a..z, the
// Cyrillic а..я and ё have capitals A..Z, А..Я and Ё. Every other byte has
// no case and stays as it is, so a name keeps its length and every position
// in it keeps its meaning.

namespace k510 {

[[nodiscard]] std::string upperCased(std::string_view windows1251);
[[nodiscard]] std::string lowerCased(std::string_view windows1251);
[[nodiscard]] bool equalIgnoringCase(std::string_view a, std::string_view b);
// Where needle first stands in haystack at or after `from`, letter case
// ignored; std::string_view::npos when it does not. An empty needle stands
// at `from` when from <= haystack.size().
[[nodiscard]] std::size_t findIgnoringCase(std::string_view haystack, std::string_view needle, std::size_t from = 0);

} // namespace k510
