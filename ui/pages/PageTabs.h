// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"

#include <QTabWidget>

#include <array>

namespace k510::ui {

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

    // TV, radio, TV favourites, radio favourites.
    [[nodiscard]] std::array<ChannelListPage *, 4> channelPages() const;
    // The list of page 0..5; nullptr for any other number.
    [[nodiscard]] ReportList *listOf(int page) const;
    [[nodiscard]] ChannelListPage *channelPageOf(const ReportList *list) const;
    // Rows can be dragged while a page shows its whole list unfiltered.
    void updateDragging();
    // Empties every list and selector, as before a database is shown anew.
    void resetAll();
    // Empties the selectors only: the lists keep their rows.
    void resetSelectors();
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
};

} // namespace k510::ui
