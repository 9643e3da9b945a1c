// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageTabs.h"

#include "ChannelPage.h"
#include "FavouritesPage.h"
#include "SatellitePage.h"
#include "TransponderPage.h"

namespace k510::ui {

PageTabs::PageTabs(QWidget *parent)
    : QTabWidget(parent)
    , satellites(new SatellitePage(this))
    , transponders(new TransponderPage(this))
    , tv(new ChannelPage(ChannelKind::Tv, this))
    , radio(new ChannelPage(ChannelKind::Radio, this))
    , favouriteTv(new FavouritesPage(ChannelKind::Tv, this))
    , favouriteRadio(new FavouritesPage(ChannelKind::Radio, this))
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

ChannelListPage *PageTabs::channelPageOf(const ReportList *list) const
{
    for (ChannelListPage *page : channelPages()) {
        if (page->list() == list)
            return page;
    }
    return nullptr;
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

} // namespace k510::ui
