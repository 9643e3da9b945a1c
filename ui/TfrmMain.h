// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EditorSettings.h"
#include "MainMenu.h"
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
class ChannelListPage;
class DeleteCommands;
class DragCommands;
class EditCommands;
class EditHistory;
class FavouriteCommands;
class FileCommands;
class HistoryCommands;
class ImportCommands;
class OrderCommands;
class PrintCommands;
class SatellitesXmlCommand;
class PopupMenu;
struct PopupEntries;
class ChannelPage;
class FavouritesPage;
class PageTabs;
class ReportList;
class SatellitePage;
class StatusPanels;
class TransponderPage;
} // namespace k510::ui

// The editor's main window: it owns the channel database, shows it on six
// pages and dispatches the menus' and the lists' commands. The pages, rows,
// status bar and commands live in their own classes; this class wires them
// together and keeps the state they share (sortColumn).
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // Page indices of Pages, in tab order.
    enum Page { PageSat, PageTp, PageTv, PageRadio, PageFavTv, PageFavRadio, PageCount };

    explicit TfrmMain(UserDialogs &dialogs, QWidget *parent = nullptr);
    ~TfrmMain() override;

    [[nodiscard]] const k510::ChannelDatabase &database() const { return m_database; }
    [[nodiscard]] UserDialogs &dialogs() const { return m_dialogs; }
    [[nodiscard]] int sortColumn() const { return m_sortColumn; }

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
    [[nodiscard]] k510::ui::HistoryCommands &transferHistory() const { return *m_transferHistory; }
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
    [[nodiscard]] k510::ui::EditHistory &history() const { return *m_history; }
    // Before the database is replaced or the window closes: asks
    // "Сохранить изменения в базе каналов?" when there are unsaved changes.
    // "Да" saves (a failed or cancelled save answers false), "Нет" drops
    // them, "Отмена" answers false.
    [[nodiscard]] bool mayDropChanges();

    // Page filling.
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
    void ShowChannelInfo(k510::ui::ReportList *list);

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
    // Selects what `select` finds on the TV or radio page shown and notes it.
    void selectOnChannelPage(QString (k510::ui::OrderCommands::*select)(k510::ChannelKind));
    void buildPages();
    void connectHandlers();
    void onPageShown(int index);
    void showPage(int index);
    void sortListByColumn(k510::ui::ReportList *list, int column);
    // Each panel shows its list's selected channel, or nothing when no row
    // is selected: after every change to the database.
    void showSelectedChannels();
    // What the context menu offers on the page shown, as it stands now.
    [[nodiscard]] k510::ui::PopupEntries currentPopupEntries() const;
    // "Правка" offers the context menu's commands as the page shown does.
    void updateEditMenu();
    // Panel 0 after a file was written: "Сохранено: db.k5d", the full path
    // in its tooltip.
    void showFileWritten(const QString &what, const QString &path);
    void setTitle(const QString &path);
    // After a database was loaded: every page starts again from it, the
    // satellites page shown.
    void showNewDatabase();
    // After undo and redo: every page shows the database as it now is, on
    // the same page and selector entries where they still exist.
    void showDatabaseAgain();
    void wireHistory();
    void wireFindFields();
    void wireSelectionCount();
    // "Выделено: N" for the list of the page shown.
    void showSelectedCount();

    UserDialogs &m_dialogs;
    k510::ChannelDatabase m_database;
    int m_sortColumn = 0;
    bool m_showingPageFromCode = false;
    // Declared in this order so the controller, which waits for running
    // workers when destroyed, goes before the host it calls into.
    std::unique_ptr<MainWindowTransferHost> m_transferHost;
    std::unique_ptr<TransferController> m_transfers;
    k510::ui::HistoryCommands *m_transferHistory = nullptr;

    k510::ui::MainMenuActions m_menu{};
    k510::ui::PageTabs *m_pages = nullptr;
    k510::ui::SatellitePage *m_satPage = nullptr;
    k510::ui::TransponderPage *m_tpPage = nullptr;
    k510::ui::ChannelPage *m_tvPage = nullptr;
    k510::ui::ChannelPage *m_radioPage = nullptr;
    k510::ui::FavouritesPage *m_favTvPage = nullptr;
    k510::ui::FavouritesPage *m_favRadioPage = nullptr;
    std::array<k510::ui::ChannelListPage *, 4> m_channelPages{};
    k510::ui::StatusPanels *m_status = nullptr;
    k510::ui::PopupMenu *m_popupMenu = nullptr;
    std::unique_ptr<k510::ui::EditCommands> m_edits;
    std::unique_ptr<k510::ui::DeleteCommands> m_deletes;
    k510::ui::DragCommands *m_drags = nullptr;
    k510::ui::FavouriteCommands *m_favourites = nullptr;
    k510::ui::EditHistory *m_history = nullptr;
    k510::ui::FileCommands *m_files = nullptr;
    k510::ui::OrderCommands *m_orders = nullptr;
    k510::ui::PrintCommands *m_prints = nullptr;
    k510::ui::SatellitesXmlCommand *m_satellitesXml = nullptr;
    k510::ui::ImportCommands *m_imports = nullptr;
    EditorSettings m_settings;
};
