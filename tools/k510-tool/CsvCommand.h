// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// "csv": the TV or radio channel list of an image file as the CSV file the
// editor exports. Its --radio is a switch, unlike delete's, so the command
// parses its own options, which follow its name.

[[nodiscard]] bool isCsvCommand(const QString &name);
// The usage lines, for the tool's help text.
[[nodiscard]] QString csvCommandSynopsis();
// Runs the command with the arguments that follow its name.
[[nodiscard]] int runCsvCommand(const QStringList &arguments);
