// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListProxy.h"

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
    m_keys.reset();
    // Announced before the proxy sorts the new rows, so no comparison uses
    // the keys of the rows that went.
    connect(source, &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_keys.reset(); });
    connect(source, &QAbstractItemModel::layoutAboutToBeChanged, this, [this] { m_keys.reset(); });
    connect(source, &QAbstractItemModel::rowsAboutToBeInserted, this, [this] { m_keys.reset(); });
    connect(source, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this] { m_keys.reset(); });
    QSortFilterProxyModel::setSourceModel(source);
}

void ListProxy::sort(int column, Qt::SortOrder order)
{
    if (column != m_keysColumn)
        m_keys.reset();
    QSortFilterProxyModel::sort(column, order);
}

void ListProxy::setTextFilter(int column, const QString &text)
{
    if (column == m_filterColumn && text == m_filterText)
        return;
    m_filterColumn = column;
    m_filterText = text;
    invalidateFilter();
}

const SortKeys &ListProxy::keysOf(int column) const
{
    if (!m_keys || m_keysColumn != column) {
        const QAbstractItemModel *rows = sourceModel();
        std::vector<QString> cells;
        cells.reserve(std::size_t(rows->rowCount()));
        for (int row = 0; row < rows->rowCount(); ++row)
            cells.push_back(rows->index(row, column).data().toString());
        const ColumnOrder order =
            std::size_t(column) < m_columnOrders.size() ? m_columnOrders[std::size_t(column)] : ColumnOrder::Text;
        m_keys.emplace(cells, order);
        m_keysColumn = column;
    }
    return *m_keys;
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
    if (m_filterText.isEmpty())
        return true;
    const QString text = sourceModel()->index(sourceRow, m_filterColumn, sourceParent).data().toString();
    return text.contains(m_filterText, Qt::CaseInsensitive);
}

} // namespace k510::ui
