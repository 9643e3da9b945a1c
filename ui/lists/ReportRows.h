// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

namespace k510::ui {

// One row of a report list: its cell texts, and a tag that binds the row to
// a model object where the list needs that (the satellite a row shows).
struct ReportRow {
    QStringList cells;
    int tag = -1;
    bool marked = false;   // shown in bold, e.g. a channel the group being filled holds
};

// The rows behind one report list of the main window. Rows are plain texts;
// the first cell ("#" or "№") is the row's reference into the database.
//
// Refills run inside an update bracket: changes made while a bracket is open
// reach the view once, as one reset, when the outermost bracket closes.
class ReportRows : public QAbstractTableModel {
    Q_OBJECT
public:
    ReportRows(QStringList columnTitles, QObject *parent);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex &index) const override;

    [[nodiscard]] int count() const { return int(m_rows.size()); }
    [[nodiscard]] QString text(int row, int column) const;
    [[nodiscard]] QStringList cells(int row) const;
    [[nodiscard]] int tag(int row) const;
    [[nodiscard]] bool isMarked(int row) const;
    [[nodiscard]] const QStringList &columnTitles() const { return m_titles; }

    void clear();
    void reserve(int rows) { m_rows.reserve(size_t(rows)); }
    // Appends when position is -1 or past the end; returns the row's position.
    int insertRow(ReportRow row, int position = -1);
    void setText(int row, int column, const QString &text);
    void setMarked(int row, bool marked);
    // Reorders the rows: newOrder[i] is the old position of the row that
    // becomes row i. Selections and current rows follow their rows.
    void reorder(const std::vector<int> &newOrder);

    void beginUpdate();
    void endUpdate();

    // Holds an update bracket for its lifetime.
    class UpdateBracket {
    public:
        explicit UpdateBracket(ReportRows &rows) : m_rows(rows) { m_rows.beginUpdate(); }
        ~UpdateBracket() { m_rows.endUpdate(); }
        UpdateBracket(const UpdateBracket &) = delete;
        UpdateBracket &operator=(const UpdateBracket &) = delete;

    private:
        ReportRows &m_rows;
    };

private:
    [[nodiscard]] bool updating() const { return m_updateDepth > 0; }

    QStringList m_titles;
    std::vector<ReportRow> m_rows;
    int m_updateDepth = 0;
};

} // namespace k510::ui
