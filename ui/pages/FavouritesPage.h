// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChannelListPage.h"

class QPushButton;

namespace k510::ui {

class FavouriteRows;

// Page 4 (sheetFavTv) or 5 (sheetFavRadio): the channels of one favourite
// group in the group's order, "#" being the position in the group.
class FavouritesPage : public ChannelListPage {
    Q_OBJECT
public:
    FavouritesPage(const ChannelDatabase &db, ChannelKind kind, QWidget *parent);

    [[nodiscard]] ReportList *list() const override { return m_list; }
    [[nodiscard]] InfoPanel *infoPanel() const override { return m_info; }
    [[nodiscard]] QComboBox *selector() const override { return m_groups; }
    [[nodiscard]] FindField *findField() const override { return m_find; }
    [[nodiscard]] QPushButton *renameButton() const { return m_rename; }

    // Fills the group selector with the twelve names if it is empty and makes
    // sure a group is chosen.
    void prepareGroups();
    // The rows of the chosen group, afresh.
    void refill();
    // The chosen group, 0..11 (group 1 when none is chosen).
    [[nodiscard]] int groupIndex() const;
    void reset();

private:
    FavouriteRows *m_rows;
    ReportList *m_list;
    QComboBox *m_groups;
    QPushButton *m_rename;
    InfoPanel *m_info;
    FindField *m_find;
};

} // namespace k510::ui
