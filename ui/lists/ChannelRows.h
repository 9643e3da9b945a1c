// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ReportList.h"
#include "model/ChannelDatabase.h"

#include <QString>
#include <QStringList>

#include <optional>

// The one way a channel of the database becomes a row of a channel list,
// and the details the information panel shows for it.

namespace k510::ui {

class ReportRows;

enum class ChannelRowMode {
    ByChannel,      // the index is a position in channels
    ByTvOrder,      // the index is a position in tvOrder
    ByRadioOrder,   // the index is a position in radioOrder
};

// The columns of a channel list; the "#" column is numberWidth wide.
[[nodiscard]] std::vector<ReportColumn> channelListColumns(int numberWidth);

// The six cells "#", "Название", "Блок.", "FTA", "Частота", "Поляризация".
// A channel index that names no channel gives "#" and five empty cells.
[[nodiscard]] QStringList channelRowCells(const ChannelDatabase &db, int channelIndex, int number);

// Adds the row for index + mode at position (-1: at the end) and returns the
// row's position. A negative index adds nothing and returns -1. An order
// entry that names no channel still gets its row, with empty cells, so rows
// and entries stay in step. "#" is index + 1.
int AddChannelRow(ReportRows &list, const ChannelDatabase &db, int index, ChannelRowMode mode, int position = -1);

// Appends the row of a channel index (or of no channel, when it is -1)
// showing number under "#": the rows of a favourite group.
void addNumberedChannelRow(ReportRows &list, const ChannelDatabase &db, int channelIndex, int number);

// The texts of the information panel, each number in plain decimal.
struct ChannelInfo {
    QString satellite;
    QString transponder;   // " V/11200/27500"
    QString serviceId;
    QString pmtPid;
    QString videoPid;
    QString audioPid;
    QString pcrPid;

    bool operator==(const ChannelInfo &) const = default;
};

// Nothing for an index that names no channel. A channel whose transponder or
// satellite is missing shows empty texts for those.
[[nodiscard]] std::optional<ChannelInfo> channelInfo(const ChannelDatabase &db, int channelIndex);

// The texts a transponder's frequency and symbol rate show: the BCD bytes as
// hexadecimal digits.
[[nodiscard]] QString frequencyText(const Transponder &transponder);
[[nodiscard]] QString symbolRateText(const Transponder &transponder);

} // namespace k510::ui
