// SPDX-License-Identifier: GPL-3.0-or-later
#include "TfrmMain.h"

#include "AboutDialog.h"
#include "ui/lists/ChannelRows.h"
#include "InfoPanel.h"
#include "KeysHelpWindow.h"
#include "MainWindowTransferHost.h"
#include "PopupMenu.h"
#include "ui/lists/ModelStrings.h"
#include "ui/lists/ReportList.h"
#include "SatelliteChoiceList.h"
#include "StatusPanels.h"
#include "UserDialogs.h"
#include "commands/DeleteCommands.h"
#include "commands/DragCommands.h"
#include "commands/EditCommands.h"
#include "commands/EditHistory.h"
#include "commands/FavouriteCommands.h"
#include "commands/FileCommands.h"
#include "commands/NumberingRepair.h"
#include "model/ImageReader.h"
#include "pages/ChannelPage.h"
#include "pages/FavouritesPage.h"
#include "pages/FindField.h"
#include "pages/SatellitePage.h"
#include "pages/TransponderPage.h"
#include "transfer/TransferController.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QUndoStack>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>

using namespace k510::ui;

namespace {

constexpr QSize kInitialSize(592, 380);
// Rows a channel list shows when the window first opens, where the screen
// has room (25 on a 1280×800 screen).
constexpr int kInitialRows = 25;
constexpr int kRecentFileTextChars = 60;
// An image full of channels of a bad type would otherwise raise a box per channel.
constexpr std::size_t kWarningsShownSingly = 3;

} // namespace

TfrmMain::TfrmMain(UserDialogs &dialogs, QWidget *parent) : QMainWindow(parent), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmMain"));
    setTitle({});
    m_menu = buildMainMenu(*this);
    buildPages();
    m_status = new StatusPanels(this);
    setStatusBar(m_status);
    m_settings.setProblemHandler([this](const QString &problem) { reportSettingsProblem(problem); });
    m_popupMenu = new PopupMenu(this);
    m_history = new EditHistory(m_database, [this] { showDatabaseAgain(); }, this);
    m_edits = std::make_unique<EditCommands>(
        EditTargets{m_database, m_dialogs, *m_satPage, *m_tpPage, *m_tvPage, *m_radioPage,
                    [this] { cbTvSelectSatSelect(); }, [this] { cbRadioSelectSatSelect(); },
                    [this] { UpdateStatusBar(); }},
        this);
    m_favourites = new FavouriteCommands(
        FavouriteTargets{m_database, m_dialogs, *m_favTvPage, *m_favRadioPage, [this] { UpdateStatusBar(); }}, this);
    m_deletes = std::make_unique<DeleteCommands>(DeleteTargets{
        m_database, m_dialogs, *m_tpPage, *m_tvPage, *m_radioPage, *m_favTvPage, *m_favRadioPage,
        [this] { cbTpSelectSatSelect(); }, [this] { cbTvSelectSatSelect(); }, [this] { cbRadioSelectSatSelect(); },
        [this] { cbFavTvGrpSelect(); }, [this] { cbFavRadioGrpSelect(); },
        [this](int count) { showChannelTypeErrors(count); }});
    // Creating the controller reads "k510.ini" for the port and the speed.
    m_transferHost = std::make_unique<MainWindowTransferHost>(*this);
    m_transfers = std::make_unique<TransferController>(*m_transferHost);
    connectHandlers();

    // Room for kInitialRows rows of a channel list and every caption whole,
    // within the screen; never less than 592 by 380.
    const QRect screenArea = screen()->availableGeometry();
    const ReportList *tvList = m_tvPage->list();
    const int rowHeight = tvList->verticalHeader()->defaultSectionSize();
    const int chrome = sizeHint().height() - tvList->sizeHint().height()
                       + tvList->horizontalHeader()->sizeHint().height() + 2 * tvList->frameWidth();
    const QSize wanted(std::min(screenArea.width() * 3 / 4, 900), chrome + kInitialRows * rowHeight);
    const QSize size = kInitialSize.expandedTo(minimumSizeHint())
                           .expandedTo(wanted.boundedTo(screenArea.size() - QSize(0, 40)));
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, screen()->availableGeometry()));
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
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("Pages"));
    // Every tab caption stays whole; the window is never narrower than the tabs.
    m_pages->setElideMode(Qt::ElideNone);
    m_pages->setUsesScrollButtons(false);
    m_satPage = new SatellitePage(m_pages);
    m_tpPage = new TransponderPage(m_pages);
    m_tvPage = new ChannelPage(ChannelKind::Tv, m_pages);
    m_radioPage = new ChannelPage(ChannelKind::Radio, m_pages);
    m_favTvPage = new FavouritesPage(ChannelKind::Tv, m_pages);
    m_favRadioPage = new FavouritesPage(ChannelKind::Radio, m_pages);
    m_pages->addTab(m_satPage, QStringLiteral(" Спутники"));
    m_pages->addTab(m_tpPage, QStringLiteral("Транспондеры"));
    m_pages->addTab(m_tvPage, QStringLiteral("Каналы ТВ"));
    m_pages->addTab(m_radioPage, QStringLiteral("Каналы Радио"));
    m_pages->addTab(m_favTvPage, QStringLiteral("Избранные ТВ"));
    m_pages->addTab(m_favRadioPage, QStringLiteral("Избранные Радио"));
    m_pages->setCurrentIndex(PageSat);
    setCentralWidget(m_pages);
    m_channelPages = {m_tvPage, m_radioPage, m_favTvPage, m_favRadioPage};
}

void TfrmMain::connectHandlers()
{
    connect(m_menu.mmFileOpen, &QAction::triggered, this, &TfrmMain::mmFileOpenClick);
    connect(m_menu.mmFileSave, &QAction::triggered, this, &TfrmMain::mmFileSaveClick);
    connect(m_menu.mmFileExportCsv, &QAction::triggered, this, &TfrmMain::mmFileExportCsvClick);
    connect(m_menu.mmHelpAbout, &QAction::triggered, this, &TfrmMain::mmHelpAboutClick);
    connect(m_menu.mmFileRecent, &QMenu::aboutToShow, this, &TfrmMain::fillRecentFilesMenu);
    fillRecentFilesMenu();
    wireHistory();
    wireFindFields();
    connect(m_menu.N5, &QAction::triggered, this, &TfrmMain::N5Click);
    connect(m_menu.N6, &QAction::triggered, this, &TfrmMain::N6Click);
    connect(m_menu.N3, &QAction::triggered, m_transfers.get(), &TransferController::N3Click);
    connect(m_menu.N4, &QAction::triggered, m_transfers.get(), &TransferController::N4Click);
    connect(m_menu.N7, &QAction::triggered, m_transfers.get(), &TransferController::N7Click);
    // A running transfer holds the port: it cannot be started twice, nor the
    // port changed under it.
    connect(m_transfers.get(), &TransferController::transferRunningChanged, this, [this](bool running) {
        for (QAction *action : {m_menu.N3, m_menu.N4, m_menu.N7})
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
        ReportList *list = listOfPage(page);
        connect(list, &ReportList::columnClicked, this, [this, list](int column) { sortListByColumn(list, column); });
    }
    for (ChannelListPage *page : m_channelPages) {
        ReportList *list = page->list();
        // Ctrl held means the click extends a selection: the panel stays.
        connect(list, &ReportList::rowClicked, this, [this, list](int, Qt::KeyboardModifiers modifiers) {
            if (!modifiers.testFlag(Qt::ControlModifier))
                ShowChannelInfo(list);
        });
        connect(list, &ReportList::keyHandled, this, [this, page](int key, Qt::KeyboardModifiers modifiers) {
            channelListKeyPressed(page, key, modifiers);
        });
    }

    connect(m_popupMenu->pmAdd, &QAction::triggered, this, &TfrmMain::pmAddClick);
    connect(m_popupMenu->pmChange, &QAction::triggered, this, &TfrmMain::pmChangeClick);
    connect(m_popupMenu->pmDelete, &QAction::triggered, this, &TfrmMain::pmDeleteClick);
    connect(m_popupMenu->pmDelAll, &QAction::triggered, this, &TfrmMain::pmDelAllClick);
    connect(m_menu.mmEditAdd, &QAction::triggered, this, &TfrmMain::pmAddClick);
    connect(m_menu.mmEditChange, &QAction::triggered, this, &TfrmMain::pmChangeClick);
    connect(m_menu.mmEditDelete, &QAction::triggered, this, &TfrmMain::pmDeleteClick);
    connect(m_menu.mmEditDelAll, &QAction::triggered, this, &TfrmMain::pmDelAllClick);
    connect(m_menu.mmEdit, &QMenu::aboutToShow, this, &TfrmMain::updateEditMenu);
    connect(m_menu.mmHelpKeys, &QAction::triggered, this, &TfrmMain::mmHelpKeysClick);
    m_drags = new DragCommands(
        m_database, m_channelPages,
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
        [this](const std::function<void()> &move) { m_history->record(QStringLiteral("Перемещение канала"), move); },
        this);
    for (const ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
        FavouritesPage *page = kind == ChannelKind::Tv ? m_favTvPage : m_favRadioPage;
        connect(page->renameButton(), &QPushButton::clicked, this, [this, kind] {
            m_history->record(QStringLiteral("Переименование группы"), [&] { m_favourites->renameGroup(kind); });
        });
    }
    updateDragging();
    for (int page = 0; page < PageCount; ++page) {
        ReportList *list = listOfPage(page);
        list->installEventFilter(this);
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(list, &ReportList::customContextMenuRequested, this,
                [this, list](const QPoint &position) { openPopupMenu(list, position); });
    }
    // The favourites lists have no double-click action.
    for (ReportList *list : {m_satPage->list(), m_tpPage->list(), m_tvPage->list(), m_radioPage->list()})
        connect(list, &ReportList::doubleClicked, this, &TfrmMain::pmChangeClick);
}

bool TfrmMain::loadImage(std::span<const std::uint8_t> image)
{
    k510::ReadResult result = k510::readImage(image);
    if (!result.ok()) {
        m_dialogs.showMessage(QString::fromStdString(result.error));
        return false;
    }
    m_database = std::move(*result.database);

    ResetViews();
    m_tpPage->selector()->setCurrentIndex(0);
    m_tvPage->selector()->setCurrentIndex(0);
    m_radioPage->selector()->setCurrentIndex(0);
    showPage(PageSat);
    // The counts would otherwise still be those of the previous database.
    UpdateStatusBar();
    m_history->restart();
    showReadWarnings(result.warnings);
    return true;
}

bool TfrmMain::openFile(const QString &path)
{
    const FileBytes file = readDatabaseFile(path);
    if (!file.ok()) {
        m_dialogs.showError(file.error);
        return false;
    }
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(file.bytes.constData());
    const std::span<const std::uint8_t> image{bytes, std::size_t(file.bytes.size())};
    if (!loadImage(image))
        return false;
    setTitle(path);
    rememberFile(path);
    offerNumberingRepair(image);
    return true;
}

bool TfrmMain::loadReceivedImage(std::span<const std::uint8_t> image)
{
    if (!loadImage(image))
        return false;
    setTitle({});
    m_history->markUnsaved();
    // Asked once the receiver has had its closing tokens: it does not wait
    // for a user reading a list of problems.
    QTimer::singleShot(0, this, [this, received = QByteArray(reinterpret_cast<const char *>(image.data()),
                                                             qsizetype(image.size()))] {
        offerNumberingRepair({reinterpret_cast<const std::uint8_t *>(received.constData()),
                              std::size_t(received.size())});
    });
    return true;
}

void TfrmMain::offerNumberingRepair(std::span<const std::uint8_t> image)
{
    std::optional<k510::ChannelDatabase> repaired = askNumberingRepair(image, m_database, m_dialogs);
    if (!repaired)
        return;
    m_history->record(QStringLiteral("Исправление нумерации"), [&] { m_database = std::move(*repaired); });
    showDatabaseAgain();
}

void TfrmMain::showReadWarnings(const std::vector<std::string> &warnings)
{
    for (std::size_t i = 0; i < warnings.size() && i < kWarningsShownSingly; ++i)
        m_dialogs.showMessage(QString::fromStdString(warnings[i]));
    if (warnings.size() > kWarningsShownSingly) {
        m_dialogs.showMessage(QString::fromStdString(warnings.back())
                              + QStringLiteral("\nТакая же ошибка ещё у %1 каналов.")
                                    .arg(warnings.size() - kWarningsShownSingly));
    }
}

void TfrmMain::showChannelTypeErrors(int count)
{
    showReadWarnings(std::vector<std::string>(std::size_t(std::max(count, 0)), "Ошибка типа канала!"));
}

void TfrmMain::setTransferStatus(const QString &text)
{
    m_status->setPanelText(0, text);
}

void TfrmMain::reportSettingsProblem(const QString &problem)
{
    constexpr int kShownMs = 20000;
    if (m_reportedSettingsProblems.contains(problem))
        return;
    m_reportedSettingsProblems.append(problem);
    // A problem met at start-up waits until the window is shown: a status
    // bar that is not visible yet would draw the message over its panels.
    QTimer::singleShot(0, this, [this, problem] { m_status->showMessage(problem, kShownMs); });
}

void TfrmMain::setTitle(const QString &path)
{
    m_filePath = path;
    // "[*]" is where Qt shows that the database holds unsaved changes.
    setWindowTitle(editorTitle(path) + QStringLiteral("[*]"));
}

bool TfrmMain::mayDropChanges()
{
    if (!m_history->isModified() || m_changesDropped)
        return true;
    switch (m_dialogs.askYesNoCancel(QStringLiteral("Сохранить изменения в базе каналов?"))) {
    case UserDialogs::Answer::Yes: return save();
    case UserDialogs::Answer::No: return true;
    case UserDialogs::Answer::Cancel: break;
    }
    return false;
}

bool TfrmMain::save()
{
    if (m_filePath.isEmpty())
        return saveAs();
    if (!saveDatabase(m_database, m_filePath, m_dialogs))
        return false;
    m_history->markSaved();
    showFileWritten(QStringLiteral("Сохранено"), m_filePath);
    return true;
}

void TfrmMain::showFileWritten(const QString &what, const QString &path)
{
    m_status->setPanelText(0, QStringLiteral("%1: %2").arg(what, QFileInfo(path).fileName()), shownPath(path));
}

bool TfrmMain::saveAs()
{
    const QString path = saveDatabaseAs(m_database, m_dialogs, this, m_settings.lastFolder());
    if (path.isEmpty())
        return false;
    // From now on the window's file is the one just written: the title names
    // it and "Сохранить" writes there, never over the file opened before.
    setTitle(path);
    m_history->markSaved();
    rememberFile(path);
    showFileWritten(QStringLiteral("Сохранено"), path);
    return true;
}

void TfrmMain::rememberFile(const QString &path)
{
    m_settings.addRecentFile(path);
    fillRecentFilesMenu();
}

void TfrmMain::fillRecentFilesMenu()
{
    QMenu *menu = m_menu.mmFileRecent;
    menu->clear();
    const QStringList files = m_settings.recentFiles();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        // A long path keeps its start and its file name; the tooltip has it whole.
        const QString shown = QDir::toNativeSeparators(path);
        const QString elided = menu->fontMetrics().elidedText(shown, Qt::ElideMiddle,
                                                              kRecentFileTextChars * menu->fontMetrics().averageCharWidth());
        QAction *item = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(elided));
        item->setToolTip(shown);
        connect(item, &QAction::triggered, this, [this, path] { openRecentFile(path); });
    }
    menu->setToolTipsVisible(true);
    menu->setEnabled(!files.isEmpty());
}

void TfrmMain::openRecentFile(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        m_dialogs.showError(QStringLiteral("Файл «%1» не найден; он убран из списка последних файлов.")
                                .arg(QDir::toNativeSeparators(path)));
        m_settings.removeRecentFile(path);
        fillRecentFilesMenu();
        return;
    }
    if (mayDropChanges())
        openFile(path);
}

void TfrmMain::showLastPage()
{
    const int page = m_settings.lastPage();
    if (page >= 0 && page < PageCount)
        showPage(page);
}

void TfrmMain::mmFileExportCsvClick()
{
    const int page = m_pages->currentIndex();
    const bool radio = page == PageRadio || page == PageFavRadio;
    const QString path = exportChannelList(m_database, radio, m_dialogs, this, m_settings.lastFolder());
    if (path.isEmpty())
        return;
    m_settings.rememberFolder(path);   // a CSV file is no database to open again
    showFileWritten(QStringLiteral("Экспортировано"), path);
}

void TfrmMain::mmHelpAboutClick()
{
    AboutDialog about(this);
    m_dialogs.runDialog(about);
}

void TfrmMain::mmHelpKeysClick()
{
    if (!m_keysHelp)
        m_keysHelp = new KeysHelpWindow(this);
    m_keysHelp->show();
    m_keysHelp->raise();
    m_keysHelp->activateWindow();
}

void TfrmMain::dragEnterEvent(QDragEnterEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.front().isLocalFile()
        && urls.front().toLocalFile().endsWith(QStringLiteral(".k5d"), Qt::CaseInsensitive))
        event->acceptProposedAction();
}

void TfrmMain::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return;
    event->acceptProposedAction();
    if (mayDropChanges())
        openFile(urls.front().toLocalFile());
}

void TfrmMain::mmFileSaveClick()
{
    save();
}

void TfrmMain::mmFileOpenClick()
{
    if (!mayDropChanges())
        return;
    const QString path = chooseDatabaseToOpen(m_dialogs, this, m_settings.lastFolder());
    if (!path.isEmpty())
        openFile(path);
}

void TfrmMain::N5Click()
{
    saveAs();
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
    m_changesDropped = true;
    if (!m_transfers->mayCloseNow()) {
        m_changesDropped = !isVisible();   // hidden: it closes once the transfer has ended
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
    m_satPage->reset();
    m_tpPage->reset();
    m_tvPage->reset();
    m_radioPage->reset();
    m_favTvPage->reset();
    m_favRadioPage->reset();
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
        const QString name = fromWindows1251(satellite.rowTexts.name);
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
    updateDragging();
    UpdateStatusBar();
}

void TfrmMain::sheetRadioShow()
{
    cbRadioSelectSatSelect();
}

void TfrmMain::cbRadioSelectSatSelect()
{
    m_radioPage->refill(m_database);
    updateDragging();
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

ReportList *TfrmMain::listOfPage(int index) const
{
    switch (index) {
    case PageSat: return m_satPage->list();
    case PageTp: return m_tpPage->list();
    case PageTv: return m_tvPage->list();
    case PageRadio: return m_radioPage->list();
    case PageFavTv: return m_favTvPage->list();
    case PageFavRadio: return m_favRadioPage->list();
    default: return nullptr;
    }
}

void TfrmMain::UpdateStatusBar()
{
    // With a filter, the rows the user sees.
    if (const ReportList *list = listOfPage(m_pages->currentIndex()))
        m_status->setPanelText(1, QStringLiteral("Элементов: %1").arg(list->shownRowCount()));
    m_status->setPanelText(2, QStringLiteral("Спутников: %1").arg(m_database.satellites.size()));
    m_status->setPanelText(3, QStringLiteral("Трансп.: %1").arg(m_database.transponders.size()));
    m_status->setPanelText(4, QStringLiteral("Каналов: %1").arg(m_database.channels.size()));
}

ChannelListPage *TfrmMain::channelPageOf(const ReportList *list) const
{
    for (ChannelListPage *page : m_channelPages) {
        if (page->list() == list)
            return page;
    }
    return nullptr;
}

void TfrmMain::ShowChannelInfo(ReportList *list)
{
    const ChannelListPage *page = channelPageOf(list);
    if (!page)
        return;
    const int row = list->firstSelectedRow();
    if (row < 0)
        return;
    if (const auto info = channelInfo(m_database, page->channelIndexOfRow(m_database, row)))
        page->infoPanel()->showInfo(*info);
}

void TfrmMain::sortListByColumn(ReportList *list, int column)
{
    m_sortColumn = column;
    list->sortRowsBy(column);
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        for (int page = 0; page < PageCount; ++page) {
            if (listOfPage(page) == watched && editingKeyPressed(listOfPage(page), *key))
                return true;
        }
    }
    // Every other key goes on to the list.
    return QMainWindow::eventFilter(watched, event);
}

bool TfrmMain::editingKeyPressed(ReportList *list, const QKeyEvent &key)
{
    const bool shift = key.modifiers() == Qt::ShiftModifier;
    if (key.key() == Qt::Key_Menu || (key.key() == Qt::Key_F10 && shift)) {
        const QModelIndex current = list->currentIndex();
        openPopupMenu(list, current.isValid() ? list->visualRect(current).center() : QPoint(0, 0));
        return true;
    }
    if (key.modifiers() == Qt::ControlModifier && channelPageOf(list) && m_drags->moveSelectedRow(*list, key.key()))
        return true;
    const PopupEntries entries = currentPopupEntries();
    const bool editKey = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_F2;
    if (editKey && entries.changeShown && list->firstSelectedRow() >= 0) {
        pmChangeClick();
        return true;
    }
    if (key.key() == Qt::Key_Insert && entries.addShown && entries.addEnabled) {
        pmAddClick();
        return true;
    }
    if (key.key() == Qt::Key_Delete && entries.deleteShown) {
        pmDeleteClick();
        return true;
    }
    return false;
}

int TfrmMain::satelliteEntryOfPage(int page) const
{
    switch (page) {
    case PageTp: return m_tpPage->selector()->currentIndex();
    case PageTv: return m_tvPage->selector()->currentIndex();
    case PageRadio: return m_radioPage->selector()->currentIndex();
    default: return -1;
    }
}

PopupEntries TfrmMain::currentPopupEntries() const
{
    const int page = m_pages->currentIndex();
    const ReportList *list = listOfPage(page);
    return popupEntriesOn(page, satelliteEntryOfPage(page), list && list->filtering());
}

void TfrmMain::updateEditMenu()
{
    const PopupEntries entries = currentPopupEntries();
    m_menu.mmEditAdd->setEnabled(entries.addAvailable());
    m_menu.mmEditChange->setEnabled(entries.changeAvailable());
    m_menu.mmEditDelete->setEnabled(entries.deleteAvailable());
    m_menu.mmEditDelAll->setEnabled(entries.deleteAllAvailable());
}

void TfrmMain::PopupMenuPopup()
{
    m_popupMenu->PopupMenuPopup(currentPopupEntries());
}

void TfrmMain::openPopupMenu(ReportList *list, const QPoint &viewportPosition)
{
    const PopupEntries entries = currentPopupEntries();
    m_popupMenu->PopupMenuPopup(entries);
    if (entries.anyShown())
        m_popupMenu->popup(list->viewport()->mapToGlobal(viewportPosition));
}

void TfrmMain::pmAddClick()
{
    switch (m_pages->currentIndex()) {
    case PageTp:
        m_history->record(QStringLiteral("Добавление транспондера"), [&] { m_edits->addTransponder(); });
        break;
    case PageTv:
    case PageRadio: {
        const ChannelKind kind = m_pages->currentIndex() == PageTv ? ChannelKind::Tv : ChannelKind::Radio;
        m_history->record(QStringLiteral("Добавление канала"), [&] { m_edits->addChannel(kind); });
        break;
    }
    // The selection dialog updates the status bar itself, and only when shown.
    case PageFavTv:
    case PageFavRadio: {
        const ChannelKind kind = m_pages->currentIndex() == PageFavTv ? ChannelKind::Tv : ChannelKind::Radio;
        m_history->record(QStringLiteral("Добавление в избранные"), [&] { m_favourites->chooseChannels(kind); });
        return;
    }
    default: return;
    }
    UpdateStatusBar();
}

namespace {

QString channelsDeleted(const k510::ChannelDatabase &before, const k510::ChannelDatabase &after)
{
    return channelsDeletedName(int(before.channels.size() - after.channels.size()));
}

} // namespace

void TfrmMain::pmDeleteClick()
{
    const int page = m_pages->currentIndex();
    const ChannelKind kind = page == PageTv || page == PageFavTv ? ChannelKind::Tv : ChannelKind::Radio;
    switch (page) {
    case PageTp:
        m_history->record(QStringLiteral("Удаление транспондера"), [&] { m_deletes->deleteTransponder(); });
        break;
    case PageTv:
    case PageRadio:
        m_history->record(channelsDeleted, [&] { m_deletes->deleteChannels(kind); });
        break;
    case PageFavTv:
    case PageFavRadio:
        m_history->record(QStringLiteral("Удаление из избранных"), [&] { m_deletes->removeFavourites(kind); });
        break;
    default: return;
    }
    UpdateStatusBar();
}

void TfrmMain::pmDelAllClick()
{
    const int page = m_pages->currentIndex();
    // Never a purge of rows a filter hides.
    if ((page != PageTv && page != PageRadio) || listOfPage(page)->filtering())
        return;
    const ChannelKind kind = page == PageTv ? ChannelKind::Tv : ChannelKind::Radio;
    m_history->record(channelsDeleted, [&] { m_deletes->purge(kind); });
    UpdateStatusBar();
}

void TfrmMain::pmChangeClick()
{
    switch (m_pages->currentIndex()) {
    case PageSat:
        m_history->record(QStringLiteral("Изменение спутника"), [&] { m_edits->editSatellite(); });
        break;
    case PageTp:
        m_history->record(QStringLiteral("Изменение транспондера"), [&] { m_edits->editTransponder(); });
        break;
    case PageTv:
        m_history->record(QStringLiteral("Изменение канала"), [&] { m_edits->editChannel(ChannelKind::Tv); });
        break;
    case PageRadio:
        m_history->record(QStringLiteral("Изменение канала"), [&] { m_edits->editChannel(ChannelKind::Radio); });
        break;
    default: return;
    }
    // A renamed channel may have left the rows "Поиск" shows, or joined them.
    UpdateStatusBar();
}

void TfrmMain::wireHistory()
{
    QUndoStack &stack = m_history->stack();
    QAction *undo = m_menu.mmEditUndo;
    QAction *redo = m_menu.mmEditRedo;
    undo->setEnabled(false);
    redo->setEnabled(false);
    connect(undo, &QAction::triggered, &stack, &QUndoStack::undo);
    connect(redo, &QAction::triggered, &stack, &QUndoStack::redo);
    connect(&stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    const auto named = [](const QString &verb, const QString &step) {
        return step.isEmpty() ? verb : QStringLiteral("%1 «%2»").arg(verb, step);
    };
    connect(&stack, &QUndoStack::undoTextChanged, undo,
            [undo, named](const QString &step) { undo->setText(named(QStringLiteral("Отменить"), step)); });
    connect(&stack, &QUndoStack::redoTextChanged, redo,
            [redo, named](const QString &step) { redo->setText(named(QStringLiteral("Повторить"), step)); });
    connect(m_history, &EditHistory::modifiedChanged, this, &QWidget::setWindowModified);
    // A deleted channel must not stay in a panel, nor one undone away.
    connect(&stack, &QUndoStack::indexChanged, this, &TfrmMain::showSelectedChannels);
}

void TfrmMain::wireFindFields()
{
    for (ChannelListPage *page : m_channelPages) {
        connect(page->findField(), &QLineEdit::textChanged, this, [this, page](const QString &text) {
            page->list()->setRowFilter(1, text);
            updateDragging();
            UpdateStatusBar();
        });
    }
    connect(m_menu.mmEditFind, &QAction::triggered, this, &TfrmMain::focusFindField);
}

void TfrmMain::focusFindField()
{
    for (ChannelListPage *page : m_channelPages) {
        if (page == m_pages->currentWidget()) {
            page->findField()->setFocus(Qt::ShortcutFocusReason);
            page->findField()->selectAll();
        }
    }
}

void TfrmMain::updateDragging()
{
    for (ChannelListPage *page : m_channelPages) {
        const auto *channels = qobject_cast<const ChannelPage *>(page);
        const bool wholeList = !channels || channels->showsWholeOrder();
        page->list()->setDragEnabled(wholeList && !page->list()->filtering());
    }
}

void TfrmMain::showDatabaseAgain()
{
    const int page = m_pages->currentIndex();
    const int tpEntry = m_tpPage->selector()->currentIndex();
    const int tvEntry = m_tvPage->selector()->currentIndex();
    const int radioEntry = m_radioPage->selector()->currentIndex();
    const int tvGroup = m_favTvPage->selector()->currentIndex();
    const int radioGroup = m_favRadioPage->selector()->currentIndex();

    ResetViews();
    sheetSatShow();
    const auto restore = [](auto *selector, int entry) {
        selector->setCurrentIndex(entry >= 0 && entry < selector->count() ? entry : 0);
    };
    restore(m_tpPage->selector(), tpEntry);
    restore(m_tvPage->selector(), tvEntry);
    restore(m_radioPage->selector(), radioEntry);
    if (tvGroup >= 0 && !m_database.satellites.empty()) {
        m_favTvPage->prepareGroups(m_database);
        restore(m_favTvPage->selector(), tvGroup);
    }
    if (radioGroup >= 0 && !m_database.radioOrder.empty()) {
        m_favRadioPage->prepareGroups(m_database);
        restore(m_favRadioPage->selector(), radioGroup);
    }
    showPage(page);
    UpdateStatusBar();
}

void TfrmMain::channelListKeyPressed(ChannelListPage *page, int key, Qt::KeyboardModifiers modifiers)
{
    // The list has handled the key already: plain and Shift keys moved or
    // extended the selection as in any list, and the panel follows. A key
    // with Ctrl (a move, Ctrl+A, Ctrl+F) leaves the panel where it is.
    ReportList *list = page->list();
    if (list->rowCount() == 0 || modifiers.testFlag(Qt::ControlModifier) || key == Qt::Key_Control)
        return;
    ShowChannelInfo(list);
}

void TfrmMain::showSelectedChannels()
{
    for (ChannelListPage *page : m_channelPages) {
        const int row = page->list()->firstSelectedRow();
        const auto info = row < 0 ? std::nullopt : channelInfo(m_database, page->channelIndexOfRow(m_database, row));
        page->infoPanel()->showInfo(info.value_or(ChannelInfo{}));
    }
}
