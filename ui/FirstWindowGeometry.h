// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QMainWindow;

namespace k510::ui {

class ReportList;

// Where the main window opens when no size of the user's is known: centred
// on its screen, with room for 25 rows of `list` (on a 1280×800 screen) and
// every caption whole, within the screen, never less than 592 by 380.
[[nodiscard]] QRect firstWindowGeometry(const QMainWindow &window, const ReportList &list);

} // namespace k510::ui
