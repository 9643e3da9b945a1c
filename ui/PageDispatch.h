// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelKind.h"

#include <QString>

namespace k510::ui {

class OrderCommands;
class PagePresenter;
class PageTabs;
class StatusPanels;
struct PopupEntries;
struct WindowCommands;

// The list commands of the menus carried out on the page shown: each asks
// which page that is and hands the command to the one that serves it, and
// brings the status bar up to date after the commands that change counts.
class PageDispatch {
public:
    PageDispatch(WindowCommands &commands, PageTabs &pages, PagePresenter &presenter, StatusPanels &status);

    void add();
    void change();
    void remove();
    void purge();
    void orderAsShown();
    void moveToPosition();
    void orderByExample();
    void importChannels();
    void exportCsv();
    void selectDuplicates();
    void selectSimilarNames();
    // What the context menu offers on the page shown, as it stands now.
    [[nodiscard]] PopupEntries popupEntries() const;

private:
    // Selects what `select` finds on the TV or radio page shown and notes it.
    void selectOnChannelPage(QString (OrderCommands::*select)(ChannelKind));

    WindowCommands &m_commands;
    PageTabs &m_pages;
    PagePresenter &m_presenter;
    StatusPanels &m_status;
};

} // namespace k510::ui
