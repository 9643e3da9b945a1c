// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ToolCommand.h"

// "apply-order", "duplicates" and "diff": getting the order back after a
// rescan, through the same model operations as the editor.

// apply-order REF IN OUT: IN ordered after REF, an image or a CSV list.
[[nodiscard]] int runApplyOrder(const CommandLine &line);
// duplicates FILE: the channels stored twice, as delete takes them.
[[nodiscard]] int runDuplicates(const CommandLine &line);
// diff A B: what changed from A to B; exit 1 when they differ.
[[nodiscard]] int runDiff(const CommandLine &line);
