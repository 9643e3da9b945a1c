// SPDX-License-Identifier: GPL-3.0-or-later
#include "RenamePreview.h"

#include "ui/lists/ModelStrings.h"

#include <QBrush>
#include <QColor>

namespace k510::ui {

QString nameProblemText(NameProblem problem)
{
    switch (problem) {
    case NameProblem::None: return {};
    case NameProblem::Empty: return QStringLiteral("пустое имя");
    case NameProblem::TooLong: return QStringLiteral("длиннее 16 байт");
    case NameProblem::CannotShow: return QStringLiteral("символ, которого приёмник не покажет");
    }
    return {};
}

void RenamePreview::show(std::vector<RenamedRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

std::vector<int> RenamePreview::markedNumbers() const
{
    std::vector<int> numbers;
    for (const RenamedRow &row : m_rows)
        if (row.problem != NameProblem::None)
            numbers.push_back(row.number);
    return numbers;
}

int RenamePreview::changedCount() const
{
    return int(std::count_if(m_rows.begin(), m_rows.end(), [](const RenamedRow &row) { return row.after != row.before; }));
}

int RenamePreview::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int RenamePreview::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant RenamePreview::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || std::size_t(index.row()) >= m_rows.size())
        return {};
    const RenamedRow &row = m_rows[std::size_t(index.row())];
    if (role == Qt::ForegroundRole && row.problem != NameProblem::None)
        return QBrush(QColor(0xB0, 0x00, 0x00));
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case 0: return row.number;
    case 1: return fromWindows1251(row.before);
    case 2: return fromWindows1251(row.after);
    case 3: return nameProblemText(row.problem);
    default: return {};
    }
}

QVariant RenamePreview::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const titles[] = {"#", "Было", "Станет", "Замечание"};
    return section >= 0 && section < 4 ? QString::fromUtf8(titles[section]) : QVariant();
}

} // namespace k510::ui
