// SPDX-License-Identifier: GPL-3.0-or-later
#include "PopupMenu.h"

#include "ui/lists/ReportList.h"

#include <QKeyEvent>

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

PopupEntries popupEntriesOn(int page, int satelliteEntry, bool filtering, bool sorted)
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
        entries.orderAsShownShown = page != Transponders;
        entries.orderAsShownEnabled = page != Transponders && satelliteEntry == 0 && !filtering && sorted;
        entries.moveToShown = page != Transponders;
        entries.moveToEnabled = page != Transponders && satelliteEntry <= 0 && !filtering;
        break;
    case FavouriteTv:
    case FavouriteRadio:
        entries.addShown = true;
        entries.addEnabled = true;
        entries.deleteShown = true;
        entries.moveToShown = true;
        entries.moveToEnabled = !filtering;
        break;
    default:
        break;
    }
    return entries;
}

PopupMenu::PopupMenu(std::function<PopupEntries()> entriesNow, QWidget *parent)
    : QMenu(parent)
    , pmAdd(namedAction(*this, "pmAdd", QStringLiteral("Добавить"), QKeySequence(Qt::Key_Insert)))
    , pmChange(namedAction(*this, "pmChange", QStringLiteral("Редактировать"), QKeySequence(Qt::Key_Enter)))
    , pmDelete(namedAction(*this, "pmDelete", QStringLiteral("Удалить"), QKeySequence(Qt::Key_Delete)))
    , pmDelAll(namedAction(*this, "pmDelAll", QStringLiteral("Удалить все кроме добавленного в Избранные")))
    , pmOrderAsShown(namedAction(*this, "pmOrderAsShown", QStringLiteral("Упорядочить как показано")))
    , pmMoveTo(namedAction(*this, "pmMoveTo", QStringLiteral("Переместить на позицию..."),
                           QKeySequence(Qt::CTRL | Qt::Key_G)))
    , m_entriesNow(std::move(entriesNow))
{
    setObjectName(QStringLiteral("PopupMenu"));
}

void PopupMenu::serve(ReportList &list)
{
    list.installEventFilter(this);
    list.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&list, &ReportList::customContextMenuRequested, this,
            [this, &list](const QPoint &position) { openOver(list, position); });
}

void PopupMenu::openOver(ReportList &list, const QPoint &viewportPosition)
{
    const PopupEntries entries = m_entriesNow();
    PopupMenuPopup(entries);
    if (entries.anyShown())
        popup(list.viewport()->mapToGlobal(viewportPosition));
}

bool PopupMenu::eventFilter(QObject *watched, QEvent *event)
{
    auto *list = qobject_cast<ReportList *>(watched);
    if (list && event->type() == QEvent::KeyPress && itemKeyPressed(*list, *static_cast<QKeyEvent *>(event)))
        return true;
    // Every other key goes on to the list.
    return QMenu::eventFilter(watched, event);
}

bool PopupMenu::itemKeyPressed(ReportList &list, const QKeyEvent &key)
{
    const bool shift = key.modifiers() == Qt::ShiftModifier;
    if (key.key() == Qt::Key_Menu || (key.key() == Qt::Key_F10 && shift)) {
        const QModelIndex current = list.currentIndex();
        openOver(list, current.isValid() ? list.visualRect(current).center() : QPoint(0, 0));
        return true;
    }
    const PopupEntries entries = m_entriesNow();
    PopupMenuPopup(entries);
    const bool editKey = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_F2;
    QAction *item = nullptr;
    if (editKey && entries.changeShown && list.firstSelectedRow() >= 0)
        item = pmChange;
    else if (key.key() == Qt::Key_Insert && entries.addAvailable())
        item = pmAdd;
    else if (key.key() == Qt::Key_Delete && entries.deleteShown)
        item = pmDelete;
    if (!item)
        return false;
    item->trigger();
    return true;
}

void PopupMenu::PopupMenuPopup(const PopupEntries &entries)
{
    pmAdd->setVisible(entries.addShown);
    pmAdd->setEnabled(entries.addEnabled);
    pmChange->setVisible(entries.changeShown);
    pmDelete->setVisible(entries.deleteShown);
    pmDelAll->setVisible(entries.deleteAllShown);
    pmDelAll->setEnabled(entries.deleteAllEnabled);
    pmOrderAsShown->setVisible(entries.orderAsShownShown);
    pmOrderAsShown->setEnabled(entries.orderAsShownEnabled);
    pmMoveTo->setVisible(entries.moveToShown);
    pmMoveTo->setEnabled(entries.moveToEnabled);
}

} // namespace k510::ui
