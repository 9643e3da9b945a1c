// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ListRows.h"
#include "model/ChannelDatabase.h"
#include "model/ChannelKind.h"

namespace k510::ui {

// The rows of a TV or radio channel list. A row stands for a channel index.
class ChannelRows : public ListRows {
    Q_OBJECT
public:
    ChannelRows(const ChannelDatabase &db, ChannelKind kind, QObject *parent);

    // Every entry of the kind's order list, "#" being its place + 1; an entry
    // that names no channel keeps its row (empty cells) unless onlyNamed, so
    // rows and entries stay in step.
    void showWholeOrder(bool onlyNamed = false);
    // The channels of the kind on one satellite (an index), transponder by
    // transponder, "#" being the channel index + 1; they follow no order list.
    void showSatellite(int satelliteIndex);
    [[nodiscard]] bool showsWholeOrder() const { return m_satellite < 0; }

protected:
    [[nodiscard]] std::uint64_t keyOf(const Row &row) const override;
    [[nodiscard]] std::vector<Row> readRows() const override;
    [[nodiscard]] QString cellText(const Row &row, int column) const override;
    [[nodiscard]] QString toolTipOf(const Row &row) const override;

private:
    const ChannelDatabase &m_db;
    ChannelKind m_kind;
    int m_satellite = -1;
    bool m_onlyNamed = false;
};

// A channel record and where it tunes, whatever its index: what follows its
// row across a change.
[[nodiscard]] std::uint64_t channelFollowKey(const ChannelDatabase &db, int channelIndex);

} // namespace k510::ui
