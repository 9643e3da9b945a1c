// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageDispatch.h"

#include "PagePresenter.h"
#include "PopupMenu.h"
#include "StatusPanels.h"
#include "WindowCommands.h"
#include "commands/DeleteCommands.h"
#include "commands/DragCommands.h"
#include "commands/EditCommands.h"
#include "commands/FavouriteCommands.h"
#include "commands/FileCommands.h"
#include "commands/ImportCommands.h"
#include "commands/OrderCommands.h"
#include "pages/PageTabs.h"
#include "ui/lists/ReportList.h"

namespace k510::ui {

PageDispatch::PageDispatch(WindowCommands &commands, PageTabs &pages, PagePresenter &presenter, StatusPanels &status)
    : m_commands(commands), m_pages(pages), m_presenter(presenter), m_status(status)
{
}

void PageDispatch::add()
{
    const PageId page = m_pages.currentPage();
    if (page == PageId::Transponders)
        m_commands.edits->addTransponder();
    else if (isChannelPage(page))
        m_commands.edits->addChannel(*kindOfPage(page));
    else if (isFavouritesPage(page))
        // The selection dialog updates the status bar itself, and only when shown.
        return m_commands.favourites->chooseChannels(*kindOfPage(page));
    else
        return;
    m_presenter.UpdateStatusBar();
}

void PageDispatch::change()
{
    const PageId page = m_pages.currentPage();
    if (page == PageId::Satellites)
        m_commands.edits->editSatellite();
    else if (page == PageId::Transponders)
        m_commands.edits->editTransponder();
    else if (isChannelPage(page))
        m_commands.edits->editChannel(*kindOfPage(page));
    else
        return;
    // A renamed channel may have left the rows "Поиск" shows, or joined them.
    m_presenter.UpdateStatusBar();
}

void PageDispatch::remove()
{
    const PageId page = m_pages.currentPage();
    if (page == PageId::Transponders)
        m_commands.deletes->deleteTransponder();
    else if (isChannelPage(page))
        m_commands.deletes->deleteChannels(*kindOfPage(page));
    else if (isFavouritesPage(page))
        m_commands.deletes->removeFavourites(*kindOfPage(page));
    else
        return;
    m_presenter.UpdateStatusBar();
}

void PageDispatch::purge()
{
    if (const PageId page = m_pages.currentPage(); isChannelPage(page)) {
        m_commands.deletes->purge(*kindOfPage(page));
        m_presenter.UpdateStatusBar();
    }
}

void PageDispatch::orderAsShown()
{
    if (const PageId page = m_pages.currentPage(); isChannelPage(page))
        m_commands.orders->orderAsShown(*kindOfPage(page));
}

void PageDispatch::moveToPosition()
{
    m_commands.drags->moveToPosition(*m_pages.listOf(m_pages.currentIndex()));
}

void PageDispatch::orderByExample()
{
    m_commands.orders->orderByExample(kindOfPage(m_pages.currentPage()).value_or(ChannelKind::Tv));
}

void PageDispatch::importChannels()
{
    m_commands.imports->importFromOtherDatabase(m_commands.imports->selectedOrderRow());
}

void PageDispatch::exportCsv()
{
    const PageId page = m_pages.currentPage();
    const int entry = m_pages.satelliteEntryOf(int(PageId::Transponders));   // 0: "ВСЕ СПУТНИКИ"
    if (page == PageId::Transponders)
        m_commands.files->exportTransponderCsv(entry > 0 ? std::optional<std::size_t>(entry - 1) : std::nullopt);
    else
        m_commands.files->exportCsv(kindOfPage(page) == ChannelKind::Radio);
}

void PageDispatch::selectDuplicates()
{
    selectOnChannelPage(&OrderCommands::selectDuplicates);
}

void PageDispatch::selectSimilarNames()
{
    selectOnChannelPage(&OrderCommands::selectSimilarNames);
}

void PageDispatch::selectOnChannelPage(QString (OrderCommands::*select)(ChannelKind))
{
    if (const PageId page = m_pages.currentPage(); isChannelPage(page)) {
        m_status.showNote((m_commands.orders->*select)(*kindOfPage(page)), 10000);
        m_presenter.ShowChannelInfo(m_pages.listOf(m_pages.currentIndex()));
    }
}

PopupEntries PageDispatch::popupEntries() const
{
    const int page = m_pages.currentIndex();
    const ReportList *list = m_pages.listOf(page);
    return popupEntriesOn(page, m_pages.satelliteEntryOf(page), list && list->filtering(),
                          list && list->sortedColumn() >= 0);
}

} // namespace k510::ui
