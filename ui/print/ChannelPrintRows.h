// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PrintDocument.h"
#include "model/ChannelDatabase.h"

#include <QString>
#include <QStringList>

#include <vector>

// How channels read on paper: the number the list shows, the name, the
// satellite's name, the transponder as "11766 H", and "$" for a
// scrambled channel.

namespace k510::ui {

[[nodiscard]] std::vector<PrintColumn> channelPrintColumns();

// The cells of one printed channel; a channel index that names no channel
// prints the number alone, as the list shows such an entry.
[[nodiscard]] QStringList channelPrintCells(const ChannelDatabase &db, const QString &number, int channelIndex);

// What the mark of a scrambled channel means, for the notes under the title.
[[nodiscard]] QString scrambledMarkNote();

} // namespace k510::ui
