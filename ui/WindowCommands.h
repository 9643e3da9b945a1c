// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class EditorSettings;
class QMainWindow;
class TransferController;
class UserDialogs;

namespace k510::ui {

class DeleteCommands;
class DragCommands;
class EditCommands;
class EditorSession;
class FavouriteCommands;
class FileCommands;
class HistoryCommands;
class ImportCommands;
class OrderCommands;
class PageDispatch;
class PagePresenter;
class PageTabs;
class PrintCommands;
class SatellitesXmlCommand;
class SelectionCommands;
class StatusPanels;
struct MainMenuActions;

// What the main window's commands work on.
struct WindowParts {
    EditorSession &session;
    UserDialogs &dialogs;
    EditorSettings &settings;
    QMainWindow &window;   // the parent of the dialogs
    const MainMenuActions &menu;
    PageTabs &pages;
    StatusPanels &status;
    PagePresenter &presenter;
    TransferController &transfers;
};

// The commands behind the menus and the lists, each made once with the
// parts it works on. The QObjects among them are children of the window.
// The menu items that need no page to act on are connected to them here.
struct WindowCommands {
    explicit WindowCommands(const WindowParts &parts);
    ~WindowCommands();
    WindowCommands(const WindowCommands &) = delete;
    WindowCommands &operator=(const WindowCommands &) = delete;

    FileCommands *files;
    std::unique_ptr<EditCommands> edits;
    FavouriteCommands *favourites;
    std::unique_ptr<DeleteCommands> deletes;
    DragCommands *drags;
    OrderCommands *orders;
    SatellitesXmlCommand *satellitesXml;
    PrintCommands *prints;
    ImportCommands *imports;
    HistoryCommands *transferHistory;
    SelectionCommands *selection;
    // The list commands, carried out on the page shown.
    std::unique_ptr<PageDispatch> onPage;

private:
    void connectMenu(const WindowParts &parts);
};

} // namespace k510::ui
