// SPDX-License-Identifier: GPL-3.0-or-later
#include "Reordering.h"

#include <algorithm>

namespace k510 {

int moveEntry(std::vector<std::uint16_t> &list, int from, int before)
{
    if (from < 0 || from >= int(list.size()) || before < 0 || before > int(list.size()))
        return -1;
    const int position[] = {from};
    const int landed = blockPositionBefore(position, before);
    return moveBlock(list, position, landed) ? landed : -1;
}

bool moveBlock(std::vector<std::uint16_t> &list, std::span<const int> positions, int firstPosition)
{
    const int size = int(list.size());
    const int blockSize = int(positions.size());
    if (blockSize == 0 || firstPosition < 0 || firstPosition > size - blockSize)
        return false;
    for (int i = 0; i < blockSize; ++i) {
        const int position = positions[std::size_t(i)];
        if (position < 0 || position >= size || (i > 0 && position <= positions[std::size_t(i - 1)]))
            return false;
    }
    std::vector<std::uint16_t> block;
    std::vector<std::uint16_t> others;
    block.reserve(std::size_t(blockSize));
    others.reserve(std::size_t(size - blockSize));
    auto next = positions.begin();
    for (int position = 0; position < size; ++position) {
        const bool moved = next != positions.end() && *next == position;
        (moved ? block : others).push_back(list[std::size_t(position)]);
        next += moved ? 1 : 0;
    }
    others.insert(others.begin() + firstPosition, block.begin(), block.end());
    list = std::move(others);
    return true;
}

int blockPositionBefore(std::span<const int> positions, int before)
{
    const auto movedAhead = std::lower_bound(positions.begin(), positions.end(), before) - positions.begin();
    return before - int(movedAhead);
}

std::optional<std::vector<std::uint16_t>> orderAsShown(const std::vector<std::uint16_t> &order,
                                                       std::span<const int> shownPositions)
{
    if (shownPositions.size() != order.size())
        return std::nullopt;
    std::vector<bool> seen(order.size(), false);
    std::vector<std::uint16_t> shown;
    shown.reserve(order.size());
    for (const int position : shownPositions) {
        if (position < 1 || position > int(order.size()) || seen[std::size_t(position - 1)])
            return std::nullopt;
        seen[std::size_t(position - 1)] = true;
        shown.push_back(order[std::size_t(position - 1)]);
    }
    return shown;
}

} // namespace k510
