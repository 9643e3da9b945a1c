// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListRows.h"

#include <QFont>
#include <QHash>

#include <algorithm>

namespace k510::ui {

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

ListRows::ListRows(QStringList columnTitles, QObject *parent)
    : QAbstractTableModel(parent), m_titles(std::move(columnTitles)), m_fixedColumns(m_titles.size())
{
}

void ListRows::showOptionalColumn(bool shown)
{
    if (shown == showsOptionalColumn() || m_optionalTitle.isEmpty())
        return;
    const int column = int(m_fixedColumns);
    if (shown) {
        beginInsertColumns({}, column, column);
        m_titles.append(m_optionalTitle);
        endInsertColumns();
    } else {
        beginRemoveColumns({}, column, column);
        m_titles.removeLast();
        endRemoveColumns();
    }
}

int ListRows::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

int ListRows::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_titles.size());
}

QVariant ListRows::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    switch (role) {
    case Qt::DisplayRole: return text(index.row(), index.column());
    case RowIdentityRole: return identityOf(index.row());
    case RowPlaceRole: return placeOf(index.row());
    case Qt::ToolTipRole: {
        const QString tip = toolTipOf(m_rows[std::size_t(index.row())]);
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    case Qt::FontRole:
        if (isMarked(index.row())) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default: return {};
    }
}

QVariant ListRows::headerData(int section, Qt::Orientation orientation, int role) const
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

Qt::ItemFlags ListRows::flags(const QModelIndex &index) const
{
    // Whether a row can really be dragged is the list's decision (setDragEnabled).
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled : Qt::NoItemFlags;
}

QString ListRows::text(int row, int column) const
{
    if (row < 0 || row >= count() || column < 0 || column >= m_titles.size())
        return {};
    const Row &shown = m_rows[std::size_t(row)];
    return column == 0 ? QString::number(shown.number) : cellText(shown, column);
}

QStringList ListRows::cells(int row) const
{
    QStringList texts;
    for (int column = 0; column < m_titles.size(); ++column)
        texts.append(text(row, column));
    return texts;
}

int ListRows::identityOf(int row) const
{
    return row >= 0 && row < count() ? m_rows[std::size_t(row)].identity : -1;
}

int ListRows::numberOf(int row) const
{
    return row >= 0 && row < count() ? m_rows[std::size_t(row)].number : 0;
}

int ListRows::placeOf(int row) const
{
    return row >= 0 && row < count() ? m_rows[std::size_t(row)].place : -1;
}

std::uint64_t ListRows::followKey(int row) const
{
    return row >= 0 && row < count() ? m_rows[std::size_t(row)].key : 0;
}

std::uint64_t ListRows::keyOf(const Row &row) const
{
    return std::uint64_t(std::int64_t(row.identity));
}

QString ListRows::toolTipOf(const Row &) const
{
    return {};
}

bool ListRows::isMarked(int row) const
{
    return row >= 0 && std::size_t(row) < m_marked.size() && m_marked[std::size_t(row)];
}

void ListRows::setMarked(int row, bool marked)
{
    if (row < 0 || row >= count() || isMarked(row) == marked)
        return;
    m_marked.resize(m_rows.size());
    m_marked[std::size_t(row)] = marked;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::FontRole});
}

void ListRows::refresh()
{
    replaceRows(readRows(), Place::Kept);
}

void ListRows::refill()
{
    replaceRows(readRows(), Place::Anew);
}

void ListRows::clear()
{
    replaceRows({}, Place::Anew);
}

void ListRows::replaceRows(std::vector<Row> rows, Place place)
{
    if (place == Place::Kept)
        emit aboutToRefresh();
    else
        emit aboutToRefill();
    beginResetModel();
    m_rows = std::move(rows);
    m_marked.clear();
    m_largestNumber = 0;
    for (Row &row : m_rows) {
        row.key = keyOf(row);
        m_largestNumber = std::max(m_largestNumber, row.number);
    }
    endResetModel();
    if (place == Place::Kept)
        emit refreshed();
}

std::uint64_t mixedKey(std::uint64_t key, std::uint64_t value)
{
    return key ^ (value + 0x9E3779B97F4A7C15ULL + (key << 6) + (key >> 2));
}

} // namespace k510::ui
