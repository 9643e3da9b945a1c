// SPDX-License-Identifier: GPL-3.0-or-later
#include "TfrmMain.h"

#include "EditorSession.h"
#include "FirstWindowGeometry.h"
#include "MainWindowTransferHost.h"
#include "PagePresenter.h"
#include "PopupMenu.h"
#include "StatusPanels.h"
#include "UserDialogs.h"
#include "WindowCommands.h"
#include "commands/DeleteCommands.h"
#include "commands/DragCommands.h"
#include "commands/EditCommands.h"
#include "commands/EditHistory.h"
#include "commands/FavouriteCommands.h"
#include "commands/FileCommands.h"
#include "commands/ImportCommands.h"
#include "commands/OrderCommands.h"
#include "commands/PrintCommands.h"
#include "commands/SatellitesXmlCommand.h"
#include "commands/WindowTitle.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/KeysHelpWindow.h"
#include "pages/ChannelPage.h"
#include "pages/PageTabs.h"
#include "transfer/HistoryCommands.h"
#include "transfer/TransferController.h"
#include "ui/lists/ReportList.h"

#include <QCloseEvent>
#include <QMenu>
#include <QUndoStack>

using k510::ChannelKind;
using namespace k510::ui;

TfrmMain::TfrmMain(UserDialogs &dialogs, QWidget *parent)
    : QMainWindow(parent), m_dialogs(dialogs), m_session(new EditorSession(this)), m_menu(buildMainMenu(*this)),
      m_pages(new PageTabs(m_session->database(), this)), m_status(new StatusPanels(this)),
      m_presenter(new PagePresenter(*m_session, *m_pages, *m_status, this)),
      m_popupMenu(new PopupMenu([this] { return currentPopupEntries(); }, this))
{
    setObjectName(QStringLiteral("frmMain"));
    setCentralWidget(m_pages);
    setStatusBar(m_status);
    // "[*]" is where Qt shows that the database holds unsaved changes.
    const auto showTitle = [this](const QString &path) { setWindowTitle(editorTitle(path) + QStringLiteral("[*]")); };
    showTitle({});
    connect(m_session, &EditorSession::filePathChanged, this, showTitle);
    connect(m_session, &EditorSession::modifiedChanged, this, &QWidget::setWindowModified);
    m_settings.setProblemHandler([this](const QString &problem) { reportSettingsProblem(problem); });
    // Creating the controller reads "k510.ini" for the port and the speed.
    m_transferHost = std::make_unique<MainWindowTransferHost>(*this);
    m_transfers = std::make_unique<TransferController>(*m_transferHost);
    m_commands = std::make_unique<WindowCommands>(
        WindowParts{*m_session, m_dialogs, m_settings, *this, m_menu, *m_pages, *m_status, *m_presenter, *m_transfers});
    connectHandlers();

    setGeometry(firstWindowGeometry(*this, *m_pages->tv->list()));
    // Where the user left it last time, if that is known.
    restoreGeometry(m_settings.windowGeometry());
    setAcceptDrops(true);
}

HistoryCommands &TfrmMain::transferHistory() const
{
    return *m_commands->transferHistory;
}

TfrmMain::~TfrmMain()
{
    // The history is destroyed with the window's children and announces that
    // it is emptied; the pages are gone by then.
    disconnect(&m_session->history().stack(), nullptr, nullptr, nullptr);
}

void TfrmMain::connectHandlers()
{
    connect(m_menu.mmFileOpen, &QAction::triggered, this, &TfrmMain::mmFileOpenClick);
    connect(m_menu.mmFileSave, &QAction::triggered, this, &TfrmMain::mmFileSaveClick);
    connect(m_menu.N5, &QAction::triggered, this, &TfrmMain::N5Click);
    connect(m_menu.N6, &QAction::triggered, this, &TfrmMain::N6Click);
    connect(m_menu.mmFileExportCsv, &QAction::triggered, this, &TfrmMain::mmFileExportCsvClick);
    connect(m_menu.mmFilePrint, &QAction::triggered, m_commands->prints, &PrintCommands::print);
    connect(m_menu.mmFileExportPdf, &QAction::triggered, m_commands->prints, &PrintCommands::exportPdf);
    connect(m_menu.mmHelpAbout, &QAction::triggered, this, &TfrmMain::mmHelpAboutClick);
    connect(m_menu.mmHelpKeys, &QAction::triggered, this, &TfrmMain::mmHelpKeysClick);
    m_session->history().connectMenu(*m_menu.mmEditUndo, *m_menu.mmEditRedo);
    // "Сохранено: " would name a file that no longer holds what is shown.
    connect(&m_session->history().stack(), &QUndoStack::indexChanged, m_status, &StatusPanels::clearFileNote);
    connectEditMenu();
    connectTransfers();
}

void TfrmMain::connectEditMenu()
{
    for (const auto &[popup, menu, handler] :
         {std::tuple{m_popupMenu->pmAdd, m_menu.mmEditAdd, &TfrmMain::pmAddClick},
          std::tuple{m_popupMenu->pmChange, m_menu.mmEditChange, &TfrmMain::pmChangeClick},
          std::tuple{m_popupMenu->pmDelete, m_menu.mmEditDelete, &TfrmMain::pmDeleteClick},
          std::tuple{m_popupMenu->pmDelAll, m_menu.mmEditDelAll, &TfrmMain::pmDelAllClick},
          std::tuple{m_popupMenu->pmOrderAsShown, m_menu.mmEditOrderAsShown, &TfrmMain::pmOrderAsShownClick},
          std::tuple{m_popupMenu->pmMoveTo, m_menu.mmEditMoveTo, &TfrmMain::mmEditMoveToClick}}) {
        connect(popup, &QAction::triggered, this, handler);
        connect(menu, &QAction::triggered, this, handler);
    }
    connect(m_menu.mmEditOrderByExample, &QAction::triggered, this, &TfrmMain::mmEditOrderByExampleClick);
    connect(m_menu.mmEditSatellitesXml, &QAction::triggered, m_commands->satellitesXml, &SatellitesXmlCommand::run);
    connect(m_menu.mmEditImport, &QAction::triggered, this, &TfrmMain::mmEditImportClick);
    connect(m_menu.mmEditSelectDuplicates, &QAction::triggered, this, &TfrmMain::mmEditSelectDuplicatesClick);
    connect(m_menu.mmEditSelectSimilarNames, &QAction::triggered, this, &TfrmMain::mmEditSelectSimilarNamesClick);
    connect(m_menu.mmEdit, &QMenu::aboutToShow, this, &TfrmMain::updateEditMenu);
    connect(m_menu.mmEditFind, &QAction::triggered, this, [this] {
        if (auto *page = qobject_cast<ChannelListPage *>(m_pages->currentWidget()))
            page->focusFindField();
    });
    connect(m_commands->drags, &DragCommands::moveUnavailable, this,
            [this](const QString &reason) { m_status->showNote(reason, 10000); });
    m_pages->updateDragging();
    for (int page = 0; page < PageCount; ++page)
        m_popupMenu->serve(*m_pages->listOf(page));
    // The favourites lists have no double-click action.
    for (int page : {PageSat, PageTp, PageTv, PageRadio})
        connect(m_pages->listOf(page), &ReportList::doubleClicked, this, &TfrmMain::pmChangeClick);
}

void TfrmMain::connectTransfers()
{
    connect(m_menu.N3, &QAction::triggered, m_transfers.get(), &TransferController::N3Click);
    connect(m_menu.N4, &QAction::triggered, m_transfers.get(), &TransferController::N4Click);
    connect(m_menu.N7, &QAction::triggered, m_transfers.get(), &TransferController::N7Click);
    connect(m_menu.mmFileCompare, &QAction::triggered, m_commands->transferHistory, &HistoryCommands::mmFileCompareClick);
    connect(m_menu.mmLinkVerify, &QAction::triggered, m_commands->transferHistory, &HistoryCommands::mmLinkVerifyClick);
    connect(m_menu.mmLinkHistory, &QAction::triggered, m_commands->transferHistory, &HistoryCommands::mmLinkHistoryClick);
    // A running transfer holds the port: it cannot be started twice, nor the
    // port changed under it.
    connect(m_transfers.get(), &TransferController::transferRunningChanged, this, [this](bool running) {
        for (QAction *action : {m_menu.N3, m_menu.N4, m_menu.mmLinkVerify, m_menu.N7})
            action->setEnabled(!running);
        m_status->showTransferProgress(running ? 0 : -1);
    });
    connect(m_transfers.get(), &TransferController::transferProgress, m_status, &StatusPanels::showTransferProgress);
}

bool TfrmMain::loadImage(std::span<const std::uint8_t> image)
{
    return m_commands->files->loadImage(image);
}

bool TfrmMain::openFile(const QString &path)
{
    return m_commands->files->openFile(path);
}

bool TfrmMain::loadReceivedImage(std::span<const std::uint8_t> image)
{
    return m_commands->files->loadReceivedImage(image);
}

void TfrmMain::setTransferStatus(const QString &text)
{
    m_status->setPanelText(0, text);
}

void TfrmMain::reportSettingsProblem(const QString &problem)
{
    m_status->showProblemOnce(problem);
}

bool TfrmMain::mayDropChanges()
{
    return m_commands->files->mayDropChanges();
}

void TfrmMain::openRecentFile(const QString &path)
{
    m_commands->files->openRecentFile(path);
}

void TfrmMain::showLastPage()
{
    const int page = m_settings.lastPage();
    if (page >= 0 && page < PageCount)
        m_presenter->showPage(page);
}

QString TfrmMain::exportPdf(int page, const QString &path)
{
    m_presenter->showPage(page);
    return m_commands->prints->writePdf(m_commands->prints->documentOfPage(page, true), path);
}

void TfrmMain::mmFileExportCsvClick()
{
    const PageId page = m_pages->currentPage();
    const int entry = m_pages->satelliteEntryOf(PageTp);   // 0: "ВСЕ СПУТНИКИ"
    if (page == PageId::Transponders)
        m_commands->files->exportTransponderCsv(entry > 0 ? std::optional<std::size_t>(entry - 1) : std::nullopt);
    else
        m_commands->files->exportCsv(kindOfPage(page) == ChannelKind::Radio);
}

void TfrmMain::mmHelpAboutClick()
{
    AboutDialog about(this);
    m_dialogs.runDialog(about);
}

void TfrmMain::mmHelpKeysClick()
{
    KeysHelpWindow::showFor(this);
}

void TfrmMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (FileCommands::acceptsDrop(*event->mimeData()))
        event->acceptProposedAction();
}

void TfrmMain::dropEvent(QDropEvent *event)
{
    if (!FileCommands::acceptsDrop(*event->mimeData()))
        return;
    event->acceptProposedAction();
    m_commands->files->openDropped(*event->mimeData());
}

void TfrmMain::mmFileSaveClick()
{
    m_commands->files->save();
}

void TfrmMain::mmFileOpenClick()
{
    m_commands->files->open();
}

void TfrmMain::N5Click()
{
    m_commands->files->saveAs();
}

void TfrmMain::N6Click()
{
    close();
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    // Unsaved changes are asked about first, then a running transfer (see
    // TransferController), which may keep the window open after all.
    if (!mayDropChanges()) {
        event->ignore();
        return;
    }
    m_commands->files->setChangesDropped(true);
    if (!m_transfers->mayCloseNow()) {
        m_commands->files->setChangesDropped(!isVisible());   // hidden: it closes once the transfer has ended
        event->ignore();
        return;
    }
    m_transfers->writeSettingsOnClose();
    m_settings.storeWindow(saveGeometry(), m_pages->currentIndex());
    emit closing();
    event->accept();
}

PopupEntries TfrmMain::currentPopupEntries() const
{
    const int page = m_pages->currentIndex();
    const ReportList *list = m_pages->listOf(page);
    return popupEntriesOn(page, m_pages->satelliteEntryOf(page), list && list->filtering(),
                          list && list->sortedColumn() >= 0);
}

void TfrmMain::updateEditMenu()
{
    enableEditMenu(m_menu, currentPopupEntries(), database(), isChannelPage(m_pages->currentPage()));
}

void TfrmMain::PopupMenuPopup()
{
    m_popupMenu->PopupMenuPopup(currentPopupEntries());
}

void TfrmMain::pmAddClick()
{
    const PageId page = m_pages->currentPage();
    if (page == PageId::Transponders)
        m_commands->edits->addTransponder();
    else if (isChannelPage(page))
        m_commands->edits->addChannel(*kindOfPage(page));
    else if (isFavouritesPage(page))
        // The selection dialog updates the status bar itself, and only when shown.
        return m_commands->favourites->chooseChannels(*kindOfPage(page));
    else
        return;
    m_presenter->UpdateStatusBar();
}

void TfrmMain::pmChangeClick()
{
    const PageId page = m_pages->currentPage();
    if (page == PageId::Satellites)
        m_commands->edits->editSatellite();
    else if (page == PageId::Transponders)
        m_commands->edits->editTransponder();
    else if (isChannelPage(page))
        m_commands->edits->editChannel(*kindOfPage(page));
    else
        return;
    // A renamed channel may have left the rows "Поиск" shows, or joined them.
    m_presenter->UpdateStatusBar();
}

void TfrmMain::pmDeleteClick()
{
    const PageId page = m_pages->currentPage();
    if (page == PageId::Transponders)
        m_commands->deletes->deleteTransponder();
    else if (isChannelPage(page))
        m_commands->deletes->deleteChannels(*kindOfPage(page));
    else if (isFavouritesPage(page))
        m_commands->deletes->removeFavourites(*kindOfPage(page));
    else
        return;
    m_presenter->UpdateStatusBar();
}

void TfrmMain::pmDelAllClick()
{
    if (const PageId page = m_pages->currentPage(); isChannelPage(page)) {
        m_commands->deletes->purge(*kindOfPage(page));
        m_presenter->UpdateStatusBar();
    }
}

void TfrmMain::pmOrderAsShownClick()
{
    if (const PageId page = m_pages->currentPage(); isChannelPage(page))
        m_commands->orders->orderAsShown(*kindOfPage(page));
}

void TfrmMain::mmEditMoveToClick()
{
    m_commands->drags->moveToPosition(*m_pages->listOf(m_pages->currentIndex()));
}

void TfrmMain::mmEditOrderByExampleClick()
{
    m_commands->orders->orderByExample(kindOfPage(m_pages->currentPage()).value_or(ChannelKind::Tv));
}

void TfrmMain::mmEditImportClick()
{
    m_commands->imports->importFromOtherDatabase(m_commands->imports->selectedOrderRow());
}

void TfrmMain::mmEditSelectDuplicatesClick()
{
    selectOnChannelPage(&OrderCommands::selectDuplicates);
}

void TfrmMain::mmEditSelectSimilarNamesClick()
{
    selectOnChannelPage(&OrderCommands::selectSimilarNames);
}

void TfrmMain::selectOnChannelPage(QString (OrderCommands::*select)(ChannelKind))
{
    if (const PageId page = m_pages->currentPage(); isChannelPage(page)) {
        m_status->showNote((m_commands->orders->*select)(*kindOfPage(page)), 10000);
        m_presenter->ShowChannelInfo(m_pages->listOf(m_pages->currentIndex()));
    }
}
