// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"
#include "model/ChannelKind.h"

#include <cstdint>
#include <vector>

namespace k510::ui {

// The channels the last ordering after a reference or import found new,
// for the lists' "Новые" condition. They are remembered by their service
// and where it tunes, so deletions and moves after that do not make other
// channels new, and locking or renaming one keeps it new.
class NewChannels {
public:
    // In place of those noted before: the channel indices of each kind.
    void note(const ChannelDatabase &db, const PerKind<std::vector<int>> &channelIndices);
    // The channel indices of the kind that are among them now, ascending.
    [[nodiscard]] std::vector<int> indicesIn(const ChannelDatabase &db, ChannelKind kind) const;
    [[nodiscard]] bool any() const { return !m_keys.tv.empty() || !m_keys.radio.empty(); }

private:
    PerKind<std::vector<std::uint64_t>> m_keys;   // sorted
};

// The channel indices at places first..first+count-1 of the kind's order.
[[nodiscard]] std::vector<int> channelsAtPlaces(const ChannelDatabase &db, ChannelKind kind, int first, int count);

} // namespace k510::ui
