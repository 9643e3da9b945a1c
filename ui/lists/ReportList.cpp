// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportList.h"

#include "ShownRowsSelection.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QDrag>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace k510::ui {

namespace {

QStringList titlesOf(const std::vector<ReportColumn> &columns)
{
    QStringList titles;
    for (const ReportColumn &column : columns)
        titles.append(column.title);
    return titles;
}

} // namespace

ReportList::ReportList(const QString &objectName, std::vector<ReportColumn> columns, Selection selection,
                       QWidget *parent)
    : QTableView(parent), m_rows(new ReportRows(titlesOf(columns), this)), m_columns(std::move(columns))
{
    setObjectName(objectName);
    setModel(m_rows);
    QItemSelectionModel *unfiltered = selectionModel();
    setSelectionModel(new ShownRowsSelection(m_rows, [this](int row) { return isRowHidden(row); }, this));
    delete unfiltered;
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(selection == Selection::Multiple ? QAbstractItemView::ExtendedSelection
                                                      : QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    setSortingEnabled(false);
    setTabKeyNavigation(false);

    // The selection stays as visible when the list loses focus.
    QPalette colours = palette();
    colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Active, QPalette::Highlight));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colours);

    QHeaderView *rowsHeader = verticalHeader();
    rowsHeader->hide();
    const int rowHeight = fontMetrics().height() + 4;
    rowsHeader->setMinimumSectionSize(rowHeight);
    rowsHeader->setDefaultSectionSize(rowHeight);
    rowsHeader->setSectionResizeMode(QHeaderView::Fixed);

    QHeaderView *titles = horizontalHeader();
    titles->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    titles->setHighlightSections(false);
    titles->setSortIndicatorShown(false);
    titles->setSectionsClickable(true);
    titles->setMinimumSectionSize(24);
    connect(titles, &QHeaderView::sectionClicked, this, &ReportList::columnClicked);
    applyColumnWidths();

    // The view's own handlers run first and forget which rows were hidden.
    connect(m_rows, &QAbstractItemModel::modelReset, this, [this] { applyRowFilter(); });
    connect(m_rows, &QAbstractItemModel::layoutChanged, this, [this] { applyRowFilter(); });
    connect(m_rows, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) { applyRowFilter(first, last); });
    // An edited row is shown or hidden by its new texts.
    connect(m_rows, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles) {
                applyRowFilter(topLeft.row(), bottomRight.row());
                if (roles.isEmpty() || roles.contains(Qt::DisplayRole))
                    forgetSortOrder();
            });
    // Refilled rows, and a row added or edited, need not be in order; a
    // deleted row leaves the others as they were.
    connect(m_rows, &QAbstractItemModel::modelReset, this, &ReportList::forgetSortOrder);
    connect(m_rows, &QAbstractItemModel::rowsInserted, this, &ReportList::forgetSortOrder);
    // No number in the "#" column is ever cut.
    connect(m_rows, &QAbstractItemModel::modelReset, this, [this] { fitNumberColumn(0, rowCount() - 1); });
    connect(m_rows, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) { fitNumberColumn(first, last); });
    connect(m_rows, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
                if (topLeft.column() == 0)
                    fitNumberColumn(topLeft.row(), bottomRight.row());
            });
    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex &index) { emit rowClicked(index.row(), m_releaseModifiers); });
}

void ReportList::keyPressEvent(QKeyEvent *event)
{
    QTableView::keyPressEvent(event);
    emit keyHandled(event->key(), event->modifiers());
}

void ReportList::mousePressEvent(QMouseEvent *event)
{
    m_pressedRow = indexAt(event->position().toPoint()).row();
    QTableView::mousePressEvent(event);
    if (event->button() == Qt::RightButton && m_pressedRow >= 0)
        emit rowClicked(m_pressedRow, event->modifiers());
}

QModelIndex ReportList::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    if (cursorAction != MoveHome && cursorAction != MoveEnd)
        return QTableView::moveCursor(cursorAction, modifiers);
    const int column = std::max(currentIndex().column(), 0);
    if (cursorAction == MoveHome) {
        for (int row = 0; row < rowCount(); ++row)
            if (!isRowHidden(row))
                return m_rows->index(row, column);
    } else {
        for (int row = rowCount() - 1; row >= 0; --row)
            if (!isRowHidden(row))
                return m_rows->index(row, column);
    }
    return {};
}

void ReportList::mouseReleaseEvent(QMouseEvent *event)
{
    // clicked() carries no modifiers; rowClicked gives those of this very click.
    m_releaseModifiers = event->modifiers();
    QTableView::mouseReleaseEvent(event);
}

void ReportList::startDrag(Qt::DropActions supportedActions)
{
    // A press on a row that is already selected keeps the selection; the
    // receiver of the drop decides what moves.
    m_draggedRow = m_pressedRow;
    std::vector<int> rows = selectedRowNumbers();
    if (rows.empty() && m_pressedRow >= 0)
        rows = {m_pressedRow};
    if (rows.empty())
        return;
    QModelIndexList cells;
    for (const int row : rows)
        cells.append(m_rows->index(row, 0));
    auto *drag = new QDrag(this);
    drag->setMimeData(m_rows->mimeData(cells));
    // A label beside the pointer rather than a picture of the rows under it,
    // so the line where the rows would land stays in sight.
    const int named = m_pressedRow >= 0 ? m_pressedRow : rows.front();
    const QString caption = rows.size() == 1
                                ? text(named, 1)
                                : QStringLiteral("%1 и ещё %2").arg(text(named, 1)).arg(rows.size() - 1);
    drag->setPixmap(dragLabel(caption));
    drag->setHotSpot(QPoint(-fontMetrics().height(), -fontMetrics().height() / 2));
    drag->exec(supportedActions, defaultDropAction());
    m_draggedRow = -1;
}

QPixmap ReportList::dragLabel(const QString &caption) const
{
    const QFontMetrics metrics = fontMetrics();
    const QSize size(metrics.horizontalAdvance(caption) + metrics.height(), metrics.height() + 6);
    const qreal ratio = devicePixelRatioF();
    QPixmap label(size * ratio);
    label.setDevicePixelRatio(ratio);
    label.fill(Qt::transparent);
    QPainter painter(&label);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Active, QPalette::Highlight));
    painter.drawRoundedRect(QRectF(QPointF(0, 0), QSizeF(size)), 4, 4);
    painter.setPen(palette().color(QPalette::Active, QPalette::HighlightedText));
    painter.setFont(font());
    painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, caption);
    return label;
}

void ReportList::showDropLine(int row)
{
    if (row == m_dropLineRow)
        return;
    m_dropLineRow = row;
    viewport()->update();
}

void ReportList::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);
    if (m_dropLineRow < 0 || rowCount() == 0)
        return;
    const bool belowLast = m_dropLineRow >= rowCount();
    const QRect row = visualRect(m_rows->index(belowLast ? rowCount() - 1 : m_dropLineRow, 0));
    const int y = belowLast ? row.bottom() : row.top();
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), 2));
    painter.drawLine(0, y, viewport()->width(), y);
}

void ReportList::setRowFilter(int column, const QString &text)
{
    if (column == m_filterColumn && text == m_filterText)
        return;
    m_filterColumn = column;
    m_filterText = text;
    // A hidden row must not stay selected: commands act on the selection.
    clearSelection();
    applyRowFilter();
}

void ReportList::applyRowFilter(int first, int last)
{
    for (int row = first; row <= last; ++row) {
        const bool shown = m_filterText.isEmpty()
                           || m_rows->text(row, m_filterColumn).contains(m_filterText, Qt::CaseInsensitive);
        if (isRowHidden(row) != shown)
            continue;
        setRowHidden(row, !shown);
        // A row the user cannot see is never acted on.
        if (!shown && selectionModel()->isRowSelected(row, {}))
            selectionModel()->select(m_rows->index(row, 0), QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    }
}

int ReportList::shownRowCount() const
{
    if (!filtering())
        return rowCount();
    int shown = 0;
    for (int row = 0; row < rowCount(); ++row)
        shown += isRowHidden(row) ? 0 : 1;
    return shown;
}

std::vector<int> ReportList::shownRows() const
{
    std::vector<int> rows;
    rows.reserve(size_t(rowCount()));
    for (int row = 0; row < rowCount(); ++row) {
        if (!isRowHidden(row))
            rows.push_back(row);
    }
    return rows;
}

int ReportList::referenceOf(int row) const
{
    return text(row, 0).toInt();
}

int ReportList::firstSelectedRow() const
{
    const std::vector<int> selected = selectedRowNumbers();
    return selected.empty() ? -1 : selected.front();
}

std::vector<int> ReportList::selectedRowNumbers() const
{
    // Whole rows are selected, so the ranges name the rows; asking the
    // selection row by row would take a time that grows with the square of a
    // scattered selection's size.
    std::vector<int> selected;
    for (const QItemSelectionRange &range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            if (!isRowHidden(row))
                selected.push_back(row);
    }
    std::sort(selected.begin(), selected.end());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    return selected;
}

void ReportList::selectOnly(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    selectionModel()->select(m_rows->index(row, 0),
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ReportList::selectRowRange(int first, int last, int current)
{
    if (first < 0 || last < first || last >= rowCount())
        return;
    const QItemSelection rows(m_rows->index(first, 0), m_rows->index(last, m_rows->columnCount() - 1));
    selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    const QModelIndex currentRow = m_rows->index(std::clamp(current, first, last), 0);
    selectionModel()->setCurrentIndex(currentRow, QItemSelectionModel::NoUpdate);
    // After a refill the view lays its rows out later; scrolling needs them now.
    doItemsLayout();
    scrollTo(m_rows->index(last, 0));
    scrollTo(m_rows->index(first, 0));
    scrollTo(currentRow);
}

void ReportList::selectRows(const std::vector<int> &rows)
{
    // Runs of adjacent rows as one range each: a selection of thousands of
    // rows stays quick to make and to read.
    QItemSelection selection;
    for (std::size_t k = 0; k < rows.size();) {
        std::size_t end = k + 1;
        while (end < rows.size() && rows[end] == rows[end - 1] + 1)
            ++end;
        if (rows[k] >= 0 && rows[end - 1] < rowCount())
            selection.select(m_rows->index(rows[k], 0), m_rows->index(rows[end - 1], m_rows->columnCount() - 1));
        k = end;
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (rows.empty() || rows.front() < 0 || rows.front() >= rowCount())
        return;
    const QModelIndex first = m_rows->index(rows.front(), 0);
    selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    // After a refill the view lays its rows out later; scrolling needs them now.
    doItemsLayout();
    scrollTo(first);
}

void ReportList::sortRowsBy(int column)
{
    if (column < 0 || column >= int(m_columns.size()))
        return;
    const SortDirection direction = column == m_sortedColumn && m_sortDirection == SortDirection::Ascending
                                        ? SortDirection::Descending
                                        : SortDirection::Ascending;
    sortRows(column, direction);
}

int ReportList::sortRowsAgain(RowSort sort, int followed)
{
    if (sort.column < 0 || sort.column >= int(m_columns.size()))
        return followed;
    const std::vector<int> order = sortRows(sort.column, sort.direction);
    const auto at = std::find(order.begin(), order.end(), followed);
    return at == order.end() ? followed : int(at - order.begin());
}

std::vector<int> ReportList::sortRows(int column, SortDirection direction)
{
    std::vector<int> order;
    if (rowCount() >= 2) {
        std::vector<QString> cells;
        cells.reserve(size_t(rowCount()));
        for (int row = 0; row < rowCount(); ++row)
            cells.push_back(text(row, column));
        order = stableSortOrder(cells, m_columns[size_t(column)].order, direction);
        m_rows->reorder(order);
    }
    m_sortedColumn = column;
    m_sortDirection = direction;
    QHeaderView *titles = horizontalHeader();
    titles->setSortIndicator(column, direction == SortDirection::Ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    titles->setSortIndicatorShown(true);
    return order;
}

void ReportList::forgetSortOrder()
{
    m_sortedColumn = -1;
    m_sortDirection = SortDirection::Ascending;
    horizontalHeader()->setSortIndicatorShown(false);
}

} // namespace k510::ui
