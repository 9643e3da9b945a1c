// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace k510 {

struct ChannelDatabase;

// Makes the numbering an image brought with it sound again, as far as the
// order lists and favourite groups go:
// - each order list becomes a permutation of 1..its length: its entries
//   inside that range in their order, each number once, then the numbers it
//   missed in ascending order. The lengths stay, so T, R and the TV/radio
//   boundary are those the image gave;
// - favourite entries outside 1..T (1..R) go; a group may still hold a
//   number twice.
// Records are not touched: channels of an invalid type or in the other block,
// and counts that do not add up, stay as they are.
// Returns one line per change, in Russian like checkImage's problems; none,
// with the database untouched, when there was nothing to repair.
std::vector<std::string> repairNumbering(ChannelDatabase &db);

} // namespace k510
