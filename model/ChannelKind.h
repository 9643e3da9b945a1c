// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace k510 {

// The two kinds of channel: TV and radio, each with its own order list,
// numbering and favourite groups.
enum class ChannelKind { Tv, Radio };

[[nodiscard]] constexpr ChannelKind kindOf(bool radio) { return radio ? ChannelKind::Radio : ChannelKind::Tv; }
[[nodiscard]] constexpr bool isRadio(ChannelKind kind) { return kind == ChannelKind::Radio; }

} // namespace k510
