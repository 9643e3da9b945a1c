// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace k510 {

// Order lists as images may bring them. A sound order list names each of
// 1..size once; a damaged one may hold numbers outside that range or the same
// number twice, and then misses as many numbers as it holds such entries.

[[nodiscard]] bool isPermutation(const std::vector<std::uint16_t> &order);

// Every number 1..size of an order list once, in the user's order: the
// list's entries in that range at their first occurrence, then the numbers
// it misses, ascending. For a sound list, the list itself.
[[nodiscard]] std::vector<int> orderedNumbers(const std::vector<std::uint16_t> &order);

// Takes a deleted channel's number out of its order list and closes the gap
// it leaves. The list loses exactly one entry whenever the number lies in
// 1..size, so its length keeps matching its block of channel records: the
// number's first occurrence, or, in a damaged list that misses the number,
// the first entry outside 1..size or repeating an earlier one. Every entry
// above the number goes down by one, so it keeps naming its channel; a
// further copy of the number becomes 0 and names nothing, rather than the
// channel that moves into the number. No entry ever starts naming a channel
// it did not name before.
// Returns how many such copies it cleared.
int removeFromOrder(std::vector<std::uint16_t> &order, int number);

} // namespace k510
