// SPDX-License-Identifier: GPL-3.0-or-later
#include "TfrmMain.h"

#include "EditorSession.h"
#include "FirstWindowGeometry.h"
#include "MainWindowTransferHost.h"
#include "PopupMenu.h"
#include "StatusPanels.h"
#include "UserDialogs.h"
#include "PageDispatch.h"
#include "SelectionMenu.h"
#include "WindowCommands.h"
#include "commands/EditHistory.h"
#include "commands/FileCommands.h"
#include "commands/PrintCommands.h"
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
      m_popupMenu(new PopupMenu([this] { return m_commands->onPage->popupEntries(); }, this))
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
    for (const auto &[action, handler] :
         {std::pair{m_menu.mmFileOpen, &TfrmMain::mmFileOpenClick}, std::pair{m_menu.mmFileSave, &TfrmMain::mmFileSaveClick},
          std::pair{m_menu.N5, &TfrmMain::N5Click}, std::pair{m_menu.N6, &TfrmMain::N6Click},
          std::pair{m_menu.mmFileExportCsv, &TfrmMain::mmFileExportCsvClick},
          std::pair{m_menu.mmHelpAbout, &TfrmMain::mmHelpAboutClick},
          std::pair{m_menu.mmHelpKeys, &TfrmMain::mmHelpKeysClick},
          std::pair{m_menu.mmEditOrderByExample, &TfrmMain::mmEditOrderByExampleClick},
          std::pair{m_menu.mmEditImport, &TfrmMain::mmEditImportClick},
          std::pair{m_menu.mmEditSelectDuplicates, &TfrmMain::mmEditSelectDuplicatesClick},
          std::pair{m_menu.mmEditSelectSimilarNames, &TfrmMain::mmEditSelectSimilarNamesClick}})
        connect(action, &QAction::triggered, this, handler);
    m_session->history().connectMenu(*m_menu.mmEditUndo, *m_menu.mmEditRedo);
    // "Сохранено: " would name a file that no longer holds what is shown.
    connect(&m_session->history().stack(), &QUndoStack::indexChanged, m_status, &StatusPanels::clearFileNote);
    connectListCommands();
}

void TfrmMain::connectListCommands()
{
    // The menu and the context menu caption some commands differently, so
    // each has its own action; both lead to the one handler.
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
    connect(m_menu.mmEdit, &QMenu::aboutToShow, this, &TfrmMain::updateEditMenu);
    connect(m_menu.mmEditFind, &QAction::triggered, this, [this] {
        if (auto *page = qobject_cast<ChannelListPage *>(m_pages->currentWidget()))
            page->focusFindField();
    });
    addSelectionCommands(*m_popupMenu, QStringLiteral("pm"), *m_commands->selection, *m_pages, database(),
                         [this] { m_commands->onPage->remove(); }, true);
    m_pages->updateDragging();
    for (int page = 0; page < PageCount; ++page)
        m_popupMenu->serve(*m_pages->listOf(page));
    // The favourites lists have no double-click action.
    for (int page : {PageSat, PageTp, PageTv, PageRadio})
        connect(m_pages->listOf(page), &ReportList::doubleClicked, this, &TfrmMain::pmChangeClick);
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

void TfrmMain::mmFileExportCsvClick() { m_commands->onPage->exportCsv(); }

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

void TfrmMain::mmFileSaveClick() { m_commands->files->save(); }
void TfrmMain::mmFileOpenClick() { m_commands->files->open(); }
void TfrmMain::N5Click() { m_commands->files->saveAs(); }
void TfrmMain::N6Click() { close(); }

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

void TfrmMain::updateEditMenu()
{
    enableEditMenu(m_menu, m_commands->onPage->popupEntries(), database(), isChannelPage(m_pages->currentPage()));
}

void TfrmMain::PopupMenuPopup()
{
    m_popupMenu->PopupMenuPopup(m_commands->onPage->popupEntries());
}

void TfrmMain::pmAddClick() { m_commands->onPage->add(); }
void TfrmMain::pmChangeClick() { m_commands->onPage->change(); }
void TfrmMain::pmDeleteClick() { m_commands->onPage->remove(); }
void TfrmMain::pmDelAllClick() { m_commands->onPage->purge(); }
void TfrmMain::pmOrderAsShownClick() { m_commands->onPage->orderAsShown(); }
void TfrmMain::mmEditMoveToClick() { m_commands->onPage->moveToPosition(); }
void TfrmMain::mmEditOrderByExampleClick() { m_commands->onPage->orderByExample(); }
void TfrmMain::mmEditSelectDuplicatesClick() { m_commands->onPage->selectDuplicates(); }
void TfrmMain::mmEditSelectSimilarNamesClick() { m_commands->onPage->selectSimilarNames(); }

void TfrmMain::mmEditImportClick() { m_commands->onPage->importChannels(); }
