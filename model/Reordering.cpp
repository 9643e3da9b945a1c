// SPDX-License-Identifier: GPL-3.0-or-later
#include "Reordering.h"

#include <algorithm>

namespace k510 {

int moveEntry(std::vector<std::uint16_t> &list, int from, int before)
{
    const int size = int(list.size());
    if (from < 0 || from >= size || before < 0 || before > size)
        return -1;
    const auto at = [&list](int position) { return list.begin() + position; };
    if (before > from) {
        std::rotate(at(from), at(from + 1), at(before));
        return before - 1;
    }
    std::rotate(at(before), at(from), at(from + 1));
    return before;
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
