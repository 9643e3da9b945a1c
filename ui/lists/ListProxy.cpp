// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListProxy.h"

#include "ListRows.h"

namespace k510::ui {

ListProxy::ListProxy(std::vector<ColumnOrder> columnOrders, QObject *parent)
    : QSortFilterProxyModel(parent), m_columnOrders(std::move(columnOrders))
{
    setDynamicSortFilter(true);
}

void ListProxy::setSourceModel(QAbstractItemModel *source)
{
    if (sourceModel())
        disconnect(sourceModel(), nullptr, this, nullptr);
    forgetRows();
    // Announced before the proxy sorts and filters the new rows, so no test
    // uses the texts of the rows that went.
    connect(source, &QAbstractItemModel::modelAboutToBeReset, this, &ListProxy::forgetRows);
    connect(source, &QAbstractItemModel::layoutAboutToBeChanged, this, &ListProxy::forgetRows);
    connect(source, &QAbstractItemModel::rowsAboutToBeInserted, this, &ListProxy::forgetRows);
    connect(source, &QAbstractItemModel::rowsAboutToBeRemoved, this, &ListProxy::forgetRows);
    connect(source, &QAbstractItemModel::columnsAboutToBeRemoved, this, &ListProxy::forgetRows);
    QSortFilterProxyModel::setSourceModel(source);
}

void ListProxy::forgetRows()
{
    m_keys.reset();
    m_filterTexts.reset();
    if (m_makeRowTest)
        m_rowTest = m_makeRowTest();
}

void ListProxy::setTextFilter(int column, const QString &text)
{
    if (column == m_filterColumn && text == m_filterText)
        return;
    if (column != m_filterColumn)
        m_filterTexts.reset();
    m_filterColumn = column;
    m_filterText = text;
    // The rows shown anew as one layout change: a filter takes thousands of
    // scattered rows out, and announcing each run on its own costs the view
    // a time that grows with their number.
    invalidate();
}

void ListProxy::setRowTestMaker(RowTestMaker makeTest)
{
    if (!makeTest && !m_makeRowTest)
        return;
    m_makeRowTest = std::move(makeTest);
    m_rowTest = m_makeRowTest ? m_makeRowTest() : RowTest();
    invalidate();
}

const SortKeys &ListProxy::keysOf(int column) const
{
    if (!m_keys || m_keysColumn != column) {
        std::vector<QString> cells;
        cells.reserve(std::size_t(sourceModel()->rowCount()));
        for (int row = 0; row < sourceModel()->rowCount(); ++row)
            cells.push_back(cellText(row, column));
        const ColumnOrder order =
            std::size_t(column) < m_columnOrders.size() ? m_columnOrders[std::size_t(column)] : ColumnOrder::Text;
        m_keys.emplace(cells, order);
        m_keysColumn = column;
    }
    return *m_keys;
}

QString ListProxy::cellText(int sourceRow, int column) const
{
    // The list's own rows give their texts straight away, without a model
    // index and a variant for each.
    if (const auto *rows = qobject_cast<const ListRows *>(sourceModel()))
        return rows->text(sourceRow, column);
    return sourceModel()->index(sourceRow, column).data().toString();
}

bool ListProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const SortKeys &keys = keysOf(left.column());
    const auto x = std::size_t(left.row());
    const auto y = std::size_t(right.row());
    return x < keys.size() && y < keys.size() && keys.compare(x, y) < 0;
}

bool ListProxy::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    Q_UNUSED(sourceParent);
    if (m_rowTest) {
        const auto *rows = qobject_cast<const ListRows *>(sourceModel());
        const int identity = rows ? rows->identityOf(sourceRow)
                                  : sourceModel()->index(sourceRow, 0).data(RowIdentityRole).toInt();
        if (!m_rowTest(identity))
            return false;
    }
    return m_filterText.isEmpty() || holdsFilterText(sourceRow);
}

bool ListProxy::holdsFilterText(int sourceRow) const
{
    if (!m_filterTexts) {
        m_filterTexts.emplace();
        m_filterTexts->reserve(std::size_t(sourceModel()->rowCount()));
        for (int row = 0; row < sourceModel()->rowCount(); ++row)
            m_filterTexts->push_back(cellText(row, m_filterColumn));
    }
    return std::size_t(sourceRow) < m_filterTexts->size()
           && (*m_filterTexts)[std::size_t(sourceRow)].contains(m_filterText, Qt::CaseInsensitive);
}

} // namespace k510::ui
