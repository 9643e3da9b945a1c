// SPDX-License-Identifier: GPL-3.0-or-later
#include "PagePresenter.h"

#include "EditorSession.h"
#include "StatusPanels.h"
#include "commands/EditHistory.h"
#include "pages/ChannelPage.h"
#include "pages/FavouritesPage.h"
#include "pages/PageTabs.h"
#include "pages/SatelliteChoiceList.h"
#include "pages/SatellitePage.h"
#include "pages/TransponderPage.h"
#include "ui/lists/ModelStrings.h"
#include "ui/lists/ReportList.h"

#include <QComboBox>
#include <QUndoStack>

namespace k510::ui {

PagePresenter::PagePresenter(EditorSession &session, PageTabs &pages, StatusPanels &status, QObject *parent)
    : QObject(parent), m_session(session), m_pages(pages), m_status(status)
{
    connect(&m_session, &EditorSession::databaseReplaced, this, &PagePresenter::showNewDatabase);
    connect(&m_session, &EditorSession::databaseChanged, this, &PagePresenter::showDatabaseAgain);
    // A deleted channel must not stay in a panel, nor one undone away.
    connect(&m_session.history().stack(), &QUndoStack::indexChanged, this, &PagePresenter::showSelectedChannels);
    connectPages();
}

void PagePresenter::connectPages()
{
    connect(&m_pages, &QTabWidget::currentChanged, this, &PagePresenter::onPageShown);
    connect(m_pages.transponders->selector(), &SatelliteChoiceList::entryChosen, this,
            &PagePresenter::cbTpSelectSatSelect);
    connect(m_pages.tv->selector(), &QComboBox::activated, this, &PagePresenter::cbTvSelectSatSelect);
    connect(m_pages.radio->selector(), &QComboBox::activated, this, &PagePresenter::cbRadioSelectSatSelect);
    connect(m_pages.favouriteTv->selector(), &QComboBox::activated, this, &PagePresenter::cbFavTvGrpSelect);
    connect(m_pages.favouriteRadio->selector(), &QComboBox::activated, this, &PagePresenter::cbFavRadioGrpSelect);
    for (int page = 0; page < 6; ++page) {
        ReportList *list = m_pages.listOf(page);
        connect(list, &ReportList::columnClicked, this, [this, list](int column) { sortListByColumn(list, column); });
        connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                &PagePresenter::showSelectedCount);
        // A refill forgets the selection without announcing it.
        connect(&list->rows(), &QAbstractItemModel::modelReset, this, &PagePresenter::showSelectedCount);
        connect(&list->rows(), &ListRows::refreshed, this, &PagePresenter::showSelectedCount);
    }
    connect(&m_pages, &QTabWidget::currentChanged, this, &PagePresenter::showSelectedCount);
    for (ChannelListPage *page : m_pages.channelPages()) {
        page->followSelection();
        connect(page, &ChannelListPage::rowFilterChanged, this, [this] {
            m_pages.updateDragging();
            UpdateStatusBar();
            showSelectedCount();
        });
    }
}

void PagePresenter::ResetViews()
{
    m_pages.resetAll();
}

void PagePresenter::showPage(int index)
{
    // Showing a page from code runs its show handler but is no page change
    // by the user, so PagesChange does not run.
    m_showingPageFromCode = true;
    if (m_pages.currentIndex() == index)
        onPageShown(index);
    else
        m_pages.setCurrentIndex(index);
    m_showingPageFromCode = false;
}

void PagePresenter::onPageShown(int index)
{
    switch (index) {
    case 0: sheetSatShow(); break;
    case 1: sheetTpShow(); break;
    case 2: sheetTvShow(); break;
    case 3: sheetRadioShow(); break;
    case 4: sheetFavTvShow(); break;
    case 5: sheetFavRadioShow(); break;
    default: return;
    }
    if (!m_showingPageFromCode)
        PagesChange();
}

void PagePresenter::sheetSatShow()
{
    if (m_pages.satellites->list()->rowCount() > 0)
        return;
    m_pages.satellites->fill();
    addSatelliteEntries();
}

void PagePresenter::addSatelliteEntries()
{
    for (const k510::Satellite &satellite : m_session.database().satellites) {
        const QString name = fromWindows1251(satellite.name);
        m_pages.transponders->selector()->addEntry(name);
        m_pages.tv->addSatelliteEntry(name);
        m_pages.radio->addSatelliteEntry(name);
    }
}

void PagePresenter::sheetTpShow()
{
    cbTpSelectSatSelect();
}

void PagePresenter::cbTpSelectSatSelect()
{
    m_pages.transponders->refill();
    UpdateStatusBar();
}

void PagePresenter::sheetTvShow()
{
    cbTvSelectSatSelect();
}

void PagePresenter::cbTvSelectSatSelect()
{
    m_pages.tv->refill();
    m_pages.updateDragging();
    UpdateStatusBar();
}

void PagePresenter::sheetRadioShow()
{
    cbRadioSelectSatSelect();
}

void PagePresenter::cbRadioSelectSatSelect()
{
    m_pages.radio->refill();
    m_pages.updateDragging();
    UpdateStatusBar();
}

void PagePresenter::sheetFavTvShow()
{
    if (m_session.database().satellites.empty())
        return;
    m_pages.favouriteTv->prepareGroups();
    cbFavTvGrpSelect();
}

// The favourites pages show their group as it is, also once every channel of
// the kind has gone (the groups are empty then): a list left as it was would
// show deleted channels.
void PagePresenter::cbFavTvGrpSelect()
{
    m_pages.favouriteTv->refill();
    UpdateStatusBar();
}

void PagePresenter::sheetFavRadioShow()
{
    // Without radio channels the groups are not offered, as after opening
    // such an image; the list may still show the channels of before a delete.
    if (m_session.database().radioOrder.empty()) {
        m_pages.favouriteRadio->reset();
        UpdateStatusBar();
        return;
    }
    m_pages.favouriteRadio->prepareGroups();
    cbFavRadioGrpSelect();
}

void PagePresenter::cbFavRadioGrpSelect()
{
    m_pages.favouriteRadio->refill();
    UpdateStatusBar();
}

void PagePresenter::PagesChange()
{
    UpdateStatusBar();
}

void PagePresenter::UpdateStatusBar()
{
    // With a filter, the rows the user sees.
    if (const ReportList *list = m_pages.listOf(m_pages.currentIndex()))
        m_status.setPanelText(1, QStringLiteral("Элементов: %1").arg(list->rowCount()));
    m_status.setPanelText(2, QStringLiteral("Спутников: %1").arg(m_session.database().satellites.size()));
    m_status.setPanelText(3, QStringLiteral("Трансп.: %1").arg(m_session.database().transponders.size()));
    m_status.setPanelText(4, QStringLiteral("Каналов: %1").arg(m_session.database().channels.size()));
}

void PagePresenter::ShowChannelInfo(ReportList *list)
{
    if (ChannelListPage *page = m_pages.channelPageOf(list))
        page->showChannelOfSelectedRow();
}

void PagePresenter::sortListByColumn(ReportList *list, int column)
{
    m_sortColumn = column;
    list->sortRowsBy(column);
}

void PagePresenter::showSelectedCount()
{
    const ReportList *list = m_pages.listOf(m_pages.currentIndex());
    m_status.showSelectedCount(list ? int(list->selectedRowNumbers().size()) : 0);
    const bool filtered = list && list->filtering();
    m_status.showShownCount(filtered ? list->rowCount() : -1, filtered ? list->rows().count() : 0);
}

void PagePresenter::showNewDatabase()
{
    ResetViews();
    m_pages.transponders->selector()->setCurrentIndex(0);
    m_pages.tv->selector()->setCurrentIndex(0);
    m_pages.radio->selector()->setCurrentIndex(0);
    showPage(0);
    // The counts would otherwise still be those of the previous database,
    // and "Сохранено: " name a file this one did not come from.
    UpdateStatusBar();
    m_status.clearNote();
}

void PagePresenter::showDatabaseAgain()
{
    const int page = m_pages.currentIndex();
    const PageTabs::Choices choices = m_pages.choices();
    // The satellite selectors are made again only when the satellites they
    // name changed; the group selectors are filled again with the names.
    if (!m_pages.selectorsNameSatellitesOf(m_session.database())) {
        m_pages.resetSelectors();
        addSatelliteEntries();
    } else {
        m_pages.resetGroupSelectors();
    }
    m_pages.choose(choices, m_session.database());
    m_pages.satellites->showChanges();
    // The page shown keeps its place while it lists the same entry; the
    // others are filled anew when they are shown.
    if (m_pages.choices() == choices)
        m_pages.showChanges(page);
    else
        showPage(page);
    m_pages.updateDragging();
    UpdateStatusBar();
}

void PagePresenter::showSelectedChannels()
{
    for (ChannelListPage *page : m_pages.channelPages())
        page->showSelectedChannel();
}

} // namespace k510::ui
