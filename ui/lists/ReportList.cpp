// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportList.h"

#include "ListProxy.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QDrag>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace k510::ui {

QStringList titlesOf(const std::vector<ReportColumn> &columns)
{
    QStringList titles;
    for (const ReportColumn &column : columns)
        titles.append(column.title);
    return titles;
}

namespace {

// The rows of a list that has none yet.
class NoRows : public ListRows {
public:
    using ListRows::ListRows;

protected:
    [[nodiscard]] std::vector<Row> readRows() const override { return {}; }
    [[nodiscard]] QString cellText(const Row &, int) const override { return {}; }
};

std::vector<ColumnOrder> ordersOf(const std::vector<ReportColumn> &columns)
{
    std::vector<ColumnOrder> orders;
    for (const ReportColumn &column : columns)
        orders.push_back(column.order);
    return orders;
}

} // namespace

ReportList::ReportList(const QString &objectName, std::vector<ReportColumn> columns, Selection selection,
                       ListRows *rows, QWidget *parent)
    : QTableView(parent), m_rows(nullptr), m_shown(new ListProxy(ordersOf(columns), this)), m_columns(std::move(columns))
{
    setObjectName(objectName);
    setModel(m_shown);
    setRows(rows ? rows : new NoRows(titlesOf(m_columns), this));
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

    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex &index) { emit rowClicked(index.row(), m_releaseModifiers); });
}

void ReportList::setRows(ListRows *rows)
{
    if (!rows || rows == m_rows)
        return;
    ListRows *previous = m_rows;
    m_rows = rows;
    m_rows->setParent(this);
    connect(m_rows, &ListRows::aboutToRefresh, this, &ReportList::notePlace);
    connect(m_rows, &ListRows::refreshed, this, &ReportList::restorePlace);
    connect(m_rows, &ListRows::aboutToRefill, this, &ReportList::forgetSortOrder);
    // No number in the "#" column is ever cut.
    connect(m_rows, &QAbstractItemModel::modelReset, this, &ReportList::fitNumberColumn);
    m_shown->setSourceModel(m_rows);
    fitNumberColumn();
    delete previous;
}

int ReportList::rowCount() const
{
    return m_shown->rowCount();
}

QModelIndex ReportList::shownIndex(int row, int column) const
{
    return m_shown->index(row, column);
}

QString ReportList::text(int row, int column) const
{
    return m_rows->text(sourceRowOf(row), column);
}

QStringList ReportList::cells(int row) const
{
    return m_rows->cells(sourceRowOf(row));
}

int ReportList::identityOf(int row) const
{
    return m_rows->identityOf(sourceRowOf(row));
}

int ReportList::numberOf(int row) const
{
    return m_rows->numberOf(sourceRowOf(row));
}

int ReportList::placeOf(int row) const
{
    return m_rows->placeOf(sourceRowOf(row));
}

int ReportList::sourceRowOf(int row) const
{
    if (row < 0 || row >= rowCount())
        return -1;
    return m_shown->mapToSource(shownIndex(row)).row();
}

int ReportList::rowOfSource(int sourceRow) const
{
    if (sourceRow < 0 || sourceRow >= m_rows->count())
        return -1;
    const QModelIndex shown = m_shown->mapFromSource(m_rows->index(sourceRow, 0));
    return shown.isValid() ? shown.row() : -1;
}

int ReportList::rowOfIdentity(int identity) const
{
    for (int row = 0; row < rowCount(); ++row)
        if (identityOf(row) == identity)
            return row;
    return -1;
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
    if (rowCount() == 0)
        return {};
    const int column = std::max(currentIndex().column(), 0);
    return shownIndex(cursorAction == MoveHome ? 0 : rowCount() - 1, column);
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
        cells.append(shownIndex(row));
    auto *drag = new QDrag(this);
    drag->setMimeData(m_shown->mimeData(cells));
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
    const QRect row = visualRect(shownIndex(belowLast ? rowCount() - 1 : m_dropLineRow));
    const int y = belowLast ? row.bottom() : row.top();
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), 2));
    painter.drawLine(0, y, viewport()->width(), y);
}

void ReportList::setRowFilter(int column, const QString &text)
{
    if (column == 1 && text == m_shown->filterText())
        return;
    // A row that goes out of sight must not stay selected: commands act on
    // the selection.
    clearSelection();
    m_shown->setTextFilter(column, text);
}

void ReportList::setRowConditions(std::function<std::function<bool(int)>()> makeTest)
{
    clearSelection();
    m_shown->setRowTestMaker(std::move(makeTest));
}

bool ReportList::filtering() const
{
    return m_shown->filtering();
}

const QString &ReportList::filterText() const
{
    return m_shown->filterText();
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
    selectionModel()->select(shownIndex(row), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ReportList::selectRows(const std::vector<int> &rows)
{
    selectionModel()->select(selectionOfRows(*m_shown, rows),
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (rows.empty() || rows.front() < 0 || rows.front() >= rowCount())
        return;
    const QModelIndex first = shownIndex(rows.front());
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
    m_sortedColumn = column;
    m_sortDirection = direction;
    const Qt::SortOrder order = direction == SortDirection::Ascending ? Qt::AscendingOrder : Qt::DescendingOrder;
    m_shown->sort(column, order);
    QHeaderView *titles = horizontalHeader();
    titles->setSortIndicator(column, order);
    titles->setSortIndicatorShown(true);
}

void ReportList::forgetSortOrder()
{
    m_sortedColumn = -1;
    m_sortDirection = SortDirection::Ascending;
    m_shown->sort(-1);
    horizontalHeader()->setSortIndicatorShown(false);
}

} // namespace k510::ui
