// SPDX-License-Identifier: GPL-3.0-or-later
// How a report list keeps its selection and scroll place while its rows are
// read again.
#include "ReportList.h"

#include "ListProxy.h"

#include <QScrollBar>

#include <algorithm>
#include <unordered_map>

namespace k510::ui {

QItemSelection selectionOfRows(const QAbstractItemModel &model, const std::vector<int> &rows)
{
    QItemSelection selection;
    for (std::size_t k = 0; k < rows.size();) {
        std::size_t end = k + 1;
        while (end < rows.size() && rows[end] == rows[end - 1] + 1)
            ++end;
        if (rows[k] >= 0 && rows[end - 1] < model.rowCount())
            selection.select(model.index(rows[k], 0), model.index(rows[end - 1], model.columnCount() - 1));
        k = end;
    }
    return selection;
}

void ReportList::selectPlaces(int first, int last, int current)
{
    std::vector<int> rows;
    int currentRow = -1;
    for (int row = 0; row < rowCount(); ++row) {
        const int place = placeOf(row);
        if (place >= first && place <= last)
            rows.push_back(row);
        if (place == current)
            currentRow = row;
    }
    if (rows.empty())
        return;
    selectionModel()->select(selectionOfRows(*m_shown, rows),
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    const QModelIndex currentIndex = shownIndex(currentRow >= 0 ? currentRow : rows.front());
    selectionModel()->setCurrentIndex(currentIndex, QItemSelectionModel::NoUpdate);
    // After the rows were read again the view lays them out later; scrolling needs them now.
    doItemsLayout();
    scrollTo(shownIndex(rows.back()));
    scrollTo(shownIndex(rows.front()));
    scrollTo(currentIndex);
}

void ReportList::notePlace()
{
    m_noted = {};
    m_noted.rowCount = m_rows->count();
    const auto noted = [this](int row) {
        const int source = sourceRowOf(row);
        return NotedRow{m_rows->identityOf(source), m_rows->followKey(source)};
    };
    for (const int row : selectedRowNumbers())
        m_noted.selected.push_back(noted(row));
    if (currentIndex().isValid())
        m_noted.current = noted(currentIndex().row());
    if (const int top = rowAt(0); top >= 0)
        m_noted.top = noted(top);
    m_noted.scrolled = verticalScrollBar()->value();
}

void ReportList::restorePlace()
{
    if (m_noted.selected.empty() && !m_noted.current && !m_noted.top)
        return;
    // While no row came or went, a row stands for the same thing as before
    // (an edit changes a record, not its index); otherwise indices moved and
    // the records themselves are followed.
    const bool byIdentity = m_rows->count() == m_noted.rowCount;
    // Each row's value with its position, sorted: equal values (the same
    // record twice) stay in the rows' order and are taken in turn.
    std::vector<std::pair<std::uint64_t, int>> rowsOf;
    rowsOf.reserve(std::size_t(m_rows->count()));
    for (int source = 0; source < m_rows->count(); ++source) {
        const auto value = byIdentity ? std::uint64_t(std::int64_t(m_rows->identityOf(source))) : m_rows->followKey(source);
        rowsOf.emplace_back(value, source);
    }
    std::sort(rowsOf.begin(), rowsOf.end());
    std::unordered_map<std::uint64_t, std::size_t> taken;
    const auto find = [&](const NotedRow &row, bool take) {
        const auto value = byIdentity ? std::uint64_t(std::int64_t(row.identity)) : row.key;
        std::size_t &next = taken[value];
        const auto first = std::lower_bound(rowsOf.begin(), rowsOf.end(), std::pair(value, -1)) - rowsOf.begin();
        const std::size_t at = std::size_t(first) + next;
        if (at >= rowsOf.size() || rowsOf[at].first != value)
            return -1;
        if (take)
            ++next;
        return rowOfSource(rowsOf[at].second);
    };
    std::vector<int> selected;
    for (const NotedRow &row : m_noted.selected)
        if (const int shown = find(row, true); shown >= 0)
            selected.push_back(shown);
    std::sort(selected.begin(), selected.end());
    taken.clear();
    const int current = m_noted.current ? find(*m_noted.current, false) : -1;
    const int top = m_noted.top ? find(*m_noted.top, false) : -1;
    const int scrolled = m_noted.scrolled;
    m_noted = {};

    selectionModel()->select(selectionOfRows(*m_shown, selected),
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (current >= 0)
        selectionModel()->setCurrentIndex(shownIndex(current), QItemSelectionModel::NoUpdate);
    doItemsLayout();
    if (top >= 0)
        scrollTo(shownIndex(top), QAbstractItemView::PositionAtTop);
    else
        verticalScrollBar()->setValue(scrolled);
}

} // namespace k510::ui
