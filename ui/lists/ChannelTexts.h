// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ReportList.h"
#include "model/ChannelDatabase.h"

#include <QString>
#include <QStringList>

#include <optional>

// The texts a channel of the database shows in a channel list, and the
// details the information panel shows for it.

namespace k510::ui {

// The columns of a channel list; the "#" column is numberWidth wide.
[[nodiscard]] std::vector<ReportColumn> channelListColumns(int numberWidth);

// The six cells "#", "Название", "Блок.", "FTA", "Частота", "Поляризация".
// A channel index that names no channel gives "#" and five empty cells.
[[nodiscard]] QStringList channelRowCells(const ChannelDatabase &db, int channelIndex, int number);
// The "Спутник" column the user may add after the others, and its place in
// a channel list.
[[nodiscard]] ReportColumn satelliteColumn();
inline constexpr int kChannelSatelliteColumn = 6;
// What a channel row says when the pointer rests on it: its satellite and
// transponder, so rows of the same name on different satellites differ.
[[nodiscard]] QString channelToolTip(const ChannelDatabase &db, int channelIndex);
// One of those cells besides "#" (column 1 to 5, or kChannelSatelliteColumn).
[[nodiscard]] QString channelCellText(const ChannelDatabase &db, int channelIndex, int column);

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
