// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"
#include "model/ChannelKind.h"

#include <QDialog>

class QLabel;

namespace k510::ui {
class ChannelFilterRow;
class DragEdgeScroll;
class FavouriteRows;
class NewChannels;
class ReportList;
}

// "Выбор каналов для внесения в фаворитный список": every channel of one kind
// in its order list (lvFavCh, right) beside the entries of one favourite
// group (lvSelectedCh, left). Dropping channels on the group's list, double-
// clicking one or pressing Enter on the selection announces the channels;
// the command decides which of them join the group and then appends their
// rows here. The channels the group holds are marked (bold) in lvFavCh. Del
// in lvSelectedCh announces the entries to take out of the group. Whether
// OK keeps the changes is the command's business.
class TfavChSelectDlg : public QDialog {
    Q_OBJECT
public:
    explicit TfavChSelectDlg(QWidget *parent = nullptr);

    // lvFavCh: one row per position of the kind's order list whose entry
    // names a channel of the kind, "#" being the position + 1, sorted again
    // by the column it was last sorted by, marked when the group holds it.
    // lvSelectedCh: one row per group entry, "#" being the entry's position
    // + 1; an entry that names no channel of the kind shows empty cells.
    // A filter row above lvFavCh narrows it as on the pages ("Новые" from
    // newChannels); it is cleared at each fill.
    void fill(const k510::ChannelDatabase &db, k510::ChannelKind kind, const k510::FavouriteGroup &group,
              const k510::ui::NewChannels *newChannels = nullptr);
    // Shows the group's entries again (after some were taken out) and marks
    // in lvFavCh exactly the channels it holds.
    void showEntries(const k510::ChannelDatabase &db, const k510::FavouriteGroup &group);
    // "Уже в группе: 20" below the lists after a choice that skipped so many
    // channels; nothing for 0.
    void showAlreadyInGroup(int count);
    // Appends to lvSelectedCh the channel at this 0-based position of the
    // kind's order list, numbered with the list's new row count, and marks
    // it in lvFavCh.
    void appendSelectedRow(const k510::ChannelDatabase &db, int orderPosition);
    // Names the group being filled (1..12) above the lists.
    void showGroup(int number, const QString &name);

    [[nodiscard]] k510::ChannelKind kind() const { return m_kind; }
    [[nodiscard]] k510::ui::ReportList *favouriteChannels() const;
    [[nodiscard]] k510::ui::ReportList *selectedChannels() const;
    // The lvFavCh column last clicked, 0 ("#") at first.
    [[nodiscard]] int sortColumn() const { return m_sortColumn; }

    // Whether lvSelectedCh takes a drag from this source: any list view but
    // itself.
    [[nodiscard]] bool lvSelectedChDragOver(const QObject *source) const;
    // A drop on lvSelectedCh: announces lvFavCh's selected rows in the order
    // shown, or the row the drag was started on when that is not selected.
    void lvSelectedChDragDrop();

public slots:
    // Makes the column lvFavCh's sort column and sorts it ascending.
    void lvFavChColumnClick(int column);

signals:
    // The user chose the channels at these 0-based positions of the order
    // list, in this order.
    void channelsChosen(const QList<int> &orderPositions);
    // Del on lvSelectedCh: the entries at these 1-based group positions.
    void entriesRemoved(const QList<int> &groupPositions);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    [[nodiscard]] bool handleSelectedChDrag(QEvent &event);
    [[nodiscard]] bool handleFavChKey(QEvent &event);
    [[nodiscard]] bool handleSelectedChKey(QEvent &event);
    void chooseFavChRows(const std::vector<int> &rows);

    k510::ui::ReportList *m_lvSelectedCh;
    k510::ui::FavouriteRows *m_entries = nullptr;   // the group being filled, shown in m_lvSelectedCh
    k510::ui::ReportList *m_lvFavCh;
    k510::ui::ChannelFilterRow *m_filter;
    const k510::ChannelDatabase *m_db = nullptr;
    const k510::ui::NewChannels *m_newChannels = nullptr;
    QLabel *m_lbGroupName;
    QLabel *m_lbAlreadyInGroup;
    k510::ui::DragEdgeScroll *m_edgeScroll = nullptr;
    k510::ChannelKind m_kind = k510::ChannelKind::Tv;
    int m_sortColumn = 0;
};
