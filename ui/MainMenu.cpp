#include "MainMenu.h"

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

} // namespace

MainMenuActions buildMainMenu(QMainWindow &window)
{
    QMenuBar *bar = window.menuBar();
    QMenu *file = namedMenu(bar, QStringLiteral("mmFile"), QStringLiteral("Файл"));
    QMenu *edit = namedMenu(bar, QStringLiteral("mmEdit"), QStringLiteral("Правка"));
    QMenu *link = namedMenu(bar, QStringLiteral("N1"), QStringLiteral("Связь"));
    QMenu *help = namedMenu(bar, QStringLiteral("mmHelp"), QStringLiteral("Справка"));

    MainMenuActions actions{};
    actions.mmFileOpen = namedAction(file, QStringLiteral("mmFileOpen"), QStringLiteral("Открыть"), QKeySequence::Open);
    actions.mmFileSave = namedAction(file, QStringLiteral("mmFileSave"), QStringLiteral("Сохранить"),
                                     QKeySequence(Qt::CTRL | Qt::Key_S));
    actions.N5 = namedAction(file, QStringLiteral("N5"), QStringLiteral("Сохранить как..."),
                             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    actions.mmFileExportCsv =
        namedAction(file, QStringLiteral("mmFileExportCsv"), QStringLiteral("Экспорт в CSV..."));
    file->addSeparator();
    actions.mmFileRecent = file->addMenu(QStringLiteral("Последние файлы"));
    actions.mmFileRecent->setObjectName(QStringLiteral("mmFileRecent"));
    file->addSeparator();
    actions.N6 = namedAction(file, QStringLiteral("N6"), QStringLiteral("Выход"));
    actions.mmEditUndo = namedAction(edit, QStringLiteral("mmEditUndo"), QStringLiteral("Отменить"),
                                     QKeySequence(Qt::CTRL | Qt::Key_Z));
    actions.mmEditRedo = namedAction(edit, QStringLiteral("mmEditRedo"), QStringLiteral("Повторить"));
    actions.mmEditRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->addSeparator();
    actions.mmEditFind = namedAction(edit, QStringLiteral("mmEditFind"), QStringLiteral("Найти"),
                                     QKeySequence(Qt::CTRL | Qt::Key_F));
    actions.N3 = namedAction(link, QStringLiteral("N3"), QStringLiteral("Отправить Настройки"));
    actions.N4 = namedAction(link, QStringLiteral("N4"), QStringLiteral("Получить Настройки"));
    link->addSeparator();
    actions.N7 = namedAction(link, QStringLiteral("N7"), QStringLiteral("Настройки Порта"));
    actions.mmHelpAbout = namedAction(help, QStringLiteral("mmHelpAbout"), QStringLiteral("О программе"));
    return actions;
}

} // namespace k510::ui
