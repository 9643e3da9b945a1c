// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ListSorting.h"
#include "ReportRows.h"

#include <QTableView>

#include <vector>

namespace k510::ui {

struct ReportColumn {
    QString title;
    int width = 0;                          // pixels on a 96-dpi screen; 0: the style's default
    ColumnOrder order = ColumnOrder::Text;  // how a click on the title sorts
    bool fill = false;                      // takes the width the other columns leave
    bool fitContents = false;               // widens to its texts when fitted, width being the least
};

// A multi-column report list with grid lines and whole-row selection, as the
// six lists of the main window show the database. A click on a column title
// is announced; the window decides to sort (it keeps the shared sort column).
class ReportList : public QTableView {
    Q_OBJECT
public:
    enum class Selection { Single, Multiple };

    ReportList(const QString &objectName, std::vector<ReportColumn> columns, Selection selection,
               QWidget *parent);

    [[nodiscard]] ReportRows &rows() { return *m_rows; }
    [[nodiscard]] const ReportRows &rows() const { return *m_rows; }
    [[nodiscard]] int rowCount() const { return m_rows->count(); }
    [[nodiscard]] QString text(int row, int column) const { return m_rows->text(row, column); }
    // The "#" / "№" cell as a number; 0 when the row does not exist.
    [[nodiscard]] int referenceOf(int row) const;

    // The topmost selected row, or -1. Hidden rows are never selected.
    [[nodiscard]] int firstSelectedRow() const;
    [[nodiscard]] std::vector<int> selectedRowNumbers() const;
    // While a drag from this list runs: the row under the press point that
    // started it, which need not be the first selected row. -1 otherwise.
    [[nodiscard]] int draggedRow() const { return m_draggedRow; }
    // Selects this one row and nothing else; the current row stays.
    void selectOnly(int row);
    // Selects rows first..last and nothing else, makes `current` the current
    // row (where the arrow keys go on from) and brings it into view.
    void selectRowRange(int first, int last, int current);
    // Selects these rows (ascending) and nothing else, makes the first the
    // current row and brings it into view.
    void selectRows(const std::vector<int> &rows);

    // While rows are dragged over the list: a line where they would land,
    // above `row`, or below the last row for `row` == rowCount(); -1 hides it.
    void showDropLine(int row);

    // Sorts the rows stably by the column, with its order rule: ascending,
    // or descending when the rows are sorted ascending by that column now.
    // The title shows the order until the rows change.
    void sortRowsBy(int column);
    // The column the rows are sorted by now, or -1.
    [[nodiscard]] int sortedColumn() const { return m_sortedColumn; }
    [[nodiscard]] SortDirection sortDirection() const { return m_sortDirection; }
    // A row changed or added makes the rows forget their order, as a refill
    // does. A command that changes rows keeps their sort by taking it before
    // and sorting by it again afterwards.
    struct RowSort {
        int column = -1;   // -1: not sorted
        SortDirection direction = SortDirection::Ascending;
    };
    [[nodiscard]] RowSort rowSort() const { return {m_sortedColumn, m_sortDirection}; }
    // Sorts the rows as `sort` says, if it names a column; answers where the
    // row at `followed` stands afterwards.
    int sortRowsAgain(RowSort sort, int followed);

    // Shows only the rows whose text in `column` contains `text`, ignoring
    // case (Cyrillic too); an empty text shows every row. The rows keep their
    // places, texts and references, and the filter holds across refills.
    void setRowFilter(int column, const QString &text);
    [[nodiscard]] bool filtering() const { return !m_filterText.isEmpty(); }
    [[nodiscard]] const QString &filterText() const { return m_filterText; }
    [[nodiscard]] int shownRowCount() const;
    // The rows the user sees, in the order shown.
    [[nodiscard]] std::vector<int> shownRows() const;

    // Widens the fitContents columns to their longest text. Meant for short
    // lists: it measures every row.
    void fitColumnsToContents();
    // The width the "#" column needs for its longest number, in bold as a
    // marked row shows it; 0 when the first column holds no numbers.
    [[nodiscard]] int numberColumnWidth() const;

signals:
    void columnClicked(int column);
    // A click on a row, with the modifiers held at that click; a right
    // click too, which selects the row before the context menu opens.
    void rowClicked(int row, Qt::KeyboardModifiers modifiers);
    // A key the list has just handled (the selection already moved).
    void keyHandled(int key, Qt::KeyboardModifiers modifiers);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    // Home and End go to the first and the last row shown, not to the ends of
    // the current row.
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void paintEvent(QPaintEvent *event) override;

private:
    [[nodiscard]] QPixmap dragLabel(const QString &caption) const;
    void applyColumnWidths();
    // Room beside a cell's text: its margins and the grid line.
    [[nodiscard]] int cellPadding() const;
    // Widens the "#" column when rows first..last hold a longer number than
    // it was measured for; it never narrows.
    void fitNumberColumn(int first, int last);
    // Sorts stably by the column in that direction and shows the indicator;
    // returns the new order as old row positions.
    std::vector<int> sortRows(int column, SortDirection direction);
    void applyRowFilter(int first, int last);
    void applyRowFilter() { applyRowFilter(0, rowCount() - 1); }
    // Rows refilled or retitled need not be in order.
    void forgetSortOrder();

    ReportRows *m_rows;
    std::vector<ReportColumn> m_columns;
    QString m_filterText;
    int m_filterColumn = 1;
    qsizetype m_longestNumber = 0;   // digits the "#" column is measured for
    int m_sortedColumn = -1;
    SortDirection m_sortDirection = SortDirection::Ascending;
    int m_pressedRow = -1;
    int m_draggedRow = -1;
    int m_dropLineRow = -1;
    Qt::KeyboardModifiers m_releaseModifiers;
};

} // namespace k510::ui
