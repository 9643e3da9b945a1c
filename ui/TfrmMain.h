// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EditorSettings.h"
#include "EditorSession.h"
#include "MainMenu.h"
#include "PagePresenter.h"
#include "pages/PageTabs.h"
#include "model/ChannelDatabase.h"
#include "model/ChannelKind.h"

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <memory>
#include <span>

class MainWindowTransferHost;
class TransferController;
class UserDialogs;

namespace k510::ui {
class EditHistory;
class HistoryCommands;
class OrderCommands;
class EditorSession;
class PagePresenter;
class PopupMenu;
class StatusPanels;
struct PopupEntries;
struct WindowCommands;
} // namespace k510::ui

// The editor's main window: it shows the session's database on six pages
// and dispatches the menus' and the lists' commands to the classes that
// carry them out. The session holds the database, its history and its file;
// the presenter keeps the pages and the status bar up to date.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // Page indices of Pages, in tab order.
    enum Page {
        PageSat = int(k510::ui::PageId::Satellites),
        PageTp = int(k510::ui::PageId::Transponders),
        PageTv = int(k510::ui::PageId::Tv),
        PageRadio = int(k510::ui::PageId::Radio),
        PageFavTv = int(k510::ui::PageId::FavouriteTv),
        PageFavRadio = int(k510::ui::PageId::FavouriteRadio),
        PageCount = k510::ui::kPageCount
    };

    explicit TfrmMain(UserDialogs &dialogs, QWidget *parent = nullptr);
    ~TfrmMain() override;

    [[nodiscard]] const k510::ChannelDatabase &database() const { return m_session->database(); }
    [[nodiscard]] UserDialogs &dialogs() const { return m_dialogs; }
    [[nodiscard]] int sortColumn() const { return m_presenter->sortColumn(); }
    [[nodiscard]] k510::ui::EditorSession &session() const { return *m_session; }

    // Loads a whole image exactly as "Открыть" does, without touching the
    // title (a received image). A refused image changes nothing and its
    // reason is shown. Returns whether the image was taken.
    bool loadImage(std::span<const std::uint8_t> image);
    // "Открыть" for a known path (the command line): reads, loads, and on
    // success names the file in the title.
    bool openFile(const QString &path);
    // A database fetched from the receiver: loaded as an opened file is, but
    // it lives in no file yet, so the title names none and it counts as
    // unsaved until "Сохранить как..." writes it somewhere.
    bool loadReceivedImage(std::span<const std::uint8_t> image);

    // Status panel 0 belongs to transfers.
    void setTransferStatus(const QString &text);
    // A settings file could not be read or written: said once in the status
    // bar, since the editor works on without it.
    void reportSettingsProblem(const QString &problem);

    // The "Связь" menu: sending, receiving and the port settings, with the
    // port name and speed text they use.
    [[nodiscard]] TransferController &transfers() const { return *m_transfers; }
    // The transfer history and the comparison window.
    [[nodiscard]] k510::ui::HistoryCommands &transferHistory() const;
    // "k510-editor.ini": what the window remembers between runs.
    [[nodiscard]] EditorSettings &editorSettings() { return m_settings; }

    // "Файл" menu.
    void mmFileOpenClick();
    void mmFileSaveClick();
    void N5Click();
    void N6Click();
    void mmFileExportCsvClick();
    // Shows page 0..5 and writes it as it shows to a PDF file, without
    // questions; a favourites page gives every group that holds channels.
    // The error text, empty when the file was written.
    [[nodiscard]] QString exportPdf(int page, const QString &path);
    void mmHelpAboutClick();
    // "Справка" > "Клавиши" (F1): the key list, in its own window.
    void mmHelpKeysClick();
    // Opens a file from "Последние файлы"; a file that is gone is reported
    // and taken off the list.
    void openRecentFile(const QString &path);
    // The page the window showed when it last closed.
    void showLastPage();

    // Undo and redo of every change to the database, and whether it holds
    // changes not yet saved.
    [[nodiscard]] k510::ui::EditHistory &history() const { return m_session->history(); }
    // Before the database is replaced or the window closes: asks
    // "Сохранить изменения в базе каналов?" when there are unsaved changes.
    // "Да" saves (a failed or cancelled save answers false), "Нет" drops
    // them, "Отмена" answers false.
    [[nodiscard]] bool mayDropChanges();

    // The context menu of the six lists and its commands, dispatched by page.
    void PopupMenuPopup();
    void pmAddClick();
    void pmChangeClick();
    void pmDeleteClick();
    void pmDelAllClick();
    void pmOrderAsShownClick();
    // "Переместить на позицию..." (Ctrl+G in a channel list).
    void mmEditMoveToClick();
    // "Правка" > "Упорядочить по образцу...", and "Выделить дубликаты" or
    // "Выделить похожие названия", whichever sent it.
    void mmEditOrderByExampleClick();
    void mmEditSelectDuplicatesClick();
    void mmEditSelectSimilarNamesClick();
    void mmEditImportClick();

signals:
    // The window closes: the settings file has been written.
    void closing();

protected:
    void closeEvent(QCloseEvent *event) override;
    // A .k5d file dropped onto the window opens as "Открыть" opens it.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void connectHandlers();
    void connectListCommands();
    // "Правка" offers the context menu's commands as the page shown does.
    void updateEditMenu();

    UserDialogs &m_dialogs;
    EditorSettings m_settings;
    k510::ui::EditorSession *m_session;
    k510::ui::MainMenuActions m_menu{};
    k510::ui::PageTabs *m_pages;
    k510::ui::StatusPanels *m_status;
    k510::ui::PagePresenter *m_presenter;
    k510::ui::PopupMenu *m_popupMenu;
    std::unique_ptr<k510::ui::WindowCommands> m_commands;
    // Declared in this order so the controller, which waits for running
    // workers when destroyed, goes before the host it calls into.
    std::unique_ptr<MainWindowTransferHost> m_transferHost;
    std::unique_ptr<TransferController> m_transfers;
};
