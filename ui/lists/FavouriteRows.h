// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ListRows.h"
#include "model/ChannelDatabase.h"
#include "model/ChannelKind.h"

#include <optional>

namespace k510::ui {

// The rows of a favourite group: one per entry, even one that names no
// channel, so row j always stands for entry j ("#" j + 1, place j). A row's
// identity is the channel index its entry names.
class FavouriteRows : public ListRows {
    Q_OBJECT
public:
    FavouriteRows(const ChannelDatabase &db, ChannelKind kind, QObject *parent);

    // A group of the database, 0..11.
    void showGroup(int groupIndex);
    // Entries not in the database yet: the group a dialog is filling.
    void showEntries(FavouriteGroup entries);
    void appendEntry(std::uint16_t number);

protected:
    [[nodiscard]] std::uint64_t keyOf(const Row &row) const override;
    [[nodiscard]] std::vector<Row> readRows() const override;
    [[nodiscard]] QString cellText(const Row &row, int column) const override;
    [[nodiscard]] QString toolTipOf(const Row &row) const override;

private:
    // The entries shown; none for a group the database does not have.
    [[nodiscard]] const FavouriteGroup *entries() const;

    const ChannelDatabase &m_db;
    ChannelKind m_kind;
    int m_group = 0;
    std::optional<FavouriteGroup> m_ownEntries;
};

} // namespace k510::ui
