// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace k510 {

struct ChannelDatabase;

struct CheckResult {
    bool readable = false;   // false: not an image at all (wrong size)
    std::vector<std::string> problems;
    // Some problem is more than a broken numbering: a name longer than its
    // field, a channel of no known type, records or order lists past their
    // room in the image.
    bool beyondNumbering = false;
};

// Walks an image as the receiver lays it out and lists every break of the
// numbering scheme: references out of range, order lists that are not
// permutations, favourite entries naming no channel, channels of an invalid
// type or in the wrong block, names longer than their field, satellites past
// the 255th (no transponder can name them). Unlike the reader it does not
// stop at the first problem.
[[nodiscard]] CheckResult checkImage(std::span<const std::uint8_t> image);

// The same rules on a database in memory, which every editing operation keeps
// once they hold: order lists are permutations of 1..T and 1..R behind T TV
// and R radio records, favourite entries name channels of their kind,
// references name existing records, and the derived index lists equal a
// rebuild from the records. Empty when all hold.
[[nodiscard]] std::vector<std::string> numberingProblems(const ChannelDatabase &db);

} // namespace k510
