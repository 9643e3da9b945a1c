// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageTabs.h"

#include "ChannelPage.h"
#include "FavouritesPage.h"
#include "SatellitePage.h"
#include "SatelliteChoiceList.h"
#include "ui/lists/ChannelTexts.h"
#include "ui/lists/ModelStrings.h"
#include "ui/lists/ReportList.h"
#include "TransponderPage.h"

#include <QComboBox>

namespace k510::ui {

PageTabs::PageTabs(const ChannelDatabase &db, QWidget *parent)
    : QTabWidget(parent)
    , satellites(new SatellitePage(db, this))
    , transponders(new TransponderPage(db, this))
    , tv(new ChannelPage(db, ChannelKind::Tv, this))
    , radio(new ChannelPage(db, ChannelKind::Radio, this))
    , favouriteTv(new FavouritesPage(db, ChannelKind::Tv, this))
    , favouriteRadio(new FavouritesPage(db, ChannelKind::Radio, this))
{
    setObjectName(QStringLiteral("Pages"));
    // Every tab caption stays whole; the window is never narrower than the tabs.
    setElideMode(Qt::ElideNone);
    setUsesScrollButtons(false);
    addTab(satellites, QStringLiteral(" Спутники"));
    addTab(transponders, QStringLiteral("Транспондеры"));
    addTab(tv, QStringLiteral("Каналы ТВ"));
    addTab(radio, QStringLiteral("Каналы Радио"));
    addTab(favouriteTv, QStringLiteral("Избранные ТВ"));
    addTab(favouriteRadio, QStringLiteral("Избранные Радио"));
    setCurrentIndex(0);
    for (ChannelListPage *page : channelPages())
        page->useNewChannels(m_newChannels);
}

std::array<ChannelListPage *, 4> PageTabs::channelPages() const
{
    return {tv, radio, favouriteTv, favouriteRadio};
}

ReportList *PageTabs::listOf(int page) const
{
    switch (page) {
    case 0: return satellites->list();
    case 1: return transponders->list();
    case 2: return tv->list();
    case 3: return radio->list();
    case 4: return favouriteTv->list();
    case 5: return favouriteRadio->list();
    default: return nullptr;
    }
}

void PageTabs::showSatelliteColumn(bool shown)
{
    for (ReportList *list : {transponders->list(), tv->list(), radio->list()})
        list->showOptionalColumn(shown, satelliteColumn());
}

ChannelListPage *PageTabs::channelPageOf(const ReportList *list) const
{
    for (ChannelListPage *page : channelPages()) {
        if (page->list() == list)
            return page;
    }
    return nullptr;
}

void PageTabs::updateDragging()
{
    for (ChannelListPage *page : channelPages()) {
        const auto *channels = qobject_cast<const ChannelPage *>(page);
        const bool wholeList = !channels || channels->showsWholeOrder();
        page->list()->setDragEnabled(wholeList && !page->list()->filtering());
    }
}

void PageTabs::resetAll()
{
    satellites->reset();
    transponders->reset();
    tv->reset();
    radio->reset();
    favouriteTv->reset();
    favouriteRadio->reset();
}

void PageTabs::resetSelectors()
{
    transponders->resetSelector();
    tv->resetSelector();
    radio->resetSelector();
    resetGroupSelectors();
}

void PageTabs::resetGroupSelectors()
{
    favouriteTv->selector()->clear();
    favouriteRadio->selector()->clear();
}

bool PageTabs::selectorsNameSatellitesOf(const ChannelDatabase &db) const
{
    const auto names = [&db](auto *selector, auto textOf) {
        if (selector->count() != int(db.satellites.size()) + 1)
            return false;
        for (std::size_t s = 0; s < db.satellites.size(); ++s)
            if (textOf(int(s) + 1) != fromWindows1251(db.satellites[s].name))
                return false;
        return true;
    };
    const SatelliteChoiceList *tpSelector = transponders->selector();
    return names(tpSelector, [tpSelector](int entry) { return tpSelector->entryText(entry); })
           && names(tv->selector(), [this](int entry) { return tv->selector()->itemText(entry); })
           && names(radio->selector(), [this](int entry) { return radio->selector()->itemText(entry); });
}

void PageTabs::showChanges(int page)
{
    switch (page) {
    case 0: satellites->showChanges(); break;
    case 1: transponders->showChanges(); break;
    default:
        if (page >= 2 && page < 6)
            channelPages()[std::size_t(page - 2)]->showChanges();
    }
}

int PageTabs::satelliteEntryOf(int page) const
{
    switch (page) {
    case 1: return transponders->selector()->currentIndex();
    case 2: return tv->selector()->currentIndex();
    case 3: return radio->selector()->currentIndex();
    default: return -1;
    }
}

PageTabs::Choices PageTabs::choices() const
{
    return {transponders->selector()->currentIndex(), tv->selector()->currentIndex(),
            radio->selector()->currentIndex(), favouriteTv->selector()->currentIndex(),
            favouriteRadio->selector()->currentIndex()};
}

void PageTabs::choose(const Choices &choices, const ChannelDatabase &db)
{
    const auto restore = [](auto *selector, int entry) {
        selector->setCurrentIndex(entry >= 0 && entry < selector->count() ? entry : 0);
    };
    restore(transponders->selector(), choices.transponders);
    restore(tv->selector(), choices.tv);
    restore(radio->selector(), choices.radio);
    // As showing the favourites pages does: TV groups once there are
    // satellites, radio groups once there are radio channels.
    if (choices.tvGroup >= 0 && !db.satellites.empty()) {
        favouriteTv->prepareGroups();
        restore(favouriteTv->selector(), choices.tvGroup);
    }
    if (choices.radioGroup >= 0 && !db.radioOrder.empty()) {
        favouriteRadio->prepareGroups();
        restore(favouriteRadio->selector(), choices.radioGroup);
    }
}

} // namespace k510::ui
