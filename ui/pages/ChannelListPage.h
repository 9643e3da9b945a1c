// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"
#include "model/ChannelKind.h"

#include <QWidget>

#include <vector>

class QComboBox;

namespace k510::ui {

class ChannelFilterRow;
class FindField;
class InfoPanel;
class NewChannels;
class ReportList;

// A page whose list shows channels, with the information panel beside it:
// the TV and radio pages and the two favourites pages.
class ChannelListPage : public QWidget {
    Q_OBJECT
public:
    ChannelListPage(const ChannelDatabase &db, ChannelKind kind, bool favourites, QWidget *parent);

    [[nodiscard]] ChannelKind kind() const { return m_kind; }
    // A favourites page lists a group; the others the order or a satellite.
    [[nodiscard]] bool isFavourites() const { return m_favourites; }

    [[nodiscard]] virtual ReportList *list() const = 0;
    [[nodiscard]] virtual InfoPanel *infoPanel() const = 0;
    [[nodiscard]] virtual QComboBox *selector() const = 0;
    // The channel index a row (as shown) stands for, or -1 when it stands
    // for no channel.
    [[nodiscard]] int channelIndexOfRow(int row) const;
    // The list's rows read again after the database changed: the sort,
    // the filter, the scroll place and the selection of the rows that still
    // exist stay, and the panel shows the selected channel.
    void showChanges();
    // The "Поиск" field above the list.
    [[nodiscard]] virtual FindField *findField() const = 0;
    // The conditions beside it.
    [[nodiscard]] ChannelFilterRow *filterRow() const { return m_filterRow; }
    // Where "Новые" finds the channels it shows.
    void useNewChannels(const NewChannels &newChannels) { m_newChannels = &newChannels; }
    [[nodiscard]] const NewChannels *newChannels() const { return m_newChannels; }
    // Esc and "Сбросить": every condition and "Поиск" cleared.
    void clearFilters();

    // Ctrl+F and "Правка" > "Найти": the cursor goes to "Поиск", its text selected.
    void focusFindField();
    // The panel shows the channel of the first selected row; with no row
    // selected it keeps what it shows (showSelectedChannel clears it then).
    void showChannelOfSelectedRow();
    void showSelectedChannel();
    // Selects the rows of these channels (indices, ascending) that the list
    // shows, brings the first into view and shows it in the panel; how many
    // rows that selected.
    int selectChannels(const std::vector<int> &channelIndices);
    // From now on the panel follows the selection: a click on a row (one
    // with Ctrl extends a selection and leaves the panel), a right click, and
    // the keys that move the selection (keys with Ctrl move rows or select
    // all: the panel stays). When a refill or "Поиск" leaves no row
    // selected, the panel is emptied.
    void followSelection();

signals:
    // "Поиск" or a condition changed the rows the list shows.
    void rowFilterChanged();

protected:
    // Each page calls this once its list and "Поиск" field exist: the list
    // then shows only the rows whose name holds the text typed and that the
    // conditions of the filter row let through.
    void wireFindField();
    [[nodiscard]] const ChannelDatabase &database() const { return m_db; }

private:
    // The list's rows narrowed to the conditions chosen now.
    void applyConditions();

    const ChannelDatabase &m_db;
    ChannelKind m_kind;
    bool m_favourites;
    ChannelFilterRow *m_filterRow;
    const NewChannels *m_newChannels = nullptr;
};

} // namespace k510::ui
