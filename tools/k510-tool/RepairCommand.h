// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ToolCommand.h"

// "repair IN OUT": writes IN with its numbering repaired as the editor
// repairs it, printing one line per change; an image with nothing to repair
// is written unchanged, byte for byte.
[[nodiscard]] int runRepair(const CommandLine &line);
