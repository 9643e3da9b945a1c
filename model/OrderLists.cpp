// SPDX-License-Identifier: GPL-3.0-or-later
#include "OrderLists.h"

#include <algorithm>

namespace k510 {

namespace {

// Numbers start at 1, so an entry 0 never names a channel, whatever the
// list's length becomes.
constexpr std::uint16_t kNoChannel = 0;

// The position of the first entry outside 1..size or repeating an earlier
// one; size when there is none.
std::size_t firstStrayEntry(const std::vector<std::uint16_t> &order)
{
    std::vector<char> seen(order.size() + 1, 0);
    for (std::size_t k = 0; k < order.size(); ++k) {
        const std::uint16_t entry = order[k];
        if (entry < 1 || entry >= seen.size() || seen[entry])
            return k;
        seen[entry] = 1;
    }
    return order.size();
}

} // namespace

bool isPermutation(const std::vector<std::uint16_t> &order)
{
    return firstStrayEntry(order) == order.size();
}

std::vector<int> orderedNumbers(const std::vector<std::uint16_t> &order)
{
    const std::size_t size = order.size();
    std::vector<char> listed(size + 1, 0);
    std::vector<int> numbers;
    numbers.reserve(size);
    for (const std::uint16_t entry : order)
        if (entry >= 1 && entry <= size && !listed[entry]) {
            listed[entry] = 1;
            numbers.push_back(entry);
        }
    for (std::size_t number = 1; number <= size; ++number)
        if (!listed[number])
            numbers.push_back(int(number));
    return numbers;
}

int removeFromOrder(std::vector<std::uint16_t> &order, int number)
{
    auto doomed = std::find(order.begin(), order.end(), number);
    if (doomed == order.end() && number >= 1 && std::size_t(number) <= order.size())
        doomed = order.begin() + std::ptrdiff_t(firstStrayEntry(order));   // a list that misses a number has one
    if (doomed != order.end())
        order.erase(doomed);   // else the number lies beyond the list and has no entry to lose
    int cleared = 0;
    for (auto &entry : order) {
        if (entry == number) {
            entry = kNoChannel;
            ++cleared;
        } else if (entry > number) {
            --entry;
        }
    }
    return cleared;
}

} // namespace k510
