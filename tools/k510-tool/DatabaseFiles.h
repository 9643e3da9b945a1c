// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

#include "ToolExit.h"
#include "model/ChannelDatabase.h"

// Databases from image files and back, for the tool's commands. On failure
// the reason is on stderr and *exitCode holds the code to exit with.

// Reader warnings (channels of an invalid type) go to stderr as well. An
// image the reader refuses gives refusedCode: commands whose exit code 1
// means something else (diff: the files differ) give NotAnImage.
[[nodiscard]] std::optional<k510::ChannelDatabase> readDatabase(const QString &path, int *exitCode,
                                                              int refusedCode = Failure);
// Writes the canonical image a save writes; `path` is replaced only once the
// whole image is written, so it may be the file the database was read from.
[[nodiscard]] bool writeDatabase(const k510::ChannelDatabase &db, const QString &path, int *exitCode);
