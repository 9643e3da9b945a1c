// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ToolCommand.h"

// find FILE with conditions: the channels of one kind that meet them all,
// as the window's filter row finds them.
[[nodiscard]] int runFind(const CommandLine &line);
