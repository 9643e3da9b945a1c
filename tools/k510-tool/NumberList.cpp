// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberList.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

const QRegularExpression &itemPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]+)(?:-([0-9]+))?$"));
    return pattern;
}

// Nine digits are more than any list of an image holds and still fit an int.
bool fits(const QString &digits) { return digits.size() <= 9; }

} // namespace

std::optional<std::vector<NumberRange>> parseNumberLists(const QStringList &lists, QString *error)
{
    std::vector<NumberRange> ranges;
    for (const QString &list : lists) {
        for (const QString &item : list.split(QLatin1Char(','))) {
            const QRegularExpressionMatch match = itemPattern().match(item);
            if (!match.hasMatch()) {
                *error = item.isEmpty() ? QStringLiteral("empty item in the list '%1'").arg(list)
                                        : QStringLiteral("'%1' in the list '%2' is neither a number nor a range")
                                              .arg(item, list);
                return std::nullopt;
            }
            if (!fits(match.captured(1)) || !fits(match.captured(2))) {
                *error = QStringLiteral("'%1' in the list '%2' is too large").arg(item, list);
                return std::nullopt;
            }
            const int first = match.captured(1).toInt();
            const int last = match.hasCaptured(2) ? match.captured(2).toInt() : first;
            if (first == 0) {
                *error = QStringLiteral("'%1' in the list '%2': numbers start at 1").arg(item, list);
                return std::nullopt;
            }
            if (last < first) {
                *error = QStringLiteral("'%1' in the list '%2' is a reversed range").arg(item, list);
                return std::nullopt;
            }
            ranges.push_back({first, last});
        }
    }
    return ranges;
}

std::optional<ChannelNumberRanges> parseChannelNumberLists(const QStringList &tv, const QStringList &radio,
                                                           const QStringList &transponders, QString *error)
{
    auto tvRanges = parseNumberLists(tv, error);
    auto radioRanges = tvRanges ? parseNumberLists(radio, error) : std::nullopt;
    auto transponderRanges = radioRanges ? parseNumberLists(transponders, error) : std::nullopt;
    if (!transponderRanges)
        return std::nullopt;
    return ChannelNumberRanges{std::move(*tvRanges), std::move(*radioRanges), std::move(*transponderRanges)};
}

std::optional<std::vector<int>> numbersWithin(const std::vector<NumberRange> &ranges, const QString &kind, int count,
                                              const QString &file, QString *error)
{
    for (const NumberRange &range : ranges)
        if (range.last > count) {
            *error = QStringLiteral("%1 %2 does not exist in %3 (%4)")
                         .arg(kind)
                         .arg(std::max(range.first, count + 1))
                         .arg(file, count ? QStringLiteral("1..%1").arg(count) : QStringLiteral("none"));
            return std::nullopt;
        }
    return expand(ranges);
}

std::vector<int> expand(const std::vector<NumberRange> &ranges)
{
    std::vector<int> numbers;
    for (const NumberRange &range : ranges)
        for (int n = range.first; n <= range.last; ++n)
            numbers.push_back(n);
    return numbers;
}

QString formatNumberList(const std::vector<int> &ascending)
{
    QStringList items;
    for (std::size_t k = 0; k < ascending.size();) {
        std::size_t last = k;
        while (last + 1 < ascending.size() && ascending[last + 1] == ascending[last] + 1)
            ++last;
        items.append(last > k ? QStringLiteral("%1-%2").arg(ascending[k]).arg(ascending[last])
                              : QString::number(ascending[k]));
        k = last + 1;
    }
    return items.join(QLatin1Char(','));
}
