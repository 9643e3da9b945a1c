// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
    explicit PageTabs(QWidget *parent);

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
    // Empties every list and selector, as before a database is shown anew.
    void resetAll();
};

} // namespace k510::ui
