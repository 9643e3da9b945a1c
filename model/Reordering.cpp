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

} // namespace k510
