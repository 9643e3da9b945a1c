// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// "delete" and "purge": deleting from an image file exactly as the editor
// deletes, through the same model operations. Each gives --tv its own
// meaning (a number list for delete, the kind to purge for purge), so each
// parses its own options, which follow the command name.

[[nodiscard]] bool isEditCommand(const QString &name);
// The usage lines of both commands, for the tool's help text.
[[nodiscard]] QStringList editCommandSynopses();
// Runs the command with the arguments that follow its name.
[[nodiscard]] int runEditCommand(const QString &name, const QStringList &arguments);
