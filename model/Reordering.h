// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace k510 {

// Moves the entry at position `from` (0-based) of an order list or favourite
// group so that it lands immediately before the entry that stood at position
// `before` ahead of the move; `before` == list size puts it at the end. It is
// the entry at `from` that moves, even when the list holds its number again
// elsewhere. Returns the entry's new position (`from` itself when it stays:
// `before` is `from` or `from` + 1), or -1, with the list unchanged, when
// `from` names no entry or `before` lies outside 0..size.
int moveEntry(std::vector<std::uint16_t> &list, int from, int before);

// A block move: the entries at `positions` (0-based, ascending, each once)
// leave their places, the entries between them close up, and the block is put
// back, in its list order, so that its first entry stands at `firstPosition`
// (0..size - block size). Returns false, with the list unchanged, when a
// position is outside the list, out of order or repeated, or the block would
// not fit there.
[[nodiscard]] bool moveBlock(std::vector<std::uint16_t> &list, std::span<const int> positions, int firstPosition);

// Where a block lands that is put immediately before the entry at `before`
// (size: at the end), as a drop onto that entry's row puts it: the entries
// ahead of `before` that are not part of the block. `positions` ascending.
[[nodiscard]] int blockPositionBefore(std::span<const int> positions, int before);

// An order list rearranged the way a list shows it: `shownPositions` holds,
// row by row as shown (sorted by a column, say), the 1-based position in
// `order` of each row's entry. The result's n-th entry is the entry at
// shownPositions[n]. Nothing is made unless every position 1..size is shown
// exactly once: a list that leaves out or repeats an entry would lose or
// double a channel.
[[nodiscard]] std::optional<std::vector<std::uint16_t>> orderAsShown(const std::vector<std::uint16_t> &order,
                                                                     std::span<const int> shownPositions);

} // namespace k510
