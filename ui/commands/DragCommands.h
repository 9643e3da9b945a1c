// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"

#include <QObject>
#include <QPoint>

#include <array>
#include <functional>
#include <vector>

class MoveToPositionDlg;
class UserDialogs;

namespace k510::ui {

class ChannelListPage;
class DragEdgeScroll;
class ReportList;

// Reordering the TV, radio and both favourites lists: by drag and drop, by
// Ctrl with Up, Down, Home or End, and by "Переместить на позицию...". What
// moves is the selection, as one block in the order the list shows it: the
// rows between selected ones close up and the block lands together before
// the row it was dropped on, or at the end below the last row. The list
// behind the page (tvOrder, radioOrder, or the chosen favourite group)
// changes as one undoable step, and the page then shows that list in its
// order again, the moved rows selected, current and in view. Only a drag
// from the same list is taken. While a drag hovers near the list's top or
// bottom edge the list scrolls, the faster the nearer the edge.
class DragCommands : public QObject {
    Q_OBJECT
public:
    // record runs the move as one undoable step named by the rows moved.
    DragCommands(ChannelDatabase &database, UserDialogs &dialogs, std::array<ChannelListPage *, 4> pages,
                 std::function<void(int rows, const std::function<void()> &)> record, QWidget *dialogParent);

    // What the list's drag-over and drop events run. The drop moves the
    // selection when the drag was started on a selected row, else the row
    // it was started on; called with no drag under way, the selection.
    bool dragOver(ReportList &list, const QPoint &viewportPosition, const QObject *source);
    void drop(ReportList &list, const QPoint &viewportPosition);

    // Ctrl+Up puts the selection before the shown row above it, Ctrl+Down
    // after the shown row below it, Ctrl+Home before the first shown row and
    // Ctrl+End after the last: with "Поиск" filtering, the rows it hides
    // stay where they are. Ctrl+G is "Переместить на позицию...". Answers
    // whether the key was one of these.
    bool moveSelectedRows(ReportList &list, int key);

    // "Переместить на позицию...": whether the list's rows can be put at a
    // number now (its page shows its whole list, unfiltered, as for drags).
    [[nodiscard]] bool canMoveToPosition(const ReportList &list) const;
    // Asks for a number 1..N and moves the selection there, so that its
    // first row stands at that number (at the end when the block would not
    // fit below it). A number outside 1..N is refused with the range named,
    // and the question asked again.
    void moveToPosition(ReportList &list);

signals:
    // A move key was pressed where rows cannot move; the text says why.
    void moveUnavailable(const QString &reason);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    [[nodiscard]] ChannelListPage *pageOf(const QObject *viewportOrList) const;
    [[nodiscard]] DragEdgeScroll *edgeScrollOf(const ReportList &list) const;
    [[nodiscard]] std::vector<std::uint16_t> *underlyingList(ChannelListPage &page) const;
    // True while the page shows its underlying list, so that a row's "#" is
    // its entry's position there.
    [[nodiscard]] bool showsItsList(ChannelListPage &page) const;
    // Moves the entries of these rows as a block to the place `firstPosition`
    // gives for their positions, as one step, and shows the page again with
    // the block selected.
    void moveRows(ReportList &list, const std::vector<int> &rows,
                  const std::function<int(const std::vector<int> &positions)> &firstPosition);
    // Moves the rows to stand before the entry at position `before` (at the
    // end for any position past the last).
    void moveRowsBefore(ReportList &list, const std::vector<int> &rows, int before);

    ChannelDatabase &m_database;
    UserDialogs &m_dialogs;
    std::array<ChannelListPage *, 4> m_pages;
    std::function<void(int, const std::function<void()> &)> m_record;
    MoveToPositionDlg *m_positionDialog;
    // One per page's list, in the order of m_pages.
    std::array<DragEdgeScroll *, 4> m_edgeScrolls{};
    // Where the last drag-over was, for the drop line once the rows scrolled
    // under a pointer that stayed put.
    QPoint m_hoverPoint;
};

} // namespace k510::ui
