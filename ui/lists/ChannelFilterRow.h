// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"
#include "model/ChannelFilter.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace k510::ui {

class NewChannels;

// The conditions above a channel list besides "Поиск": transponder (of the
// satellite the page's selector chose), scrambled or free, locked or not,
// favourite groups, new channels and duplicates. All chosen must hold; the
// list shows what they let through while the database changes under it.
// Its controls are named after the page: "<prefix>Filter…".
class ChannelFilterRow : public QWidget {
    Q_OBJECT
public:
    ChannelFilterRow(const QString &prefix, bool withTransponders, QWidget *parent);

    // The transponders of the satellite at that index are offered; none (-1,
    // every satellite shown) greys the condition. A transponder that stays
    // offered stays chosen.
    void offerTransponders(const ChannelDatabase &db, int satelliteIndex);
    // The groups of the favourites condition by their names (Windows-1251).
    void nameGroups(const ChannelDatabase &db, ChannelKind kind);

    // The conditions chosen; "Новые" is onlyNew, its channels the caller's.
    [[nodiscard]] ChannelConditions conditions() const;
    [[nodiscard]] bool onlyNew() const;
    // Whether any condition is chosen.
    [[nodiscard]] bool filters() const;
    // Every condition off; conditionsChanged once when any was on.
    void clear();
    // "Сбросить" is offered while the row or the page's "Поиск" filters.
    void setTextFiltering(bool filtering);

signals:
    void conditionsChanged();
    // "Сбросить": the page clears every condition and "Поиск".
    void resetRequested();

private:
    void changed();
    void offerReset();

    QComboBox *m_transponder = nullptr;
    QComboBox *m_scrambled;
    QComboBox *m_locked;
    QComboBox *m_favourites;
    QCheckBox *m_new;
    QCheckBox *m_duplicates;
    QPushButton *m_reset;
    bool m_quiet = false;   // while the row changes its own controls
    bool m_textFiltering = false;
};

// What a channel list's rows are tested by (see ReportList::setRowConditions)
// while the row filters: the conditions chosen when the rows are read, "Новые"
// taken from newChannels. Empty while it does not filter.
[[nodiscard]] std::function<std::function<bool(int)>()> channelRowTest(const ChannelDatabase &db, ChannelKind kind,
                                                                     const ChannelFilterRow &filter,
                                                                     const NewChannels *newChannels);

} // namespace k510::ui
