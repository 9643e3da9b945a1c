// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShownRowsSelection.h"

namespace k510::ui {

ShownRowsSelection::ShownRowsSelection(QAbstractItemModel *model, std::function<bool(int row)> rowHidden,
                                       QObject *parent)
    : QItemSelectionModel(model, parent), m_rowHidden(std::move(rowHidden))
{
}

void ShownRowsSelection::select(const QModelIndex &index, QItemSelectionModel::SelectionFlags command)
{
    select(QItemSelection(index, index), command);
}

void ShownRowsSelection::select(const QItemSelection &selection, QItemSelectionModel::SelectionFlags command)
{
    // Deselecting needs no care; only what would become selected is cut.
    const bool adds = command.testAnyFlags(QItemSelectionModel::Select | QItemSelectionModel::Toggle);
    QItemSelectionModel::select(adds ? shownPart(selection) : selection, command);
}

QItemSelection ShownRowsSelection::shownPart(const QItemSelection &selection) const
{
    QItemSelection shown;
    for (const QItemSelectionRange &range : selection) {
        if (!range.isValid())
            continue;
        const QAbstractItemModel *rows = range.model();
        int runStart = -1;
        for (int row = range.top(); row <= range.bottom() + 1; ++row) {
            const bool inRun = row <= range.bottom() && !m_rowHidden(row);
            if (inRun && runStart < 0)
                runStart = row;
            if (!inRun && runStart >= 0) {
                shown.append(QItemSelectionRange(rows->index(runStart, range.left(), range.parent()),
                                                 rows->index(row - 1, range.right(), range.parent())));
                runStart = -1;
            }
        }
    }
    return shown;
}

} // namespace k510::ui
