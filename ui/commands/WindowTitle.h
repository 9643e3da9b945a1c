// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace k510::ui {

// A path as messages and the title show it: absolute, in the system's form.
[[nodiscard]] QString shownPath(const QString &path);

// The window title, naming the last file loaded when there is one.
[[nodiscard]] QString editorTitle(const QString &loadedPath = {});

} // namespace k510::ui
