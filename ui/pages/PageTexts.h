// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace k510::ui {

// Entry 0 of every satellite selector.
inline QString allSatellitesText()
{
    return QStringLiteral("ВСЕ СПУТНИКИ");
}

} // namespace k510::ui
