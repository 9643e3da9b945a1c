// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include "storage/SettingsFile.h"

namespace k510::link {

// The two texts a transfer starts with, for example "COM1" and "115200".
struct PortSettings {
    QString portName;
    QString speedText;
};

// The choices offered, in the order whose positions the settings file keeps.
[[nodiscard]] QStringList portChoices();    // "COM1".."COM4"
[[nodiscard]] QStringList speedChoices();   // "115200" down to "9600"; 31200, not 28800

// The list position a stored value selects: a value at or beyond the end of
// the list selects the first entry; a negative one selects none (-1).
[[nodiscard]] int selectedPosition(int storedPosition, int choiceCount);

// The texts shown for the positions the settings file keeps (empty where
// nothing is selected), and back: a text that is not in its list has
// position -1.
[[nodiscard]] PortSettings settingsAt(storage::SettingsPositions positions);
[[nodiscard]] storage::SettingsPositions positionsOf(const PortSettings &settings);

} // namespace k510::link
