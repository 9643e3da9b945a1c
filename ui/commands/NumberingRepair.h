// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"

#include <cstdint>
#include <optional>
#include <span>

class UserDialogs;

namespace k510::ui {

// After an image has been loaded into `database`: when the numbering repair
// would change something, tells the user what the image check finds broken
// (the first ten problems and how many more) and asks "Исправить
// нумерацию?". The repaired database on "Да"; nothing, and no question at
// all for an image with nothing to repair, otherwise.
[[nodiscard]] std::optional<ChannelDatabase> askNumberingRepair(std::span<const std::uint8_t> image,
                                                                const ChannelDatabase &database,
                                                                UserDialogs &dialogs);

} // namespace k510::ui
