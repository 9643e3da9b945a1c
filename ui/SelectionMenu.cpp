// SPDX-License-Identifier: GPL-3.0-or-later
#include "SelectionMenu.h"

#include "commands/SelectionCommands.h"
#include "lists/ModelStrings.h"
#include "lists/ReportList.h"
#include "pages/PageTabs.h"

#include <QAction>
#include <QMenu>

#include <vector>

namespace k510::ui {

namespace {

QAction *namedItem(QMenu &menu, const QString &name, const QString &text)
{
    QAction *action = menu.addAction(text);
    action->setObjectName(name);
    return action;
}

} // namespace

void addSelectionCommands(QMenu &menu, const QString &prefix, SelectionCommands &commands, const PageTabs &pages,
                          const ChannelDatabase &db, std::function<void()> removeFromGroup, bool withGroups)
{
    QAction *separator = menu.addSeparator();
    QAction *lock = namedItem(menu, prefix + QStringLiteral("Lock"), QStringLiteral("&Заблокировать"));
    QAction *unlock = namedItem(menu, prefix + QStringLiteral("Unlock"), QStringLiteral("Разб&локировать"));
    QAction *scrambled =
        namedItem(menu, prefix + QStringLiteral("MarkScrambled"), QStringLiteral("Отм&етить как кодированные"));
    QAction *free = namedItem(menu, prefix + QStringLiteral("MarkFree"), QStringLiteral("Отметить как откр&ытые"));
    QMenu *groups = withGroups ? menu.addMenu(QStringLiteral("Доб&авить в избранные")) : nullptr;
    if (groups) {
        groups->setObjectName(prefix + QStringLiteral("AddToGroup"));
        groups->menuAction()->setObjectName(prefix + QStringLiteral("AddToGroupItem"));
        for (int group = 0; group < kFavouriteGroupCount; ++group) {
            QAction *item = namedItem(*groups, prefix + QStringLiteral("AddToGroup%1").arg(group + 1), QString());
            QObject::connect(item, &QAction::triggered, &commands, [&commands, group] { commands.addToGroup(group); });
        }
    }
    QAction *remove = namedItem(menu, prefix + QStringLiteral("RemoveFromGroup"), QStringLiteral("Убрат&ь из группы"));
    QAction *rename = namedItem(menu, prefix + QStringLiteral("Rename"), QStringLiteral("Переи&меновать..."));

    QObject::connect(lock, &QAction::triggered, &commands, [&commands] { commands.setLocked(true); });
    QObject::connect(unlock, &QAction::triggered, &commands, [&commands] { commands.setLocked(false); });
    QObject::connect(scrambled, &QAction::triggered, &commands, [&commands] { commands.setScrambled(true); });
    QObject::connect(free, &QAction::triggered, &commands, [&commands] { commands.setScrambled(false); });
    QObject::connect(remove, &QAction::triggered, &commands, std::move(removeFromGroup));
    QObject::connect(rename, &QAction::triggered, &commands, &SelectionCommands::rename);

    std::vector<QAction *> items = {separator, lock, unlock, scrambled, free, remove, rename};
    if (groups)
        items.push_back(groups->menuAction());
    // Hidden until the menu opens on a page that offers them.
    for (QAction *item : items)
        item->setVisible(false);
    QObject::connect(&menu, &QMenu::aboutToShow, &commands, [&pages, &db, &commands, items, groups, remove] {
        const PageId page = pages.currentPage();
        const auto kind = kindOfPage(page);
        for (QAction *item : items)
            item->setVisible(kind.has_value());
        remove->setVisible(isFavouritesPage(page));
        if (!kind)
            return;
        const bool chosen = commands.chosen().has_value();
        for (QAction *item : items)
            item->setEnabled(chosen);
        if (!groups)
            return;
        const QList<QAction *> groupItems = groups->actions();
        for (int group = 0; group < groupItems.size(); ++group)
            groupItems[group]->setText(QStringLiteral("%1. %2").arg(group + 1).arg(
                fromWindows1251(db.groupName(*kind, group + 1))));
    });
}

} // namespace k510::ui
