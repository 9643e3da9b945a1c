// SPDX-License-Identifier: GPL-3.0-or-later
#include "NameCase.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace k510 {

namespace {

constexpr std::uint8_t kCapitalYo = 0xA8;   // Ё
constexpr std::uint8_t kSmallYo = 0xB8;     // ё
constexpr std::uint8_t kCyrillicCapitalA = 0xC0;
constexpr std::uint8_t kCyrillicSmallA = 0xE0;
constexpr int kCyrillicCaseDistance = kCyrillicSmallA - kCyrillicCapitalA;
constexpr int kLatinCaseDistance = 'a' - 'A';

struct CaseTables {
    std::array<char, 256> upper{};
    std::array<char, 256> lower{};
};

constexpr CaseTables makeCaseTables()
{
    CaseTables tables;
    for (int byte = 0; byte < 256; ++byte) {
        tables.upper[std::size_t(byte)] = char(byte);
        tables.lower[std::size_t(byte)] = char(byte);
    }
    const auto pair = [&tables](int capital, int small) {
        tables.upper[std::size_t(small)] = char(capital);
        tables.lower[std::size_t(capital)] = char(small);
    };
    for (int capital = 'A'; capital <= 'Z'; ++capital)
        pair(capital, capital + kLatinCaseDistance);
    for (int capital = kCyrillicCapitalA; capital < kCyrillicSmallA; ++capital)
        pair(capital, capital + kCyrillicCaseDistance);
    pair(kCapitalYo, kSmallYo);
    return tables;
}

constexpr CaseTables kCase = makeCaseTables();

char lowerOf(char c) { return kCase.lower[std::uint8_t(c)]; }

std::string mapped(std::string_view text, const std::array<char, 256> &table)
{
    std::string out(text.size(), '\0');
    std::transform(text.begin(), text.end(), out.begin(), [&table](char c) { return table[std::uint8_t(c)]; });
    return out;
}

} // namespace

std::string upperCased(std::string_view windows1251) { return mapped(windows1251, kCase.upper); }

std::string lowerCased(std::string_view windows1251) { return mapped(windows1251, kCase.lower); }

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
           && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerOf(x) == lowerOf(y); });
}

std::size_t findIgnoringCase(std::string_view haystack, std::string_view needle, std::size_t from)
{
    if (from > haystack.size())
        return std::string_view::npos;
    const auto begin = haystack.begin() + std::ptrdiff_t(from);
    const auto found = std::search(begin, haystack.end(), needle.begin(), needle.end(),
                                   [](char x, char y) { return lowerOf(x) == lowerOf(y); });
    if (found == haystack.end() && !needle.empty())
        return std::string_view::npos;
    return std::size_t(found - haystack.begin());
}

} // namespace k510
