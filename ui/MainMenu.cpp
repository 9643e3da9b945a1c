// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainMenu.h"
#include "PopupMenu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace k510::ui {

namespace {

QMenu *namedMenu(QMenuBar *bar, const QString &objectName, const QString &title)
{
    QMenu *menu = bar->addMenu(title);
    menu->setObjectName(objectName);
    menu->menuAction()->setObjectName(objectName + QStringLiteral("Item"));
    return menu;
}

QAction *namedAction(QMenu *menu, const QString &objectName, const QString &text,
                     const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(text);
    action->setObjectName(objectName);
    action->setShortcut(shortcut);
    return action;
}

// A command whose key belongs to the lists: the key is named after a tab,
// the way a menu shows a shortcut, without taking the key.
QAction *namedListCommand(QMenu *menu, const QString &objectName, const QString &text, const QString &key = {})
{
    return namedAction(menu, objectName, key.isEmpty() ? text : text + QLatin1Char('\t') + key);
}

} // namespace

MainMenuActions buildMainMenu(QMainWindow &window)
{
    QMenuBar *bar = window.menuBar();
    QMenu *file = namedMenu(bar, QStringLiteral("mmFile"), QStringLiteral("&Файл"));
    QMenu *edit = namedMenu(bar, QStringLiteral("mmEdit"), QStringLiteral("&Правка"));
    QMenu *view = namedMenu(bar, QStringLiteral("mmView"), QStringLiteral("Ви&д"));
    QMenu *link = namedMenu(bar, QStringLiteral("N1"), QStringLiteral("С&вязь"));
    QMenu *help = namedMenu(bar, QStringLiteral("mmHelp"), QStringLiteral("Спр&авка"));

    // F10 opens the first menu; the arrow keys go on from there.
    auto *openMenuBar = new QAction(&window);
    openMenuBar->setObjectName(QStringLiteral("mmOpenMenuBar"));
    openMenuBar->setShortcut(QKeySequence(Qt::Key_F10));
    QObject::connect(openMenuBar, &QAction::triggered, bar, [bar, file] { bar->setActiveAction(file->menuAction()); });
    window.addAction(openMenuBar);

    MainMenuActions actions{};
    actions.mmFile = file;
    actions.mmEdit = edit;
    actions.mmFileOpen = namedAction(file, QStringLiteral("mmFileOpen"), QStringLiteral("&Открыть"), QKeySequence::Open);
    actions.mmFileSave = namedAction(file, QStringLiteral("mmFileSave"), QStringLiteral("&Сохранить"),
                                     QKeySequence(Qt::CTRL | Qt::Key_S));
    actions.N5 = namedAction(file, QStringLiteral("N5"), QStringLiteral("Сохранить &как..."),
                             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    actions.mmFileCompare = namedAction(file, QStringLiteral("mmFileCompare"), QStringLiteral("Сра&внить с..."));
    actions.mmFileExportCsv =
        namedAction(file, QStringLiteral("mmFileExportCsv"), QStringLiteral("&Экспорт в CSV..."));
    file->addSeparator();
    actions.mmFilePrint =
        namedAction(file, QStringLiteral("mmFilePrint"), QStringLiteral("&Печать..."), QKeySequence::Print);
    actions.mmFileExportPdf =
        namedAction(file, QStringLiteral("mmFileExportPdf"), QStringLiteral("Экспорт в P&DF..."));
    file->addSeparator();
    actions.mmFileRecent = file->addMenu(QStringLiteral("Последние &файлы"));
    actions.mmFileRecent->setObjectName(QStringLiteral("mmFileRecent"));
    file->addSeparator();
    actions.N6 = namedAction(file, QStringLiteral("N6"), QStringLiteral("В&ыход"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    actions.mmEditUndo = namedAction(edit, QStringLiteral("mmEditUndo"), QStringLiteral("&Отменить"),
                                     QKeySequence(Qt::CTRL | Qt::Key_Z));
    actions.mmEditRedo = namedAction(edit, QStringLiteral("mmEditRedo"), QStringLiteral("Пов&торить"));
    actions.mmEditRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->addSeparator();
    actions.mmEditFind = namedAction(edit, QStringLiteral("mmEditFind"), QStringLiteral("&Найти"),
                                     QKeySequence(Qt::CTRL | Qt::Key_F));
    edit->addSeparator();
    actions.mmEditAdd = namedListCommand(edit, QStringLiteral("mmEditAdd"), QStringLiteral("&Добавить"),
                                         QStringLiteral("Ins"));
    actions.mmEditChange = namedListCommand(edit, QStringLiteral("mmEditChange"), QStringLiteral("&Изменить"),
                                            QStringLiteral("Enter"));
    actions.mmEditDelete = namedListCommand(edit, QStringLiteral("mmEditDelete"), QStringLiteral("&Удалить"),
                                            QStringLiteral("Del"));
    actions.mmEditDelAll = namedListCommand(edit, QStringLiteral("mmEditDelAll"),
                                            QStringLiteral("Удалить все к&роме избранных"));
    edit->addSeparator();
    actions.mmEditMoveTo = namedListCommand(edit, QStringLiteral("mmEditMoveTo"),
                                            QStringLiteral("&Переместить на позицию..."), QStringLiteral("Ctrl+G"));
    actions.mmEditOrderAsShown =
        namedListCommand(edit, QStringLiteral("mmEditOrderAsShown"), QStringLiteral("Упорядочить &как показано"));
    actions.mmEditOrderByExample =
        namedAction(edit, QStringLiteral("mmEditOrderByExample"), QStringLiteral("Упорядочить по о&бразцу..."));
    actions.mmEditSelectDuplicates =
        namedAction(edit, QStringLiteral("mmEditSelectDuplicates"), QStringLiteral("&Выделить дубликаты"));
    actions.mmEditSelectSimilarNames = namedAction(edit, QStringLiteral("mmEditSelectSimilarNames"),
                                                   QStringLiteral("Выделить по&хожие названия"));
    edit->addSeparator();
    actions.mmEditSatellitesXml = namedAction(edit, QStringLiteral("mmEditSatellitesXml"),
                                              QStringLiteral("Транспондеры из &списка satellites.xml..."));
    actions.mmEditImport =
        namedAction(edit, QStringLiteral("mmEditImport"), QStringLiteral("Добавить из дру&гой базы..."));
    actions.mmView = view;
    actions.mmViewSatelliteColumn =
        namedAction(view, QStringLiteral("mmViewSatelliteColumn"), QStringLiteral("Столбец «&Спутник»"));
    actions.mmViewSatelliteColumn->setCheckable(true);
    actions.N3 = namedAction(link, QStringLiteral("N3"), QStringLiteral("&Отправить Настройки"));
    actions.N4 = namedAction(link, QStringLiteral("N4"), QStringLiteral("&Получить Настройки"));
    actions.mmLinkVerify = namedAction(link, QStringLiteral("mmLinkVerify"), QStringLiteral("&Сверить с ресивером"));
    link->addSeparator();
    actions.mmLinkHistory = namedAction(link, QStringLiteral("mmLinkHistory"), QStringLiteral("&История обмена..."));
    link->addSeparator();
    actions.N7 = namedAction(link, QStringLiteral("N7"), QStringLiteral("&Настройки Порта"));
    actions.mmHelpKeys = namedAction(help, QStringLiteral("mmHelpKeys"), QStringLiteral("&Клавиши"),
                                     QKeySequence(Qt::Key_F1));
    actions.mmHelpAbout = namedAction(help, QStringLiteral("mmHelpAbout"), QStringLiteral("&О программе"));
    return actions;
}

void enableEditMenu(const MainMenuActions &menu, const PopupEntries &entries, const ChannelDatabase &db,
                    bool channelPage)
{
    menu.mmEditAdd->setEnabled(entries.addAvailable());
    menu.mmEditChange->setEnabled(entries.changeAvailable());
    menu.mmEditDelete->setEnabled(entries.deleteAvailable());
    menu.mmEditDelAll->setEnabled(entries.deleteAllAvailable());
    menu.mmEditOrderAsShown->setEnabled(entries.orderAsShownAvailable());
    menu.mmEditMoveTo->setEnabled(entries.moveToAvailable());
    menu.mmEditOrderByExample->setEnabled(!db.channels.empty());
    menu.mmEditSatellitesXml->setEnabled(!db.satellites.empty());
    menu.mmEditImport->setEnabled(!db.satellites.empty());
    menu.mmEditSelectDuplicates->setEnabled(channelPage);
    menu.mmEditSelectSimilarNames->setEnabled(channelPage);
}

} // namespace k510::ui
