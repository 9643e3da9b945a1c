// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>

#include <functional>

class QKeyEvent;

namespace k510::ui {

class ReportList;

// What the context menu offers on one page.
struct PopupEntries {
    bool addShown = false;
    bool addEnabled = false;
    bool changeShown = false;
    bool deleteShown = false;
    bool deleteAllShown = false;
    bool deleteAllEnabled = true;
    // "Упорядочить как показано": the TV and radio pages; it can keep a
    // sorted view of the whole order only.
    bool orderAsShownShown = false;
    bool orderAsShownEnabled = false;
    // "Переместить на позицию...": the channel lists, while rows can be
    // dragged (the whole order or a group shown, nothing filtered).
    bool moveToShown = false;
    bool moveToEnabled = false;

    [[nodiscard]] bool anyShown() const
    {
        return addShown || changeShown || deleteShown || deleteAllShown || orderAsShownShown || moveToShown;
    }
    // Whether a command can be chosen now, in any menu: offered and not greyed.
    [[nodiscard]] bool addAvailable() const { return addShown && addEnabled; }
    [[nodiscard]] bool changeAvailable() const { return changeShown; }
    [[nodiscard]] bool deleteAvailable() const { return deleteShown; }
    [[nodiscard]] bool deleteAllAvailable() const { return deleteAllShown && deleteAllEnabled; }
    [[nodiscard]] bool orderAsShownAvailable() const { return orderAsShownShown && orderAsShownEnabled; }
    [[nodiscard]] bool moveToAvailable() const { return moveToShown && moveToEnabled; }
    bool operator==(const PopupEntries &) const = default;
};

// The entries of a page (0..5, in tab order); satelliteEntry is the entry
// chosen in the page's satellite selector (0 "ВСЕ СПУТНИКИ", -1 none).
// "Добавить" adds to the chosen satellite, so it is greyed while all are
// listed. A purge must never reach channels the user cannot see, so it is
// greyed while the list is filtered. The order can take the rows' order
// only while they show all of it ("ВСЕ СПУТНИКИ", nothing filtered), sorted.
[[nodiscard]] PopupEntries popupEntriesOn(int page, int satelliteEntry, bool filtering = false, bool sorted = false);

// The context menu shared by the six lists of the main window. Its items
// carry the names the window's handlers know them by, and show the keys that
// do the same in a list (Ins, Enter, Del).
class PopupMenu : public QMenu {
    Q_OBJECT
public:
    // entriesNow tells what the menu offers on the page shown, as it stands.
    PopupMenu(std::function<PopupEntries()> entriesNow, QWidget *parent);

    // The list opens this menu on a right click, the menu key and Shift+F10,
    // and runs its items by key: Enter or F2 edits the selected row, Insert
    // adds and Delete deletes, where the menu offers that.
    void serve(ReportList &list);

    // Shows and enables the entries for the page about to be served.
    void PopupMenuPopup(const PopupEntries &entries);

    QAction *const pmAdd;      // "Добавить"
    QAction *const pmChange;   // "Редактировать"
    QAction *const pmDelete;   // "Удалить"
    QAction *const pmDelAll;   // "Удалить все кроме добавленного в Избранные"
    QAction *const pmOrderAsShown;   // "Упорядочить как показано"
    QAction *const pmMoveTo;         // "Переместить на позицию...", Ctrl+G

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openOver(ReportList &list, const QPoint &viewportPosition);
    // True when the key was one of the menu's and taken.
    bool itemKeyPressed(ReportList &list, const QKeyEvent &key);

    std::function<PopupEntries()> m_entriesNow;
};

} // namespace k510::ui
