// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowCommands.h"

#include "EditorSession.h"
#include "MainMenu.h"
#include "PageDispatch.h"
#include "PagePresenter.h"
#include "StatusPanels.h"
#include "commands/DeleteCommands.h"
#include "commands/DragCommands.h"
#include "commands/EditCommands.h"
#include "commands/EditHistory.h"
#include "commands/FavouriteCommands.h"
#include "commands/FileCommands.h"
#include "commands/FileMessages.h"
#include "commands/ImportCommands.h"
#include "commands/OrderCommands.h"
#include "commands/PrintCommands.h"
#include "commands/SatellitesXmlCommand.h"
#include "commands/SelectionCommands.h"
#include "SelectionMenu.h"
#include "commands/WindowTitle.h"
#include "pages/ChannelPage.h"
#include "pages/FavouritesPage.h"
#include "pages/PageTabs.h"
#include "transfer/HistoryCommands.h"
#include "transfer/TransferController.h"
#include "ui/EditorSettings.h"

#include <QFileInfo>
#include <QMainWindow>

namespace k510::ui {

WindowCommands::WindowCommands(const WindowParts &parts)
{
    EditorSession &session = parts.session;
    ChannelDatabase &db = session.database();
    EditHistory &history = session.history();
    PageTabs &pages = parts.pages;
    PagePresenter &presenter = parts.presenter;
    const auto fileWritten = [&status = parts.status](const QString &what, const QString &path) {
        status.showFileNote(what, QFileInfo(path).fileName(), shownPath(path));
    };
    const auto showChanges = [&session] { session.announceChanges(); };
    const auto updateStatusBar = [&presenter] { presenter.UpdateStatusBar(); };

    files = new FileCommands(
        FileTargets{session, parts.dialogs, parts.settings, parts.window, *parts.menu.mmFileRecent, fileWritten},
        &parts.window);
    edits = std::make_unique<EditCommands>(EditTargets{db, parts.dialogs, history, *pages.satellites,
                                                       *pages.transponders, *pages.tv, *pages.radio, updateStatusBar},
                                           &parts.window);
    favourites = new FavouriteCommands(
        FavouriteTargets{db, parts.dialogs, history, *pages.favouriteTv, *pages.favouriteRadio, updateStatusBar},
        &parts.window);
    deletes = std::make_unique<DeleteCommands>(
        DeleteTargets{db, parts.dialogs, history, *pages.transponders, *pages.tv, *pages.radio, *pages.favouriteTv,
                      *pages.favouriteRadio,
                      [&dialogs = parts.dialogs](int count) { showChannelTypeErrors(dialogs, count); }});
    drags = new DragCommands(
        db, parts.dialogs, pages.channelPages(),
        [&history](int rows, const std::function<void()> &move) {
            history.record(rows == 1 ? QStringLiteral("Перемещение канала")
                                     : channelsStepName(QStringLiteral("Перемещение"), rows),
                           move);
        },
        &parts.window);
    orders = new OrderCommands(
        OrderTargets{db, parts.dialogs, history, *pages.tv, *pages.radio, parts.settings, parts.window,
                     [&presenter](ChannelKind kind) {
                         kind == ChannelKind::Tv ? presenter.cbTvSelectSatSelect() : presenter.cbRadioSelectSatSelect();
                     },
                     showChanges, pages.newChannels()},
        &parts.window);
    satellitesXml = new SatellitesXmlCommand(
        SatellitesXmlTargets{db, parts.dialogs, history, *pages.transponders, parts.settings, parts.window, showChanges},
        &parts.window);
    prints = new PrintCommands(PrintTargets{db, parts.dialogs, parts.settings, pages, parts.window,
                                            [&session] { return session.filePath(); }, fileWritten},
                               &parts.window);
    imports = new ImportCommands(ImportTargets{db, parts.dialogs, history, parts.settings, parts.window, pages,
                                               parts.status, showChanges,
                                               [&presenter](int page) { presenter.showPage(page); }},
                                 &parts.window);
    transferHistory = new HistoryCommands(
        HistoryTargets{db, parts.dialogs, parts.transfers, parts.window, [&session] { return session.filePath(); },
                       [&settings = parts.settings] { return settings.lastFolder(); },
                       [this] { return files->mayDropChanges(); },
                       [this](std::span<const std::uint8_t> image) { return files->loadReceivedImage(image); },
                       [&presenter, &pages, &db](ChannelKind kind, int number) {
                           presenter.showPage(int(kind == ChannelKind::Tv ? PageId::Tv : PageId::Radio));
                           (kind == ChannelKind::Tv ? pages.tv : pages.radio)->selectChannels({db.channelIndex(kind, number)});
                       },
                       [&status = parts.status](const QString &note) { status.showNote(note, 10000); },
                       [&status = parts.status](const QString &problem) { status.showProblemOnce(problem); }},
        &parts.window);
    selection = new SelectionCommands(
        SelectionTargets{db, parts.dialogs, history, pages, [&pages] { pages.showChanges(pages.currentIndex()); }},
        &parts.window);
    onPage = std::make_unique<PageDispatch>(*this, pages, presenter, parts.status);
    connectMenu(parts);
}

WindowCommands::~WindowCommands() = default;

void WindowCommands::connectMenu(const WindowParts &parts)
{
    const MainMenuActions &menu = parts.menu;
    QObject::connect(menu.mmFilePrint, &QAction::triggered, prints, &PrintCommands::print);
    QObject::connect(menu.mmFileExportPdf, &QAction::triggered, prints, &PrintCommands::exportPdf);
    QObject::connect(menu.mmEditSatellitesXml, &QAction::triggered, satellitesXml, &SatellitesXmlCommand::run);
    QObject::connect(menu.mmFileCompare, &QAction::triggered, transferHistory, &HistoryCommands::mmFileCompareClick);
    QObject::connect(menu.mmLinkVerify, &QAction::triggered, transferHistory, &HistoryCommands::mmLinkVerifyClick);
    QObject::connect(menu.mmLinkHistory, &QAction::triggered, transferHistory, &HistoryCommands::mmLinkHistoryClick);
    TransferController *transfers = &parts.transfers;
    QObject::connect(menu.N3, &QAction::triggered, transfers, &TransferController::N3Click);
    QObject::connect(menu.N4, &QAction::triggered, transfers, &TransferController::N4Click);
    QObject::connect(menu.N7, &QAction::triggered, transfers, &TransferController::N7Click);
    // A running transfer holds the port: it cannot be started twice, nor the
    // port changed under it.
    StatusPanels *status = &parts.status;
    QObject::connect(transfers, &TransferController::transferRunningChanged, status, [&menu, status](bool running) {
        for (QAction *action : {menu.N3, menu.N4, menu.mmLinkVerify, menu.N7})
            action->setEnabled(!running);
        status->showTransferProgress(running ? 0 : -1);
    });
    QObject::connect(transfers, &TransferController::transferProgress, status, &StatusPanels::showTransferProgress);
    addSelectionCommands(*menu.mmEdit, QStringLiteral("mmEdit"), *selection, parts.pages, parts.session.database(),
                         [this] { onPage->remove(); }, false);
    // The satellite column as the user left it last time.
    PageTabs *pages = &parts.pages;
    EditorSettings *settings = &parts.settings;
    menu.mmViewSatelliteColumn->setChecked(settings->satelliteColumn());
    pages->showSatelliteColumn(settings->satelliteColumn());
    QObject::connect(menu.mmViewSatelliteColumn, &QAction::toggled, pages, [pages, settings](bool shown) {
        pages->showSatelliteColumn(shown);
        settings->rememberSatelliteColumn(shown);
    });
    QObject::connect(drags, &DragCommands::moveUnavailable, status,
                     [status](const QString &reason) { status->showNote(reason, 10000); });
}

} // namespace k510::ui
