// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// "import": channels of another image copied into a database, through the
// same model operation as the window's "Добавить из другой базы...". It
// parses its own options, which follow its name.

[[nodiscard]] bool isImportCommand(const QString &name);
// The usage lines, for the tool's help text.
[[nodiscard]] QString importCommandSynopsis();
// Runs the command with the arguments that follow its name.
[[nodiscard]] int runImportCommand(const QStringList &arguments);
