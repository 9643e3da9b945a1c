// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ToolCommand.h"

// rename IN OUT: the channels the --tv and --radio lists name renamed by one
// rule, as "Переименовать..." renames them; refused whole, without OUT,
// while the receiver could not hold one of the new names.
[[nodiscard]] int runRename(const CommandLine &line);
