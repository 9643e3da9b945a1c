// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <vector>

// How the lists of the main window order their rows when a column title is
// clicked: ascending, or descending on a second click, and always stable, so
// rows that compare equal keep the order they had.

namespace k510::ui {

enum class ColumnOrder {
    Numeric,     // decimal integers
    Text,        // Windows-1251 bytes, only a-z folded onto A-Z
    Unordered,   // every pair of rows compares equal
};

// -1, 0 or 1. A cell that is not a decimal integer (a frequency whose stored
// nibbles are not decimal digits) sorts after every number; such cells
// compare equal among themselves.
[[nodiscard]] int compareNumeric(QStringView a, QStringView b);

// The difference of the first differing bytes after folding a-z, or the
// shorter text first; 0 for equal texts. Arguments are Windows-1251 bytes.
[[nodiscard]] int compareText(const QByteArray &a, const QByteArray &b);

enum class SortDirection { Ascending, Descending };

// The new order of rows, as old row positions, for the given column cells.
// Descending is not the ascending order reversed: equal rows still keep
// their order.
[[nodiscard]] std::vector<int> stableSortOrder(const std::vector<QString> &cells, ColumnOrder order,
                                               SortDirection direction = SortDirection::Ascending);

} // namespace k510::ui
