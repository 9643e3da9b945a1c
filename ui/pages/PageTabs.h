// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"
#include "model/ChannelKind.h"
#include "ui/lists/NewChannels.h"

#include <QTabWidget>

#include <array>
#include <optional>

namespace k510::ui {

// The six pages, in tab order.
enum class PageId { Satellites, Transponders, Tv, Radio, FavouriteTv, FavouriteRadio };
inline constexpr int kPageCount = 6;

// The kind of channel a page lists; none on the satellites and transponders pages.
[[nodiscard]] constexpr std::optional<ChannelKind> kindOfPage(PageId page)
{
    switch (page) {
    case PageId::Tv:
    case PageId::FavouriteTv: return ChannelKind::Tv;
    case PageId::Radio:
    case PageId::FavouriteRadio: return ChannelKind::Radio;
    default: return std::nullopt;
    }
}
[[nodiscard]] constexpr bool isFavouritesPage(PageId page)
{
    return page == PageId::FavouriteTv || page == PageId::FavouriteRadio;
}
// The TV or radio page, which lists its kind's whole order or a satellite's channels.
[[nodiscard]] constexpr bool isChannelPage(PageId page)
{
    return page == PageId::Tv || page == PageId::Radio;
}

class ChannelListPage;
class ChannelPage;
class FavouritesPage;
class ReportList;
class SatellitePage;
class TransponderPage;

// The tab control "Pages": the six pages in tab order (satellites,
// transponders, TV, radio, TV favourites, radio favourites).
class PageTabs : public QTabWidget {
    Q_OBJECT
public:
    PageTabs(const ChannelDatabase &db, QWidget *parent);

    SatellitePage *const satellites;
    TransponderPage *const transponders;
    ChannelPage *const tv;
    ChannelPage *const radio;
    FavouritesPage *const favouriteTv;
    FavouritesPage *const favouriteRadio;

    // The channels the last ordering or import found new ("Новые").
    [[nodiscard]] NewChannels &newChannels() { return m_newChannels; }

    // TV, radio, TV favourites, radio favourites.
    [[nodiscard]] std::array<ChannelListPage *, 4> channelPages() const;
    // The list of page 0..5; nullptr for any other number.
    [[nodiscard]] ReportList *listOf(int page) const;
    [[nodiscard]] ChannelListPage *channelPageOf(const ReportList *list) const;
    [[nodiscard]] PageId currentPage() const { return PageId(currentIndex()); }
    // The "Спутник" column after the others of the transponder, TV and radio lists.
    void showSatelliteColumn(bool shown);
    // Rows can be dragged while a page shows its whole list unfiltered.
    void updateDragging();
    // Empties every list and selector, as before a database is shown anew.
    void resetAll();
    // Empties the selectors only: the lists keep their rows.
    void resetSelectors();
    void resetGroupSelectors();
    // Whether the satellite selectors name the database's satellites, in
    // order, after "ВСЕ СПУТНИКИ".
    [[nodiscard]] bool selectorsNameSatellitesOf(const ChannelDatabase &db) const;
    // After a change to the database: the page shown reads its rows again
    // keeping its sort, filter, scroll place and selection; the others are
    // filled again when they are shown.
    void showChanges(int page);

    // The entry chosen in the satellite selector of the transponder, TV or
    // radio page (pages 1 to 3), or -1.
    [[nodiscard]] int satelliteEntryOf(int page) const;

    // The entries the five selectors show, kept while the pages are filled
    // anew and then chosen again.
    struct Choices {
        int transponders, tv, radio, tvGroup, radioGroup;
        bool operator==(const Choices &) const = default;
    };
    [[nodiscard]] Choices choices() const;
    // Each entry that still exists is chosen again, else the first. The
    // group selectors are filled first where their page offers groups of db.
    void choose(const Choices &choices, const ChannelDatabase &db);

private:
    NewChannels m_newChannels;
};

} // namespace k510::ui
