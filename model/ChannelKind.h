// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace k510 {

// The two kinds of channel: TV and radio, each with its own order list,
// numbering and favourite groups.
enum class ChannelKind { Tv, Radio };

[[nodiscard]] constexpr ChannelKind kindOf(bool radio) { return radio ? ChannelKind::Radio : ChannelKind::Tv; }
[[nodiscard]] constexpr bool isRadio(ChannelKind kind) { return kind == ChannelKind::Radio; }

// Both kinds, TV first: the order in which the model takes them.
inline constexpr ChannelKind kBothKinds[] = {ChannelKind::Tv, ChannelKind::Radio};

// One value for each kind.
template <class T>
struct PerKind {
    T tv{};
    T radio{};

    [[nodiscard]] T &operator[](ChannelKind kind) { return isRadio(kind) ? radio : tv; }
    [[nodiscard]] const T &operator[](ChannelKind kind) const { return isRadio(kind) ? radio : tv; }
};

} // namespace k510
