// SPDX-License-Identifier: GPL-3.0-or-later
#include "DragCommands.h"

#include "model/Reordering.h"
#include "ui/lists/DragEdgeScroll.h"
#include "ui/lists/ReportList.h"
#include "ui/pages/ChannelPage.h"
#include "ui/pages/FavouritesPage.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QHeaderView>

namespace k510::ui {

DragCommands::DragCommands(ChannelDatabase &database, std::array<ChannelListPage *, 4> pages,
                           std::function<void(ChannelListPage &)> refill,
                           std::function<void(const std::function<void()> &)> record, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_pages(pages)
    , m_refill(std::move(refill))
    , m_record(std::move(record))
{
    for (ChannelListPage *page : m_pages) {
        ReportList *list = page->list();
        list->setDragDropMode(QAbstractItemView::DragDrop);
        list->setDefaultDropAction(Qt::CopyAction);
        list->setDropIndicatorShown(false);
        list->viewport()->installEventFilter(this);
        // Ctrl with an arrow, Home or End moves the selected row.
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

std::vector<std::uint16_t> *DragCommands::underlyingList(ChannelListPage &page)
{
    if (auto *channels = qobject_cast<ChannelPage *>(&page)) {
        if (channels == m_pages[0])
            return &m_database.tvOrder;
        return &m_database.radioOrder;
    }
    auto *favourites = qobject_cast<FavouritesPage *>(&page);
    if (!favourites)
        return nullptr;
    FavouriteGroups &groups = favourites == m_pages[2] ? m_database.tvFavourites : m_database.radioFavourites;
    return &groups[std::size_t(favourites->groupIndex())];
}

bool DragCommands::dragOver(ReportList &list, const QPoint &viewportPosition, const QObject *source)
{
    if (source != &list || !list.dragEnabled())
        return false;
    // One step per move of the pointer: the row under a pointer that has not
    // moved is the one the user sees there.
    if (&list != m_hoverList || viewportPosition != m_hoverPoint)
        scrollNearEdge(list, viewportPosition.y(), list.verticalHeader()->defaultSectionSize());
    m_hoverList = &list;
    m_hoverPoint = viewportPosition;
    return true;
}

void DragCommands::drop(ReportList &list, const QPoint &viewportPosition)
{
    m_hoverList = nullptr;
    const int grabbed = list.draggedRow();
    moveRowOnto(list, grabbed >= 0 ? grabbed : list.firstSelectedRow(), list.indexAt(viewportPosition).row());
}

bool DragCommands::moveSelectedRow(ReportList &list, int key)
{
    if (key != Qt::Key_Up && key != Qt::Key_Down && key != Qt::Key_Home && key != Qt::Key_End)
        return false;
    const int selected = list.firstSelectedRow();
    if (!list.dragEnabled() || selected < 0)
        return true;
    const int rows = list.rowCount();
    switch (key) {
    case Qt::Key_Up:
        if (selected > 0)
            moveRowOnto(list, selected, selected - 1);
        break;
    case Qt::Key_Down:
        if (selected + 1 < rows)
            moveRowOnto(list, selected, selected + 2 < rows ? selected + 2 : -1);
        break;
    case Qt::Key_Home: moveRowOnto(list, selected, 0); break;
    default: moveRowOnto(list, selected, -1); break;
    }
    return true;
}

void DragCommands::moveRowOnto(ReportList &list, int dragged, int target)
{
    ChannelListPage *page = pageOf(&list);
    std::vector<std::uint16_t> *entries = page ? underlyingList(*page) : nullptr;
    if (!entries || dragged < 0 || dragged >= list.rowCount())
        return;
    // "#" - 1 is the entry a row stands for while the page shows its list.
    const int from = list.referenceOf(dragged) - 1;
    const int before = target < 0 ? int(entries->size()) : list.referenceOf(target) - 1;
    if (from < 0 || std::size_t(from) >= entries->size() || before < 0 || std::size_t(before) > entries->size())
        return;
    m_record([&] {
        const int landed = moveEntry(*entries, from, before);
        m_refill(*page);
        list.selectOnly(landed);
        list.scrollTo(list.model()->index(landed, 0));
    });
}

bool DragCommands::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        ChannelListPage *page = pageOf(watched);
        return page && watched == page->list() && key->modifiers() == Qt::ControlModifier
               && moveSelectedRow(*page->list(), key->key());
    }
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    ChannelListPage *page = pageOf(watched);
    if (!page)
        return QObject::eventFilter(watched, event);
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
