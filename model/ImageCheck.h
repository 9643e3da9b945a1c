#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace k510 {

struct CheckResult {
    bool readable = false;   // false: not an image at all (wrong size)
    std::vector<std::string> problems;
};

// Walks an image as the receiver lays it out and lists every break of the
// numbering scheme: references out of range, order lists that are not
// permutations, favourite entries naming no channel, channels of an invalid
// type or in the wrong block, names longer than their field. Unlike the
// reader it does not stop at the first problem.
[[nodiscard]] CheckResult checkImage(std::span<const std::uint8_t> image);

} // namespace k510
