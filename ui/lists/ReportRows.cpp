// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportRows.h"

#include <QHash>

#include <QFont>

namespace k510::ui {

ReportRows::ReportRows(QStringList columnTitles, QObject *parent)
    : QAbstractTableModel(parent), m_titles(std::move(columnTitles))
{
}

int ReportRows::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

int ReportRows::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_titles.size());
}

QVariant ReportRows::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    if (role == Qt::UserRole)
        return tag(index.row());
    if (role == Qt::FontRole && isMarked(index.row())) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    return {};
}

namespace {

// What the abbreviated column titles stand for.
QString titleMeaning(const QString &title)
{
    static const QHash<QString, QString> meanings = {
        {QStringLiteral("Блок."), QStringLiteral("Блокирован: канал закрыт замком ресивера")},
        {QStringLiteral("FTA"), QStringLiteral("Free To Air: канал не кодирован")},
        {QStringLiteral("0/12В"), QStringLiteral("Управляющее напряжение 0/12 В для этого спутника")},
        {QStringLiteral("E/W"), QStringLiteral("Восточная (E) или западная (W) долгота спутника")},
        {QStringLiteral("1.0"), QStringLiteral("Порт переключателя DiSEqC 1.0")},
        {QStringLiteral("1.1"), QStringLiteral("Порт переключателя DiSEqC 1.1")},
    };
    return meanings.value(title);
}

} // namespace

QVariant ReportRows::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_titles.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_titles[section];
    if (role == Qt::ToolTipRole) {
        const QString meaning = titleMeaning(m_titles[section]);
        return meaning.isEmpty() ? QVariant() : QVariant(meaning);
    }
    return {};
}

Qt::ItemFlags ReportRows::flags(const QModelIndex &index) const
{
    // Whether a row can really be dragged is the list's decision (setDragEnabled).
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled : Qt::NoItemFlags;
}

QString ReportRows::text(int row, int column) const
{
    if (row < 0 || row >= count())
        return {};
    const QStringList &cells = m_rows[size_t(row)].cells;
    return column >= 0 && column < cells.size() ? cells[column] : QString();
}

QStringList ReportRows::cells(int row) const
{
    return row >= 0 && row < count() ? m_rows[std::size_t(row)].cells : QStringList();
}

int ReportRows::tag(int row) const
{
    return row >= 0 && row < count() ? m_rows[size_t(row)].tag : -1;
}

bool ReportRows::isMarked(int row) const
{
    return row >= 0 && row < count() && m_rows[size_t(row)].marked;
}

void ReportRows::setMarked(int row, bool marked)
{
    if (row < 0 || row >= count() || m_rows[size_t(row)].marked == marked)
        return;
    m_rows[size_t(row)].marked = marked;
    if (!updating())
        emit dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::FontRole});
}

void ReportRows::clear()
{
    UpdateBracket bracket(*this);
    m_rows.clear();
}

int ReportRows::insertRow(ReportRow row, int position)
{
    if (position < 0 || position > count())
        position = count();
    row.cells.resize(m_titles.size());
    if (!updating())
        beginInsertRows({}, position, position);
    m_rows.insert(m_rows.begin() + position, std::move(row));
    if (!updating())
        endInsertRows();
    return position;
}

void ReportRows::setText(int row, int column, const QString &text)
{
    if (row < 0 || row >= count() || column < 0 || column >= m_titles.size())
        return;
    m_rows[size_t(row)].cells[column] = text;
    if (!updating())
        emit dataChanged(index(row, column), index(row, column), {Qt::DisplayRole});
}

void ReportRows::reorder(const std::vector<int> &newOrder)
{
    if (newOrder.size() != m_rows.size())
        return;
    const bool notify = !updating();
    if (notify)
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);

    std::vector<int> newPosition(newOrder.size());
    std::vector<ReportRow> reordered;
    reordered.reserve(m_rows.size());
    for (size_t i = 0; i < newOrder.size(); ++i) {
        newPosition[size_t(newOrder[i])] = int(i);
        reordered.push_back(std::move(m_rows[size_t(newOrder[i])]));
    }
    m_rows = std::move(reordered);

    if (!notify)
        return;
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &old : before)
        after.append(index(newPosition[size_t(old.row())], old.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ReportRows::beginUpdate()
{
    if (m_updateDepth++ == 0)
        beginResetModel();
}

void ReportRows::endUpdate()
{
    if (m_updateDepth > 0 && --m_updateDepth == 0)
        endResetModel();
}

} // namespace k510::ui
