// SPDX-License-Identifier: GPL-3.0-or-later
#include "DragCommands.h"

#include "model/Reordering.h"
#include "ui/UserDialogs.h"
#include "ui/dialogs/MoveToPositionDlg.h"
#include "ui/lists/DragEdgeScroll.h"
#include "ui/lists/ReportList.h"
#include "ui/pages/ChannelPage.h"
#include "ui/pages/FavouritesPage.h"

#include <QDropEvent>
#include <QKeyEvent>

#include <algorithm>
#include <limits>

namespace k510::ui {

DragCommands::DragCommands(ChannelDatabase &database, UserDialogs &dialogs, std::array<ChannelListPage *, 4> pages,
                           std::function<void(int, const std::function<void()> &)> record, QWidget *dialogParent)
    : QObject(dialogParent)
    , m_database(database)
    , m_dialogs(dialogs)
    , m_pages(pages)
    , m_record(std::move(record))
    , m_positionDialog(new MoveToPositionDlg(dialogParent))
{
    for (std::size_t i = 0; i < m_pages.size(); ++i) {
        ReportList *list = m_pages[i]->list();
        m_edgeScrolls[i] = new DragEdgeScroll(*list);
        connect(m_edgeScrolls[i], &DragEdgeScroll::scrolled, list, [this, list] {
            const int row = list->indexAt(m_hoverPoint).row();
            list->showDropLine(row < 0 ? list->rowCount() : row);
        });
        list->setDragDropMode(QAbstractItemView::DragDrop);
        list->setDefaultDropAction(Qt::CopyAction);
        list->setDropIndicatorShown(false);
        list->viewport()->installEventFilter(this);
        // Ctrl with an arrow, Home, End or G moves the selected rows.
        list->installEventFilter(this);
    }
}

ChannelListPage *DragCommands::pageOf(const QObject *viewportOrList) const
{
    for (ChannelListPage *page : m_pages)
        if (page->list() == viewportOrList || page->list()->viewport() == viewportOrList)
            return page;
    return nullptr;
}

std::vector<std::uint16_t> *DragCommands::underlyingList(ChannelListPage &page) const
{
    if (qobject_cast<ChannelPage *>(&page))
        return &page == m_pages[0] ? &m_database.tvOrder : &m_database.radioOrder;
    auto *favourites = qobject_cast<FavouritesPage *>(&page);
    if (!favourites)
        return nullptr;
    FavouriteGroups &groups = favourites == m_pages[2] ? m_database.tvFavourites : m_database.radioFavourites;
    return &groups[std::size_t(favourites->groupIndex())];
}

bool DragCommands::showsItsList(ChannelListPage &page) const
{
    const auto *channels = qobject_cast<const ChannelPage *>(&page);
    return !channels || channels->showsWholeOrder();
}

bool DragCommands::dragOver(ReportList &list, const QPoint &viewportPosition, const QObject *source)
{
    if (source != &list || !list.dragEnabled())
        return false;
    m_hoverPoint = viewportPosition;
    if (DragEdgeScroll *edge = edgeScrollOf(list))
        edge->hover(viewportPosition.y());
    const int row = list.indexAt(viewportPosition).row();
    list.showDropLine(row < 0 ? list.rowCount() : row);
    return true;
}

DragEdgeScroll *DragCommands::edgeScrollOf(const ReportList &list) const
{
    for (std::size_t i = 0; i < m_pages.size(); ++i)
        if (m_pages[i]->list() == &list)
            return m_edgeScrolls[i];
    return nullptr;
}

void DragCommands::drop(ReportList &list, const QPoint &viewportPosition)
{
    if (DragEdgeScroll *edge = edgeScrollOf(list))
        edge->stop();
    list.showDropLine(-1);
    std::vector<int> rows = list.selectedRowNumbers();
    // A drag started on a row outside the selection (Ctrl+press on it, say)
    // carries that row alone.
    const int grabbed = list.draggedRow();
    if (grabbed >= 0 && !std::binary_search(rows.begin(), rows.end(), grabbed))
        rows = {grabbed};
    // While the page shows its list, a row stands for its place there;
    // below the last row is the end.
    const int target = list.indexAt(viewportPosition).row();
    moveRowsBefore(list, rows, target < 0 ? std::numeric_limits<int>::max() : list.placeOf(target));
}

bool DragCommands::moveSelectedRows(ReportList &list, int key)
{
    if (key != Qt::Key_Up && key != Qt::Key_Down && key != Qt::Key_Home && key != Qt::Key_End && key != Qt::Key_G)
        return false;
    ChannelListPage *page = pageOf(&list);
    const std::vector<int> selected = list.selectedRowNumbers();
    if (!page || selected.empty())
        return true;
    if (!showsItsList(*page)) {
        emit moveUnavailable(QStringLiteral("Только для «ВСЕ СПУТНИКИ»"));
        return true;
    }
    if (key == Qt::Key_G) {
        if (list.filtering())
            emit moveUnavailable(QStringLiteral("Сначала сбросьте «Поиск»"));
        moveToPosition(list);
        return true;
    }
    // The entry the block goes before; the rows a filter hides keep their
    // places beside the shown rows around them. Nothing moves past an end.
    const int lastRow = list.rowCount() - 1;
    int before = 0;
    switch (key) {
    case Qt::Key_Up:
        if (selected.front() == 0)
            return true;
        before = list.placeOf(selected.front() - 1);
        break;
    case Qt::Key_Down:
        if (selected.back() == lastRow)
            return true;
        before = list.placeOf(selected.back() + 1) + 1;
        break;
    case Qt::Key_Home: before = list.placeOf(0); break;
    default: before = list.placeOf(lastRow) + 1; break;
    }
    moveRowsBefore(list, selected, before);
    return true;
}

bool DragCommands::canMoveToPosition(const ReportList &list) const
{
    ChannelListPage *page = pageOf(&list);
    return page && showsItsList(*page) && !list.filtering();
}

void DragCommands::moveToPosition(ReportList &list)
{
    ChannelListPage *page = pageOf(&list);
    const std::vector<int> rows = list.selectedRowNumbers();
    if (!page || !canMoveToPosition(list))
        return;
    if (rows.empty()) {
        m_dialogs.showMessage(QStringLiteral("Выделите каналы, которые нужно переместить."));
        return;
    }
    const int count = list.rowCount();
    m_positionDialog->load(count, list.placeOf(rows.front()) + 1);
    while (m_dialogs.runDialog(*m_positionDialog)) {
        const QString typed = m_positionDialog->position().trimmed();
        bool isNumber = false;
        const int number = typed.toInt(&isNumber);
        if (isNumber && number >= 1 && number <= count) {
            moveRows(list, rows, [number](const std::vector<int> &) { return number - 1; });
            return;
        }
        const QString range = QStringLiteral("Номер позиции должен быть от 1 до %1.").arg(count);
        m_dialogs.showMessage(isNumber ? range : QStringLiteral("«%1» — не число. %2").arg(typed, range));
        m_positionDialog->markRefused();
    }
}

void DragCommands::moveRowsBefore(ReportList &list, const std::vector<int> &rows, int before)
{
    moveRows(list, rows, [before](const std::vector<int> &positions) { return blockPositionBefore(positions, before); });
}

void DragCommands::moveRows(ReportList &list, const std::vector<int> &rows,
                            const std::function<int(const std::vector<int> &)> &firstPosition)
{
    ChannelListPage *page = pageOf(&list);
    std::vector<std::uint16_t> *entries = page && showsItsList(*page) ? underlyingList(*page) : nullptr;
    if (!entries || rows.empty())
        return;
    const int size = int(entries->size());
    const int currentRow = list.currentIndex().row();
    std::vector<int> positions;
    int currentInBlock = 0;
    for (const int row : rows) {
        if (row == currentRow)
            currentInBlock = int(positions.size());
        positions.push_back(list.placeOf(row));
    }
    // A list sorted by a column shows the rows in another order than their
    // entries: the block keeps the order shown.
    std::vector<int> ascending = positions;
    std::sort(ascending.begin(), ascending.end());
    if (ascending.front() < 0 || ascending.back() >= size
        || std::adjacent_find(ascending.begin(), ascending.end()) != ascending.end())
        return;
    // A block that would not fit below its place goes to the end.
    const int first = std::min(firstPosition(ascending), size - int(positions.size()));
    std::vector<std::uint16_t> moved = *entries;
    if (!moveBlock(moved, ascending, first))
        return;
    // The block in the order shown, which is the positions' own order.
    for (std::size_t i = 0; i < positions.size(); ++i)
        moved[std::size_t(first) + i] = (*entries)[std::size_t(positions[i])];
    const int count = int(positions.size());
    m_record(count, [&] {
        if (moved == *entries)
            return;
        *entries = std::move(moved);
        // The rows show the new order: a sort by a column would hide the move.
        list.forgetSortOrder();
        page->showChanges();
        list.selectPlaces(first, first + count - 1, first + currentInBlock);
    });
}

bool DragCommands::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        ChannelListPage *page = pageOf(watched);
        return page && watched == page->list() && key->modifiers() == Qt::ControlModifier
               && moveSelectedRows(*page->list(), key->key());
    }
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop && type != QEvent::DragLeave)
        return QObject::eventFilter(watched, event);
    ChannelListPage *page = pageOf(watched);
    if (!page)
        return QObject::eventFilter(watched, event);
    if (type == QEvent::DragLeave) {
        page->list()->showDropLine(-1);
        if (DragEdgeScroll *edge = edgeScrollOf(*page->list()))
            edge->stop();
        return QObject::eventFilter(watched, event);
    }
    ReportList &list = *page->list();
    auto *dropEvent = static_cast<QDropEvent *>(event);
    const QPoint position = dropEvent->position().toPoint();
    if (type == QEvent::Drop) {
        if (dropEvent->source() != &list)
            return false;
        dropEvent->setDropAction(Qt::CopyAction);
        dropEvent->accept();
        drop(list, position);
        return true;
    }
    if (!dragOver(list, position, dropEvent->source()))
        return false;   // not a row of this list: a file, say, goes on to the window
    dropEvent->setDropAction(Qt::CopyAction);
    dropEvent->accept();
    return true;
}

} // namespace k510::ui
