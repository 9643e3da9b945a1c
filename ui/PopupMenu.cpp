// SPDX-License-Identifier: GPL-3.0-or-later
#include "PopupMenu.h"

namespace k510::ui {

namespace {

enum Page { Satellites, Transponders, Tv, Radio, FavouriteTv, FavouriteRadio };

QAction *namedAction(QMenu &menu, const char *objectName, const QString &text, const QKeySequence &keys = {})
{
    QAction *action = menu.addAction(text);
    action->setObjectName(QLatin1String(objectName));
    // Shown beside the caption only: a menu that is not in a menu bar never
    // has the focus a widget shortcut waits for, so the list keeps the key.
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetShortcut);
    return action;
}

} // namespace

PopupEntries popupEntriesOn(int page, int satelliteEntry, bool filtering)
{
    PopupEntries entries;
    switch (page) {
    case Satellites:
        entries.changeShown = true;
        break;
    case Transponders:
    case Tv:
    case Radio:
        entries.addShown = true;
        entries.addEnabled = satelliteEntry >= 1;
        entries.changeShown = true;
        entries.deleteShown = true;
        entries.deleteAllShown = page != Transponders;
        entries.deleteAllEnabled = !filtering;
        break;
    case FavouriteTv:
    case FavouriteRadio:
        entries.addShown = true;
        entries.addEnabled = true;
        entries.deleteShown = true;
        break;
    default:
        break;
    }
    return entries;
}

PopupMenu::PopupMenu(QWidget *parent)
    : QMenu(parent)
    , pmAdd(namedAction(*this, "pmAdd", QStringLiteral("Добавить"), QKeySequence(Qt::Key_Insert)))
    , pmChange(namedAction(*this, "pmChange", QStringLiteral("Редактировать"), QKeySequence(Qt::Key_Enter)))
    , pmDelete(namedAction(*this, "pmDelete", QStringLiteral("Удалить"), QKeySequence(Qt::Key_Delete)))
    , pmDelAll(namedAction(*this, "pmDelAll", QStringLiteral("Удалить все кроме добавленного в Избранные")))
{
    setObjectName(QStringLiteral("PopupMenu"));
}

void PopupMenu::PopupMenuPopup(const PopupEntries &entries)
{
    pmAdd->setVisible(entries.addShown);
    pmAdd->setEnabled(entries.addEnabled);
    pmChange->setVisible(entries.changeShown);
    pmDelete->setVisible(entries.deleteShown);
    pmDelAll->setVisible(entries.deleteAllShown);
    pmDelAll->setEnabled(entries.deleteAllEnabled);
}

} // namespace k510::ui
