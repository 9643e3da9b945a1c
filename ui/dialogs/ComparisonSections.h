// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"
#include "model/ChannelIdentity.h"
#include "model/ChannelKind.h"
#include "model/DatabaseDiff.h"

#include <QString>

#include <optional>
#include <vector>

// The model's comparison of two databases as the comparison window lists
// it: one section per kind of change, each line a change in words. The
// first database is the open one; what the second has differently is
// "added", "removed", "renamed" and so on.

namespace k510::ui {

// A channel of the first database a line names, for selecting it there.
struct ComparedChannel {
    ChannelKind kind = ChannelKind::Tv;
    int number = 0;                 // TV channel number (radio number)
    ReferenceChannel channel;       // what it was when compared
};

struct ComparisonLine {
    QString text;
    std::optional<ComparedChannel> channel;
};

struct ComparisonSection {
    QString title;   // "Удалённые каналы"
    std::vector<ComparisonLine> lines;
};

// The sections that have lines, in a fixed order; none when nothing
// differs. `first` is the database the diff was made from.
[[nodiscard]] std::vector<ComparisonSection> comparisonSections(const DatabaseDiff &diff, const ChannelDatabase &first);

} // namespace k510::ui
