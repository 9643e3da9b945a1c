// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QItemSelectionModel>

#include <functional>

namespace k510::ui {

// The selection of a list whose rows a filter may hide: a hidden row is never
// selected, whichever way the selection is made (a click, a Shift range,
// Ctrl+A, the arrow keys or code), so every command that reads the selection
// acts only on rows the user can see.
class ShownRowsSelection : public QItemSelectionModel {
    Q_OBJECT
public:
    ShownRowsSelection(QAbstractItemModel *model, std::function<bool(int row)> rowHidden, QObject *parent);

    void select(const QModelIndex &index, QItemSelectionModel::SelectionFlags command) override;
    void select(const QItemSelection &selection, QItemSelectionModel::SelectionFlags command) override;

private:
    // The ranges cut into runs of rows that are shown.
    [[nodiscard]] QItemSelection shownPart(const QItemSelection &selection) const;

    std::function<bool(int row)> m_rowHidden;
};

} // namespace k510::ui
