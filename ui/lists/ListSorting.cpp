// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListSorting.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace k510::ui {

namespace {

std::optional<long long> digitsValue(QStringView digits)
{
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    bool ok = false;
    const long long value = digits.toLongLong(&ok, 10);
    return ok ? std::optional(value) : std::nullopt;
}

QCollator russianCollator()
{
    QCollator collator{QLocale(QLocale::Russian, QLocale::Russia)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    collator.setIgnorePunctuation(false);
    return collator;
}

// -1, 0 or 1 for two cells' text order keys; an empty cell has no key and
// sorts after every other one.
template <typename Key>
int compareKeys(const std::optional<Key> &a, const std::optional<Key> &b)
{
    if (!a || !b)
        return a ? -1 : (b ? 1 : 0);
    const int difference = a->compare(*b);
    return (difference > 0) - (difference < 0);
}

// The value a cell shows, or nothing for a text that is no number.
std::optional<double> cellNumber(QStringView cell)
{
    const auto split = [&](QChar separator) -> std::optional<std::pair<long long, long long>> {
        const qsizetype at = cell.indexOf(separator);
        if (at < 0)
            return std::nullopt;
        const auto whole = digitsValue(cell.left(at));
        const auto part = digitsValue(cell.mid(at + 1));
        if (!whole || !part)
            return std::nullopt;
        return std::pair(*whole, *part);
    };
    if (const auto whole = digitsValue(cell))
        return double(*whole);
    if (const auto decimal = split(QLatin1Char(','))) {
        const qsizetype fractionDigits = cell.size() - cell.indexOf(QLatin1Char(',')) - 1;
        return double(decimal->first) + double(decimal->second) / std::pow(10.0, double(fractionDigits));
    }
    if (const auto rate = split(QLatin1Char('/')); rate && rate->second != 0)
        return double(rate->first) / double(rate->second);
    return std::nullopt;
}

} // namespace

SortKeys::SortKeys(const std::vector<QString> &cells, ColumnOrder order)
{
    const QCollator collator = russianCollator();
    m_texts.reserve(cells.size());
    m_numbers.reserve(cells.size());
    for (const QString &cell : cells) {
        m_numbers.push_back(order == ColumnOrder::Numeric ? cellNumber(cell) : std::nullopt);
        m_texts.push_back(cell.isEmpty() ? std::nullopt : std::optional(collator.sortKey(cell)));
    }
}

int SortKeys::compare(std::size_t x, std::size_t y) const
{
    const auto &a = m_numbers[x];
    const auto &b = m_numbers[y];
    if (a && b)
        return (*a > *b) - (*a < *b);
    if (a || b)
        return a ? -1 : 1;
    return compareKeys(m_texts[x], m_texts[y]);
}

} // namespace k510::ui
