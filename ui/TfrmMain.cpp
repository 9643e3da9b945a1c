// SPDX-License-Identifier: GPL-3.0-or-later
#include "TfrmMain.h"

#include "FirstWindowGeometry.h"
#include "MainWindowTransferHost.h"
#include "PopupMenu.h"
#include "StatusPanels.h"
#include "UserDialogs.h"
#include "commands/FileMessages.h"
#include "commands/WindowTitle.h"
#include "commands/DeleteCommands.h"
#include "commands/DragCommands.h"
#include "commands/EditCommands.h"
#include "commands/EditHistory.h"
#include "commands/FavouriteCommands.h"
#include "commands/FileCommands.h"
#include "commands/PrintCommands.h"
#include "commands/ImportCommands.h"
#include "commands/OrderCommands.h"
#include "commands/SatellitesXmlCommand.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/KeysHelpWindow.h"
#include "pages/ChannelPage.h"
#include "pages/FavouritesPage.h"
#include "pages/PageTabs.h"
#include "pages/SatelliteChoiceList.h"
#include "pages/SatellitePage.h"
#include "pages/TransponderPage.h"
#include "transfer/HistoryCommands.h"
#include "transfer/TransferController.h"
#include "ui/lists/ModelStrings.h"
#include "ui/lists/ReportList.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QMenu>
#include <QUndoStack>

using k510::ChannelKind;
using namespace k510::ui;

TfrmMain::TfrmMain(UserDialogs &dialogs, QWidget *parent) : QMainWindow(parent), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmMain"));
    setTitle({});
    m_menu = buildMainMenu(*this);
    buildPages();
    m_status = new StatusPanels(this);
    setStatusBar(m_status);
    m_settings.setProblemHandler([this](const QString &problem) { reportSettingsProblem(problem); });
    m_popupMenu = new PopupMenu([this] { return currentPopupEntries(); }, this);
    m_history = new EditHistory(m_database, [this] { showDatabaseAgain(); }, this);
    m_files = new FileCommands(
        FileTargets{m_database, m_dialogs, m_settings, *m_history, *this, *m_menu.mmFileRecent,
                    [this] { showNewDatabase(); }, [this] { showDatabaseAgain(); },
                    [this](const QString &path) { setTitle(path); },
                    [this](const QString &what, const QString &path) { showFileWritten(what, path); }},
        this);
    m_edits = std::make_unique<EditCommands>(
        EditTargets{m_database, m_dialogs, *m_history, *m_satPage, *m_tpPage, *m_tvPage, *m_radioPage,
                    [this] { cbTvSelectSatSelect(); }, [this] { cbRadioSelectSatSelect(); },
                    [this] { UpdateStatusBar(); }},
        this);
    m_favourites = new FavouriteCommands(
        FavouriteTargets{m_database, m_dialogs, *m_history, *m_favTvPage, *m_favRadioPage, [this] { UpdateStatusBar(); }}, this);
    m_deletes = std::make_unique<DeleteCommands>(DeleteTargets{
        m_database, m_dialogs, *m_history, *m_tpPage, *m_tvPage, *m_radioPage, *m_favTvPage, *m_favRadioPage,
        [this] { cbTpSelectSatSelect(); }, [this] { cbTvSelectSatSelect(); }, [this] { cbRadioSelectSatSelect(); },
        [this] { cbFavTvGrpSelect(); }, [this] { cbFavRadioGrpSelect(); },
        [this](int count) { showChannelTypeErrors(m_dialogs, count); }});
    m_orders = new OrderCommands(
        OrderTargets{m_database, m_dialogs, *m_history, *m_tvPage, *m_radioPage, m_settings, *this,
                     [this](ChannelKind kind) {
                         kind == ChannelKind::Tv ? cbTvSelectSatSelect() : cbRadioSelectSatSelect();
                     },
                     [this] { showDatabaseAgain(); }},
        this);
    m_satellitesXml = new SatellitesXmlCommand(
        SatellitesXmlTargets{m_database, m_dialogs, *m_history, *m_tpPage, m_settings, *this,
                             [this] { showDatabaseAgain(); }},
        this);
    m_prints = new PrintCommands(
        PrintTargets{m_database, m_dialogs, m_settings, *m_pages, *this, [this] { return m_files->filePath(); },
                     [this](const QString &what, const QString &path) { showFileWritten(what, path); }},
        this);
    m_imports = new ImportCommands(
        ImportTargets{m_database, m_dialogs, *m_history, m_settings, *this, *m_pages, *m_status,
                      [this] { showDatabaseAgain(); }, [this](int page) { showPage(page); }},
        this);
    // Creating the controller reads "k510.ini" for the port and the speed.
    m_transferHost = std::make_unique<MainWindowTransferHost>(*this);
    m_transfers = std::make_unique<TransferController>(*m_transferHost);
    m_transferHistory = new HistoryCommands(
        HistoryTargets{m_database, m_dialogs, *m_transfers, *this, [this] { return m_files->filePath(); },
                       [this] { return m_settings.lastFolder(); }, [this] { return mayDropChanges(); },
                       [this](std::span<const std::uint8_t> image) { return loadReceivedImage(image); },
                       [this](ChannelKind kind, int number) {
                           showPage(kind == ChannelKind::Tv ? PageTv : PageRadio);
                           (kind == ChannelKind::Tv ? m_tvPage : m_radioPage)
                               ->selectChannels(m_database, {m_database.channelIndex(kind, number)});
                       },
                       [this](const QString &note) { m_status->showNote(note, 10000); },
                       [this](const QString &problem) { m_status->showProblemOnce(problem); }},
        this);
    connectHandlers();

    setGeometry(firstWindowGeometry(*this, *m_tvPage->list()));
    // Where the user left it last time, if that is known.
    restoreGeometry(m_settings.windowGeometry());
    setAcceptDrops(true);
}

TfrmMain::~TfrmMain()
{
    // The history is destroyed with the window's children and announces that
    // it is emptied; the pages are gone by then.
    disconnect(&m_history->stack(), nullptr, this, nullptr);
}

void TfrmMain::buildPages()
{
    m_pages = new PageTabs(this);
    setCentralWidget(m_pages);
    m_satPage = m_pages->satellites;
    m_tpPage = m_pages->transponders;
    m_tvPage = m_pages->tv;
    m_radioPage = m_pages->radio;
    m_favTvPage = m_pages->favouriteTv;
    m_favRadioPage = m_pages->favouriteRadio;
    m_channelPages = m_pages->channelPages();
}

void TfrmMain::connectHandlers()
{
    connect(m_menu.mmFileOpen, &QAction::triggered, this, &TfrmMain::mmFileOpenClick);
    connect(m_menu.mmFileSave, &QAction::triggered, this, &TfrmMain::mmFileSaveClick);
    connect(m_menu.mmFileExportCsv, &QAction::triggered, this, &TfrmMain::mmFileExportCsvClick);
    connect(m_menu.mmFilePrint, &QAction::triggered, m_prints, &PrintCommands::print);
    connect(m_menu.mmFileExportPdf, &QAction::triggered, m_prints, &PrintCommands::exportPdf);
    connect(m_menu.mmHelpAbout, &QAction::triggered, this, &TfrmMain::mmHelpAboutClick);
    wireHistory();
    wireFindFields();
    wireSelectionCount();
    connect(m_menu.N5, &QAction::triggered, this, &TfrmMain::N5Click);
    connect(m_menu.N6, &QAction::triggered, this, &TfrmMain::N6Click);
    connect(m_menu.N3, &QAction::triggered, m_transfers.get(), &TransferController::N3Click);
    connect(m_menu.N4, &QAction::triggered, m_transfers.get(), &TransferController::N4Click);
    connect(m_menu.N7, &QAction::triggered, m_transfers.get(), &TransferController::N7Click);
    connect(m_menu.mmFileCompare, &QAction::triggered, m_transferHistory, &HistoryCommands::mmFileCompareClick);
    connect(m_menu.mmLinkVerify, &QAction::triggered, m_transferHistory, &HistoryCommands::mmLinkVerifyClick);
    connect(m_menu.mmLinkHistory, &QAction::triggered, m_transferHistory, &HistoryCommands::mmLinkHistoryClick);
    // A running transfer holds the port: it cannot be started twice, nor the
    // port changed under it.
    connect(m_transfers.get(), &TransferController::transferRunningChanged, this, [this](bool running) {
        for (QAction *action : {m_menu.N3, m_menu.N4, m_menu.mmLinkVerify, m_menu.N7})
            action->setEnabled(!running);
        m_status->showTransferProgress(running ? 0 : -1);
    });
    connect(m_transfers.get(), &TransferController::transferProgress, m_status, &StatusPanels::showTransferProgress);

    connect(m_pages, &QTabWidget::currentChanged, this, &TfrmMain::onPageShown);
    connect(m_tpPage->selector(), &SatelliteChoiceList::entryChosen, this, &TfrmMain::cbTpSelectSatSelect);
    connect(m_tvPage->selector(), &QComboBox::activated, this, &TfrmMain::cbTvSelectSatSelect);
    connect(m_radioPage->selector(), &QComboBox::activated, this, &TfrmMain::cbRadioSelectSatSelect);
    connect(m_favTvPage->selector(), &QComboBox::activated, this, &TfrmMain::cbFavTvGrpSelect);
    connect(m_favRadioPage->selector(), &QComboBox::activated, this, &TfrmMain::cbFavRadioGrpSelect);

    for (int page = 0; page < PageCount; ++page) {
        ReportList *list = m_pages->listOf(page);
        connect(list, &ReportList::columnClicked, this, [this, list](int column) { sortListByColumn(list, column); });
    }
    for (ChannelListPage *page : m_channelPages)
        page->followSelection(m_database);

    connect(m_popupMenu->pmAdd, &QAction::triggered, this, &TfrmMain::pmAddClick);
    connect(m_popupMenu->pmChange, &QAction::triggered, this, &TfrmMain::pmChangeClick);
    connect(m_popupMenu->pmDelete, &QAction::triggered, this, &TfrmMain::pmDeleteClick);
    connect(m_popupMenu->pmDelAll, &QAction::triggered, this, &TfrmMain::pmDelAllClick);
    connect(m_menu.mmEditAdd, &QAction::triggered, this, &TfrmMain::pmAddClick);
    connect(m_menu.mmEditChange, &QAction::triggered, this, &TfrmMain::pmChangeClick);
    connect(m_menu.mmEditDelete, &QAction::triggered, this, &TfrmMain::pmDeleteClick);
    connect(m_menu.mmEditDelAll, &QAction::triggered, this, &TfrmMain::pmDelAllClick);
    connect(m_popupMenu->pmOrderAsShown, &QAction::triggered, this, &TfrmMain::pmOrderAsShownClick);
    connect(m_menu.mmEditOrderAsShown, &QAction::triggered, this, &TfrmMain::pmOrderAsShownClick);
    connect(m_menu.mmEditOrderByExample, &QAction::triggered, this, &TfrmMain::mmEditOrderByExampleClick);
    connect(m_menu.mmEditSatellitesXml, &QAction::triggered, m_satellitesXml, &SatellitesXmlCommand::run);
    connect(m_menu.mmEditImport, &QAction::triggered, this, &TfrmMain::mmEditImportClick);
    connect(m_menu.mmEditSelectDuplicates, &QAction::triggered, this, &TfrmMain::mmEditSelectDuplicatesClick);
    connect(m_menu.mmEditSelectSimilarNames, &QAction::triggered, this, &TfrmMain::mmEditSelectSimilarNamesClick);
    connect(m_menu.mmEdit, &QMenu::aboutToShow, this, &TfrmMain::updateEditMenu);
    connect(m_menu.mmHelpKeys, &QAction::triggered, this, &TfrmMain::mmHelpKeysClick);
    m_drags = new DragCommands(
        m_database, m_dialogs, m_channelPages,
        [this](ChannelListPage &page) {
            if (&page == m_tvPage)
                cbTvSelectSatSelect();
            else if (&page == m_radioPage)
                cbRadioSelectSatSelect();
            else if (&page == m_favTvPage)
                cbFavTvGrpSelect();
            else
                cbFavRadioGrpSelect();
        },
        [this](int rows, const std::function<void()> &move) {
            m_history->record(rows == 1 ? QStringLiteral("Перемещение канала")
                                        : channelsStepName(QStringLiteral("Перемещение"), rows),
                              move);
        },
        this);
    connect(m_drags, &DragCommands::moveUnavailable, this,
            [this](const QString &reason) { m_status->showNote(reason, 10000); });
    connect(m_popupMenu->pmMoveTo, &QAction::triggered, this, &TfrmMain::mmEditMoveToClick);
    connect(m_menu.mmEditMoveTo, &QAction::triggered, this, &TfrmMain::mmEditMoveToClick);
    m_pages->updateDragging();
    for (int page = 0; page < PageCount; ++page)
        m_popupMenu->serve(*m_pages->listOf(page));
    // The favourites lists have no double-click action.
    for (ReportList *list : {m_satPage->list(), m_tpPage->list(), m_tvPage->list(), m_radioPage->list()})
        connect(list, &ReportList::doubleClicked, this, &TfrmMain::pmChangeClick);
}

bool TfrmMain::loadImage(std::span<const std::uint8_t> image)
{
    return m_files->loadImage(image);
}

bool TfrmMain::openFile(const QString &path)
{
    return m_files->openFile(path);
}

bool TfrmMain::loadReceivedImage(std::span<const std::uint8_t> image)
{
    return m_files->loadReceivedImage(image);
}

void TfrmMain::setTransferStatus(const QString &text)
{
    m_status->setPanelText(0, text);
}

void TfrmMain::reportSettingsProblem(const QString &problem)
{
    m_status->showProblemOnce(problem);
}

void TfrmMain::setTitle(const QString &path)
{
    // "[*]" is where Qt shows that the database holds unsaved changes.
    setWindowTitle(editorTitle(path) + QStringLiteral("[*]"));
}

bool TfrmMain::mayDropChanges()
{
    return m_files->mayDropChanges();
}

void TfrmMain::showFileWritten(const QString &what, const QString &path)
{
    m_status->showFileNote(what, QFileInfo(path).fileName(), shownPath(path));
}

void TfrmMain::openRecentFile(const QString &path)
{
    m_files->openRecentFile(path);
}

void TfrmMain::showLastPage()
{
    const int page = m_settings.lastPage();
    if (page >= 0 && page < PageCount)
        showPage(page);
}

QString TfrmMain::exportPdf(int page, const QString &path)
{
    showPage(page);
    return m_prints->writePdf(m_prints->documentOfPage(page, true), path);
}

void TfrmMain::mmFileExportCsvClick()
{
    const int page = m_pages->currentIndex();
    if (page == PageTp) {
        const int entry = m_tpPage->selector()->currentIndex();   // 0: "ВСЕ СПУТНИКИ"
        m_files->exportTransponderCsv(entry > 0 ? std::optional<std::size_t>(entry - 1) : std::nullopt);
        return;
    }
    m_files->exportCsv(page == PageRadio || page == PageFavRadio);
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
    m_files->openDropped(*event->mimeData());
}

void TfrmMain::mmFileSaveClick()
{
    m_files->save();
}

void TfrmMain::mmFileOpenClick()
{
    m_files->open();
}

void TfrmMain::N5Click()
{
    m_files->saveAs();
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
    m_files->setChangesDropped(true);
    if (!m_transfers->mayCloseNow()) {
        m_files->setChangesDropped(!isVisible());   // hidden: it closes once the transfer has ended
        event->ignore();
        return;
    }
    m_transfers->writeSettingsOnClose();
    m_settings.storeWindow(saveGeometry(), m_pages->currentIndex());
    emit closing();
    event->accept();
}

void TfrmMain::ResetViews()
{
    m_pages->resetAll();
}

void TfrmMain::showPage(int index)
{
    // Showing a page from code runs its show handler but is no page change
    // by the user, so PagesChange does not run.
    m_showingPageFromCode = true;
    if (m_pages->currentIndex() == index)
        onPageShown(index);
    else
        m_pages->setCurrentIndex(index);
    m_showingPageFromCode = false;
}

void TfrmMain::onPageShown(int index)
{
    switch (index) {
    case PageSat: sheetSatShow(); break;
    case PageTp: sheetTpShow(); break;
    case PageTv: sheetTvShow(); break;
    case PageRadio: sheetRadioShow(); break;
    case PageFavTv: sheetFavTvShow(); break;
    case PageFavRadio: sheetFavRadioShow(); break;
    default: return;
    }
    if (!m_showingPageFromCode)
        PagesChange();
}

void TfrmMain::sheetSatShow()
{
    if (m_satPage->list()->rowCount() > 0)
        return;
    m_satPage->fill(m_database);
    for (const k510::Satellite &satellite : m_database.satellites) {
        const QString name = fromWindows1251(satellite.name);
        m_tpPage->selector()->addEntry(name);
        m_tvPage->addSatelliteEntry(name);
        m_radioPage->addSatelliteEntry(name);
    }
}

void TfrmMain::sheetTpShow()
{
    cbTpSelectSatSelect();
}

void TfrmMain::cbTpSelectSatSelect()
{
    m_tpPage->refill(m_database);
    UpdateStatusBar();
}

void TfrmMain::sheetTvShow()
{
    cbTvSelectSatSelect();
}

void TfrmMain::cbTvSelectSatSelect()
{
    m_tvPage->refill(m_database);
    m_pages->updateDragging();
    UpdateStatusBar();
}

void TfrmMain::sheetRadioShow()
{
    cbRadioSelectSatSelect();
}

void TfrmMain::cbRadioSelectSatSelect()
{
    m_radioPage->refill(m_database);
    m_pages->updateDragging();
    UpdateStatusBar();
}

void TfrmMain::sheetFavTvShow()
{
    if (m_database.satellites.empty())
        return;
    m_favTvPage->prepareGroups(m_database);
    cbFavTvGrpSelect();
}

// The favourites pages show their group as it is, also once every channel of
// the kind has gone (the groups are empty then): a list left as it was would
// show deleted channels.
void TfrmMain::cbFavTvGrpSelect()
{
    m_favTvPage->refill(m_database);
    UpdateStatusBar();
}

void TfrmMain::sheetFavRadioShow()
{
    // Without radio channels the groups are not offered, as after opening
    // such an image; the list may still show the channels of before a delete.
    if (m_database.radioOrder.empty()) {
        m_favRadioPage->reset();
        UpdateStatusBar();
        return;
    }
    m_favRadioPage->prepareGroups(m_database);
    cbFavRadioGrpSelect();
}

void TfrmMain::cbFavRadioGrpSelect()
{
    m_favRadioPage->refill(m_database);
    UpdateStatusBar();
}

void TfrmMain::PagesChange()
{
    UpdateStatusBar();
}

void TfrmMain::UpdateStatusBar()
{
    // With a filter, the rows the user sees.
    if (const ReportList *list = m_pages->listOf(m_pages->currentIndex()))
        m_status->setPanelText(1, QStringLiteral("Элементов: %1").arg(list->shownRowCount()));
    m_status->setPanelText(2, QStringLiteral("Спутников: %1").arg(m_database.satellites.size()));
    m_status->setPanelText(3, QStringLiteral("Трансп.: %1").arg(m_database.transponders.size()));
    m_status->setPanelText(4, QStringLiteral("Каналов: %1").arg(m_database.channels.size()));
}

void TfrmMain::ShowChannelInfo(ReportList *list)
{
    if (ChannelListPage *page = m_pages->channelPageOf(list))
        page->showChannelOfSelectedRow(m_database);
}

void TfrmMain::sortListByColumn(ReportList *list, int column)
{
    m_sortColumn = column;
    list->sortRowsBy(column);
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
    const PopupEntries entries = currentPopupEntries();
    m_menu.mmEditAdd->setEnabled(entries.addAvailable());
    m_menu.mmEditChange->setEnabled(entries.changeAvailable());
    m_menu.mmEditDelete->setEnabled(entries.deleteAvailable());
    m_menu.mmEditDelAll->setEnabled(entries.deleteAllAvailable());
    m_menu.mmEditOrderAsShown->setEnabled(entries.orderAsShownAvailable());
    m_menu.mmEditMoveTo->setEnabled(entries.moveToAvailable());
    m_menu.mmEditOrderByExample->setEnabled(!m_database.channels.empty());
    m_menu.mmEditSatellitesXml->setEnabled(!m_database.satellites.empty());
    m_menu.mmEditImport->setEnabled(!m_database.satellites.empty());
    const int page = m_pages->currentIndex();
    m_menu.mmEditSelectDuplicates->setEnabled(page == PageTv || page == PageRadio);
    m_menu.mmEditSelectSimilarNames->setEnabled(page == PageTv || page == PageRadio);
}

void TfrmMain::PopupMenuPopup()
{
    m_popupMenu->PopupMenuPopup(currentPopupEntries());
}

void TfrmMain::pmAddClick()
{
    switch (const int page = m_pages->currentIndex()) {
    case PageTp: m_edits->addTransponder(); break;
    case PageTv:
    case PageRadio: m_edits->addChannel(page == PageTv ? ChannelKind::Tv : ChannelKind::Radio); break;
    // The selection dialog updates the status bar itself, and only when shown.
    case PageFavTv:
    case PageFavRadio: m_favourites->chooseChannels(page == PageFavTv ? ChannelKind::Tv : ChannelKind::Radio); return;
    default: return;
    }
    UpdateStatusBar();
}

void TfrmMain::pmDeleteClick()
{
    const int page = m_pages->currentIndex();
    const ChannelKind kind = page == PageTv || page == PageFavTv ? ChannelKind::Tv : ChannelKind::Radio;
    switch (page) {
    case PageTp: m_deletes->deleteTransponder(); break;
    case PageTv:
    case PageRadio: m_deletes->deleteChannels(kind); break;
    case PageFavTv:
    case PageFavRadio: m_deletes->removeFavourites(kind); break;
    default: return;
    }
    UpdateStatusBar();
}

void TfrmMain::pmDelAllClick()
{
    const int page = m_pages->currentIndex();
    // Never a purge of rows a filter hides.
    if ((page != PageTv && page != PageRadio) || m_pages->listOf(page)->filtering())
        return;
    m_deletes->purge(page == PageTv ? ChannelKind::Tv : ChannelKind::Radio);
    UpdateStatusBar();
}

void TfrmMain::pmOrderAsShownClick()
{
    const int page = m_pages->currentIndex();
    if (page == PageTv || page == PageRadio)
        m_orders->orderAsShown(page == PageTv ? ChannelKind::Tv : ChannelKind::Radio);
}

void TfrmMain::mmEditMoveToClick()
{
    ReportList *list = m_pages->listOf(m_pages->currentIndex());
    if (!m_pages->channelPageOf(list) || !m_drags->canMoveToPosition(*list))
        return;
    if (list->selectedRowNumbers().empty()) {
        m_dialogs.showMessage(QStringLiteral("Выделите каналы, которые нужно переместить."));
        return;
    }
    m_drags->moveToPosition(*list);
}

void TfrmMain::mmEditOrderByExampleClick()
{
    const int page = m_pages->currentIndex();
    m_orders->orderByExample(page == PageRadio || page == PageFavRadio ? ChannelKind::Radio : ChannelKind::Tv);
}

void TfrmMain::mmEditImportClick()
{
    // The row selected in the TV or radio list: the added channels of its
    // kind may stand after it.
    std::optional<SelectedOrderRow> selected;
    const int page = m_pages->currentIndex();
    if (page == PageTv || page == PageRadio) {
        const ChannelPage &channels = page == PageTv ? *m_tvPage : *m_radioPage;
        const int row = channels.list()->firstSelectedRow();
        const int index = row < 0 ? -1 : channels.channelIndexOfRow(m_database, row);
        const ChannelKind kind = page == PageRadio ? ChannelKind::Radio : ChannelKind::Tv;
        const int place = m_database.placeOf(kind, m_database.numberOf(kind, index));
        if (place >= 0)
            selected = SelectedOrderRow{kind, place + 1};
    }
    m_imports->importFromOtherDatabase(selected);
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
    const int page = m_pages->currentIndex();
    if (page != PageTv && page != PageRadio)
        return;
    m_status->showNote((m_orders->*select)(page == PageTv ? ChannelKind::Tv : ChannelKind::Radio), 10000);
    ShowChannelInfo(m_pages->listOf(page));
}

void TfrmMain::pmChangeClick()
{
    switch (m_pages->currentIndex()) {
    case PageSat: m_edits->editSatellite(); break;
    case PageTp: m_edits->editTransponder(); break;
    case PageTv: m_edits->editChannel(ChannelKind::Tv); break;
    case PageRadio: m_edits->editChannel(ChannelKind::Radio); break;
    default: return;
    }
    // A renamed channel may have left the rows "Поиск" shows, or joined them.
    UpdateStatusBar();
}

void TfrmMain::wireHistory()
{
    m_history->connectMenu(*m_menu.mmEditUndo, *m_menu.mmEditRedo);
    connect(m_history, &EditHistory::modifiedChanged, this, &QWidget::setWindowModified);
    // A deleted channel must not stay in a panel, nor one undone away.
    connect(&m_history->stack(), &QUndoStack::indexChanged, this, &TfrmMain::showSelectedChannels);
    // "Сохранено: " would name a file that no longer holds what is shown.
    connect(&m_history->stack(), &QUndoStack::indexChanged, m_status, &StatusPanels::clearFileNote);
}

void TfrmMain::wireSelectionCount()
{
    for (int page = 0; page < PageCount; ++page) {
        ReportList *list = m_pages->listOf(page);
        connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TfrmMain::showSelectedCount);
        // A refill forgets the selection without announcing it.
        connect(&list->rows(), &QAbstractItemModel::modelReset, this, &TfrmMain::showSelectedCount);
    }
    connect(m_pages, &QTabWidget::currentChanged, this, &TfrmMain::showSelectedCount);
}

void TfrmMain::showSelectedCount()
{
    const ReportList *list = m_pages->listOf(m_pages->currentIndex());
    m_status->showSelectedCount(list ? int(list->selectedRowNumbers().size()) : 0);
}

void TfrmMain::wireFindFields()
{
    for (ChannelListPage *page : m_channelPages) {
        connect(page, &ChannelListPage::rowFilterChanged, this, [this] {
            m_pages->updateDragging();
            UpdateStatusBar();
        });
    }
    connect(m_menu.mmEditFind, &QAction::triggered, this, [this] {
        if (auto *page = qobject_cast<ChannelListPage *>(m_pages->currentWidget()))
            page->focusFindField();
    });
}


void TfrmMain::showNewDatabase()
{
    ResetViews();
    m_tpPage->selector()->setCurrentIndex(0);
    m_tvPage->selector()->setCurrentIndex(0);
    m_radioPage->selector()->setCurrentIndex(0);
    showPage(PageSat);
    // The counts would otherwise still be those of the previous database,
    // and "Сохранено: " name a file this one did not come from.
    UpdateStatusBar();
    m_status->clearNote();
}

void TfrmMain::showDatabaseAgain()
{
    const int page = m_pages->currentIndex();
    const PageTabs::Choices choices = m_pages->choices();
    ResetViews();
    sheetSatShow();
    m_pages->choose(choices, m_database);
    showPage(page);
    UpdateStatusBar();
}

void TfrmMain::showSelectedChannels()
{
    for (ChannelListPage *page : m_channelPages)
        page->showSelectedChannel(m_database);
}
