// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace k510::storage {

// The folder of "k510.ini" and "k510-editor.ini", shared by the editor and
// k510-tool. On Linux the per-user configuration folder ($XDG_CONFIG_HOME, by
// default ~/.config). On Windows "k510" in the user's roaming application
// data (%APPDATA%\k510): neither the program's own folder, which is not
// writable under Program Files, nor the Windows folder, where the system's
// old INI functions put a file named without a folder.
[[nodiscard]] QString settingsFolder();

} // namespace k510::storage
