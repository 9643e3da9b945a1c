// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListSorting.h"

#include "ModelStrings.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace k510::ui {

namespace {

std::optional<long long> decimalValue(QStringView text)
{
    bool ok = false;
    const long long value = text.toLongLong(&ok, 10);
    return ok ? std::optional(value) : std::nullopt;
}

unsigned char folded(char byte)
{
    const auto value = static_cast<unsigned char>(byte);
    return value >= 'a' && value <= 'z' ? static_cast<unsigned char>(value - 'a' + 'A') : value;
}

} // namespace

int compareNumeric(QStringView a, QStringView b)
{
    const auto x = decimalValue(a);
    const auto y = decimalValue(b);
    if (!x || !y)
        return x ? -1 : (y ? 1 : 0);
    return *x < *y ? -1 : (*x > *y ? 1 : 0);
}

int compareText(const QByteArray &a, const QByteArray &b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const int difference = int(folded(a[i])) - int(folded(b[i]));
        if (difference != 0)
            return difference;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

std::vector<int> stableSortOrder(const std::vector<QString> &cells, ColumnOrder order, SortDirection direction)
{
    std::vector<int> rows(cells.size());
    std::iota(rows.begin(), rows.end(), 0);
    // Descending swaps the operands, so equal rows still compare "not before".
    const bool descending = direction == SortDirection::Descending;
    const auto sortBy = [&](const auto &compare) {
        std::stable_sort(rows.begin(), rows.end(),
                         [&](int x, int y) { return descending ? compare(y, x) < 0 : compare(x, y) < 0; });
    };
    switch (order) {
    case ColumnOrder::Unordered:
        break;
    case ColumnOrder::Numeric:
        sortBy([&](int x, int y) { return compareNumeric(cells[size_t(x)], cells[size_t(y)]); });
        break;
    case ColumnOrder::Text: {
        // Convert each cell once rather than at every comparison.
        std::vector<QByteArray> keys;
        keys.reserve(cells.size());
        for (const QString &cell : cells)
            keys.push_back(toWindows1251(cell));
        sortBy([&](int x, int y) { return compareText(keys[size_t(x)], keys[size_t(y)]); });
        break;
    }
    }
    return rows;
}

} // namespace k510::ui
