// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/RenameRule.h"

#include <QAbstractTableModel>

#include <vector>

namespace k510::ui {

// The rows of the rename preview: "#", "Было", "Станет" and, for a name the
// receiver could not hold, why, the row shown in red.
class RenamePreview : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void show(std::vector<RenamedRow> rows);
    // The numbers of the rows marked, in the order shown.
    [[nodiscard]] std::vector<int> markedNumbers() const;
    [[nodiscard]] int changedCount() const;

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<RenamedRow> m_rows;
};

// Why the receiver could not hold a name, in the preview's words.
[[nodiscard]] QString nameProblemText(NameProblem problem);

} // namespace k510::ui
