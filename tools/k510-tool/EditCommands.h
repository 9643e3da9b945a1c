// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ToolCommand.h"

// "delete" and "purge": deleting from an image file exactly as the editor
// deletes, through the same model operations. Each gives --tv its own
// meaning: a number list for delete, the kind to purge for purge.

// delete IN OUT with --tv, --radio and --transponder number lists.
[[nodiscard]] int runDelete(const CommandLine &line);
// purge IN OUT with one of --tv, --radio and --all, and --satellite N.
[[nodiscard]] int runPurge(const CommandLine &line);
