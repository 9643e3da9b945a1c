// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// "transponders-from": one satellite brought up to date from a satellites.xml
// list, through the same model operation as the editor's dialog.

[[nodiscard]] bool isTransponderListCommand(const QString &name);
[[nodiscard]] QString transponderListCommandSynopsis();
// Runs the command with the arguments that follow its name.
[[nodiscard]] int runTransponderListCommand(const QStringList &arguments);
