// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// "apply-order", "duplicates" and "diff": getting the order back after a
// rescan, through the same model operations as the editor. Each parses its
// own options, which follow the command name.

[[nodiscard]] bool isReferenceCommand(const QString &name);
// The usage lines of the three commands, for the tool's help text.
[[nodiscard]] QStringList referenceCommandSynopses();
// Runs the command with the arguments that follow its name.
[[nodiscard]] int runReferenceCommand(const QString &name, const QStringList &arguments);
