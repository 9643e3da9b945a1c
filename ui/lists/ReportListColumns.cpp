// SPDX-License-Identifier: GPL-3.0-or-later
// How wide the columns of a report list are.
#include "ReportList.h"

#include <QHeaderView>
#include <QStyle>

#include <algorithm>

namespace k510::ui {

void ReportList::applyColumnWidths()
{
    QHeaderView *titles = horizontalHeader();
    // Measured with room for the sort indicator, so a sorted column's title
    // is not clipped.
    const bool indicatorShown = titles->isSortIndicatorShown();
    titles->setSortIndicatorShown(true);
    const double scale = logicalDpiX() / 96.0;
    for (int c = 0; c < int(m_columns.size()); ++c) {
        const ReportColumn &column = m_columns[size_t(c)];
        if (column.fill) {
            titles->setSectionResizeMode(c, QHeaderView::Stretch);
            continue;
        }
        // The widths were chosen for a small 96-dpi font; a caption never gets clipped.
        const int wanted = column.width > 0 ? int(column.width * scale) : titles->defaultSectionSize();
        titles->resizeSection(c, std::max(wanted, titles->sectionSizeHint(c)));
    }
    titles->setSortIndicatorShown(indicatorShown);
}

void ReportList::showOptionalColumn(bool shown, const ReportColumn &column)
{
    if (shown == m_rows->showsOptionalColumn())
        return;
    const int optional = int(m_columns.size()) - (shown ? 0 : 1);
    if (!shown && m_sortedColumn == optional)
        forgetSortOrder();
    m_rows->showOptionalColumn(shown);
    if (shown)
        m_columns.push_back(column);
    else
        m_columns.pop_back();
    applyColumnWidths();
}

void ReportList::fitColumnsToContents()
{
    QHeaderView *titles = horizontalHeader();
    const QFontMetrics metrics = fontMetrics();
    const int padding = cellPadding();
    for (int c = 0; c < int(m_columns.size()); ++c) {
        const ReportColumn &column = m_columns[size_t(c)];
        if (!column.fitContents || column.fill)
            continue;
        int width = std::max(int(column.width * logicalDpiX() / 96.0), titles->sectionSizeHint(c));
        for (int row = 0; row < rowCount(); ++row)
            width = std::max(width, metrics.horizontalAdvance(text(row, c)) + padding);
        titles->resizeSection(c, c == 0 ? std::max(width, numberColumnWidth()) : width);
    }
}

int ReportList::cellPadding() const
{
    // The style's text margin on both sides, the grid line and a little room.
    return 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 6;
}

int ReportList::numberColumnWidth() const
{
    if (m_columns.empty() || m_columns.front().order != ColumnOrder::Numeric || m_longestNumber == 0)
        return 0;
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    int widestDigit = 0;
    for (char16_t digit = u'0'; digit <= u'9'; ++digit)
        widestDigit = std::max(widestDigit, metrics.horizontalAdvance(QChar(digit)));
    return int(m_longestNumber) * widestDigit + cellPadding();
}

void ReportList::fitNumberColumn()
{
    if (m_columns.empty() || m_columns.front().order != ColumnOrder::Numeric || m_columns.front().fill)
        return;
    const qsizetype longest = QString::number(m_rows->largestNumber()).size();
    if (longest <= m_longestNumber)
        return;
    m_longestNumber = longest;
    QHeaderView *titles = horizontalHeader();
    titles->resizeSection(0, std::max(titles->sectionSize(0), numberColumnWidth()));
}

} // namespace k510::ui
