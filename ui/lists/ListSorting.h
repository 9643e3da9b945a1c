// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCollatorSortKey>
#include <QString>

#include <optional>
#include <vector>

// How the lists of the main window order their rows when a column title is
// clicked: ascending, or descending on a second click, and always stable, so
// rows that compare equal keep the order they had.

namespace k510::ui {

enum class ColumnOrder {
    // Numbers by value: integers ("10723"), decimal fractions with a comma
    // ("9,5", a USALS longitude) and rates ("3/4", a FEC). A cell that is no
    // number (the FEC "AUTO", a frequency shown in hexadecimal, "-") sorts
    // after every number, such cells among themselves as Text.
    Numeric,
    // Russian collation as a reader sorts words: letter case ignored, Ё
    // beside Е, punctuation, then digits (a run of digits by its value, so
    // "Канал 9" before "Канал 10"), then letters. Where Qt collates through
    // ICU (the Linux builds) Cyrillic comes before Latin; elsewhere the
    // system's Russian order decides. Empty cells come after every text.
    Text,
};

enum class SortDirection { Ascending, Descending };

// The order keys of one column's cells, made once so that sorting thousands
// of rows compares keys rather than texts.
class SortKeys {
public:
    SortKeys() = default;
    SortKeys(const std::vector<QString> &cells, ColumnOrder order);

    [[nodiscard]] std::size_t size() const { return m_texts.size(); }
    // -1, 0 or 1 as cell x sorts before, with or after cell y.
    [[nodiscard]] int compare(std::size_t x, std::size_t y) const;

private:
    std::vector<std::optional<QCollatorSortKey>> m_texts;
    std::vector<std::optional<double>> m_numbers;
};

} // namespace k510::ui
