// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace k510::ui {

// The two kinds of channel list: TV and radio, each with its own order list
// and favourite groups.
enum class ChannelKind { Tv, Radio };

} // namespace k510::ui
