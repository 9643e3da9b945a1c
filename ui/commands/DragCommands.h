// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"

#include <QObject>
#include <QPoint>

#include <array>
#include <functional>

namespace k510::ui {

class ChannelListPage;
class ReportList;

// Reordering by drag and drop in the TV, radio and both favourites lists:
// a row dragged onto another lands immediately before it in the list behind
// the page (tvOrder, radioOrder, or the chosen favourite group), or at the
// end when dropped below the last row. The database changes at the drop,
// and the page then shows its list in that list's order again, so every
// "#" names the channel its row shows. Only a drag from the same list is
// taken. While a drag hovers at the list's top or bottom edge it scrolls
// one row per move.
class DragCommands : public QObject {
    Q_OBJECT
public:
    // refill shows a page again from the database, as choosing its selector
    // entry does.
    // record runs the move as one undoable step.
    DragCommands(ChannelDatabase &database, std::array<ChannelListPage *, 4> pages,
                 std::function<void(ChannelListPage &)> refill,
                 std::function<void(const std::function<void()> &)> record, QObject *parent = nullptr);

    // What the list's drag-over and drop events run. The drop moves the row
    // the drag was started on (the rest of the selection stays where it is);
    // called with no drag under way, it moves the first selected row.
    bool dragOver(ReportList &list, const QPoint &viewportPosition, const QObject *source);
    void drop(ReportList &list, const QPoint &viewportPosition);

    // Ctrl+Up, Ctrl+Down, Ctrl+Home and Ctrl+End: the selected row moves as
    // a drag of it onto the row above, below the next row, onto the first
    // row or below the last would move it. Answers whether the key was one
    // of these (and dragging allowed).
    bool moveSelectedRow(ReportList &list, int key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    [[nodiscard]] ChannelListPage *pageOf(const QObject *viewportOrList) const;
    [[nodiscard]] std::vector<std::uint16_t> *underlyingList(ChannelListPage &page);
    // Moves the entry of `row` to land before the entry of row `target` (at
    // the end for -1), as one step, and shows the page again.
    void moveRowOnto(ReportList &list, int row, int target);

    ChannelDatabase &m_database;
    std::array<ChannelListPage *, 4> m_pages;
    std::function<void(ChannelListPage &)> m_refill;
    std::function<void(const std::function<void()> &)> m_record;
    // Where the last drag-over was: a drag arriving gives an enter and a
    // move at one point, which must scroll once, not twice.
    const ReportList *m_hoverList = nullptr;
    QPoint m_hoverPoint;
};

} // namespace k510::ui
