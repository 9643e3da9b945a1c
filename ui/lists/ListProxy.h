// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ListSorting.h"

#include <QSortFilterProxyModel>

#include <functional>
#include <optional>
#include <vector>

namespace k510::ui {

// The rows of a list as the user sees them: sorted by a column with its
// order rule (ties keep the rows' own order in both directions) and
// narrowed to those whose text in the filtered column holds the filter
// text, ignoring case, and to those a row test accepts. Sorting and
// filtering hold while the rows are read again.
class ListProxy : public QSortFilterProxyModel {
    Q_OBJECT
public:
    ListProxy(std::vector<ColumnOrder> columnOrders, QObject *parent);

    void setSourceModel(QAbstractItemModel *source) override;

    void setTextFilter(int column, const QString &text);
    [[nodiscard]] const QString &filterText() const { return m_filterText; }
    // A test of what each row stands for (its identity, see ListRows). It
    // is made by makeTest now and made again each time the rows are read
    // again, so it always judges the database the rows show. No maker, or
    // an empty test, lets every row through.
    using RowTest = std::function<bool(int identity)>;
    using RowTestMaker = std::function<RowTest()>;
    void setRowTestMaker(RowTestMaker makeTest);
    [[nodiscard]] bool filtering() const { return !m_filterText.isEmpty() || bool(m_rowTest); }

protected:
    [[nodiscard]] bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
    [[nodiscard]] bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    // The keys of the sorted column, made on the first comparison after the
    // rows or the column changed.
    [[nodiscard]] const SortKeys &keysOf(int column) const;
    // Whether the row's text in the filtered column holds the filter text.
    // The column's texts are made on the first test after the rows or the
    // column changed: typing in "Поиск" tests every row at each key.
    [[nodiscard]] bool holdsFilterText(int sourceRow) const;
    void forgetRows();
    [[nodiscard]] QString cellText(int sourceRow, int column) const;

    std::vector<ColumnOrder> m_columnOrders;
    QString m_filterText;
    int m_filterColumn = 1;
    RowTestMaker m_makeRowTest;
    RowTest m_rowTest;
    mutable std::optional<SortKeys> m_keys;
    mutable int m_keysColumn = -1;
    mutable std::optional<std::vector<QString>> m_filterTexts;
};

} // namespace k510::ui
