// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace k510::ui {

class ChannelListPage;
class EditorSession;
class PageTabs;
class ReportList;
class StatusPanels;

// Shows the session's database on the six pages and its counts in the
// status bar: a page is filled when it is shown and when its selector entry
// is chosen, starts again when a new database comes, and shows the changes
// in place after undo, redo and the commands that change much.
class PagePresenter : public QObject {
    Q_OBJECT
public:
    PagePresenter(EditorSession &session, PageTabs &pages, StatusPanels &status, QObject *parent);

    // The column last clicked in any list: the window keeps one sort column.
    [[nodiscard]] int sortColumn() const { return m_sortColumn; }

    // Shows page 0..5 as a click on its tab does, without counting as the
    // user's page change.
    void showPage(int index);

    void ResetViews();
    void sheetSatShow();
    void sheetTpShow();
    void cbTpSelectSatSelect();
    void sheetTvShow();
    void cbTvSelectSatSelect();
    void sheetRadioShow();
    void cbRadioSelectSatSelect();
    void sheetFavTvShow();
    void cbFavTvGrpSelect();
    void sheetFavRadioShow();
    void cbFavRadioGrpSelect();
    void PagesChange();
    void UpdateStatusBar();
    void ShowChannelInfo(ReportList *list);

    // After a database was loaded: every page starts again from it, the
    // satellites page shown.
    void showNewDatabase();
    // After undo, redo and the commands that change much: the page shown
    // shows the database as it now is, keeping its place; the selectors keep
    // the entries that still exist.
    void showDatabaseAgain();

private:
    void onPageShown(int index);
    // The satellites' names in the selectors of the transponder, TV and
    // radio pages.
    void addSatelliteEntries();
    // Each panel shows its list's selected channel, or nothing.
    void showSelectedChannels();
    // "Выделено: N" for the list of the page shown.
    void showSelectedCount();
    void sortListByColumn(ReportList *list, int column);
    void connectPages();

    EditorSession &m_session;
    PageTabs &m_pages;
    StatusPanels &m_status;
    int m_sortColumn = 0;
    bool m_showingPageFromCode = false;
};

} // namespace k510::ui
