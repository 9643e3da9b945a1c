// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ListRows.h"
#include "ListSorting.h"

#include <QTableView>

#include <cstdint>
#include <optional>
#include <vector>

namespace k510::ui {

struct ReportColumn {
    QString title;
    int width = 0;                          // pixels on a 96-dpi screen; 0: the style's default
    ColumnOrder order = ColumnOrder::Text;  // how a click on the title sorts
    bool fill = false;                      // takes the width the other columns leave
    bool fitContents = false;               // widens to its texts when fitted, width being the least
};

[[nodiscard]] QStringList titlesOf(const std::vector<ReportColumn> &columns);
// These rows (ascending) as a selection of whole rows, each run of adjacent
// rows one range: a selection of thousands of rows stays quick to make.
[[nodiscard]] QItemSelection selectionOfRows(const QAbstractItemModel &model, const std::vector<int> &rows);

class ListProxy;

// A multi-column report list with grid lines and whole-row selection, as the
// six lists of the main window show the database. It shows its rows (a model
// reading the database) sorted and filtered as the user asked; a "row" here
// is a row as shown. A click on a column title is announced; the window
// decides to sort (it keeps the shared sort column).
//
// When the rows are read again after a change, the list keeps its sort, its
// scroll place and the selection of the rows that still exist: rows are
// followed by what they stand for while no row came or went, else by their
// records' follow keys.
class ReportList : public QTableView {
    Q_OBJECT
public:
    enum class Selection { Single, Multiple };

    // The list takes the rows as its child; a list made without rows shows
    // none until it is given some.
    ReportList(const QString &objectName, std::vector<ReportColumn> columns, Selection selection, ListRows *rows,
               QWidget *parent);
    // Rows of another database (a dialog's): the list takes them and drops
    // the rows it had.
    void setRows(ListRows *rows);

    [[nodiscard]] ListRows &rows() { return *m_rows; }
    [[nodiscard]] const ListRows &rows() const { return *m_rows; }
    // The rows shown: with a filter, fewer than the rows.
    [[nodiscard]] int rowCount() const;
    [[nodiscard]] QString text(int row, int column) const;
    [[nodiscard]] QStringList cells(int row) const;
    // What a row shown stands for (see ListRows); -1 for no row.
    [[nodiscard]] int identityOf(int row) const;
    [[nodiscard]] int placeOf(int row) const;
    [[nodiscard]] int numberOf(int row) const;
    // The row of the rows behind a row shown, and back; -1 for none.
    [[nodiscard]] int sourceRowOf(int row) const;
    [[nodiscard]] int rowOfSource(int sourceRow) const;
    // The first row shown that stands for this identity, or -1.
    [[nodiscard]] int rowOfIdentity(int identity) const;

    // The topmost selected row, or -1. Hidden rows are never selected.
    [[nodiscard]] int firstSelectedRow() const;
    // The selected rows shown, ascending.
    [[nodiscard]] std::vector<int> selectedRowNumbers() const;
    // While a drag from this list runs: the row under the press point that
    // started it, which need not be the first selected row. -1 otherwise.
    [[nodiscard]] int draggedRow() const { return m_draggedRow; }
    // Selects this one row and nothing else; the current row stays.
    void selectOnly(int row);
    // Selects the rows standing for places first..last and nothing else,
    // makes the row of place `current` the current row (where the arrow keys
    // go on from) and brings the block into view.
    void selectPlaces(int first, int last, int current);
    // Selects these rows (ascending) and nothing else, makes the first the
    // current row and brings it into view.
    void selectRows(const std::vector<int> &rows);

    // While rows are dragged over the list: a line where they would land,
    // above `row`, or below the last row for `row` == rowCount(); -1 hides it.
    void showDropLine(int row);

    // Sorts the rows stably by the column, with its order rule: ascending,
    // or descending when the rows are sorted ascending by that column now.
    // The title shows the order; the sort holds while the rows are read again.
    void sortRowsBy(int column);
    // The column the rows are sorted by now, or -1.
    [[nodiscard]] int sortedColumn() const { return m_sortedColumn; }
    [[nodiscard]] SortDirection sortDirection() const { return m_sortDirection; }
    // The rows in their own order again, as after a refill.
    void forgetSortOrder();

    // Shows only the rows whose text in `column` contains `text`, ignoring
    // case (Cyrillic too); an empty text shows every row. The filter holds
    // while the rows are read again.
    void setRowFilter(int column, const QString &text);
    // Shows only the rows whose identity the test made by makeTest accepts;
    // the test is made again whenever the rows are read again (see
    // ListProxy). An empty maker shows every row the text filter lets by.
    void setRowConditions(std::function<std::function<bool(int)>()> makeTest);
    // Whether the text filter or the row conditions hide rows.
    [[nodiscard]] bool filtering() const;
    [[nodiscard]] const QString &filterText() const;

    // Shows or hides the rows' optional column (see ListRows), which is
    // then laid out as `column` says. A sort by it is forgotten when it goes.
    void showOptionalColumn(bool shown, const ReportColumn &column);

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
    // Widens the "#" column when the rows hold a longer number than it was
    // measured for; it never narrows.
    void fitNumberColumn();
    [[nodiscard]] QModelIndex shownIndex(int row, int column = 0) const;
    // Around the rows being read again: what is selected, current and at
    // the top, and then the same rows again where they still exist.
    void notePlace();
    void restorePlace();

    struct NotedRow {
        int identity = -1;
        std::uint64_t key = 0;
    };
    struct NotedPlace {
        std::vector<NotedRow> selected;
        std::optional<NotedRow> current;
        std::optional<NotedRow> top;
        int scrolled = 0;
        int rowCount = 0;
    };

    ListRows *m_rows;
    ListProxy *m_shown;
    std::vector<ReportColumn> m_columns;
    NotedPlace m_noted;
    qsizetype m_longestNumber = 0;   // digits the "#" column is measured for
    int m_sortedColumn = -1;
    SortDirection m_sortDirection = SortDirection::Ascending;
    int m_pressedRow = -1;
    int m_draggedRow = -1;
    int m_dropLineRow = -1;
    Qt::KeyboardModifiers m_releaseModifiers;
};

} // namespace k510::ui
