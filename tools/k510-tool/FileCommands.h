// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ToolCommand.h"

// The commands on one image file: what it holds, and the same database
// written again.

// info FILE: the counts of its records, order lists and favourite entries.
[[nodiscard]] int runInfo(const CommandLine &line);
// dump FILE: the whole database as JSON, names in UTF-8.
[[nodiscard]] int runDump(const CommandLine &line);
// check FILE: one line per break of the numbering scheme.
[[nodiscard]] int runCheck(const CommandLine &line);
// normalize IN OUT: IN in the canonical layout a save writes.
[[nodiscard]] int runNormalize(const CommandLine &line);
// demo FILE: the demo database.
[[nodiscard]] int runDemo(const CommandLine &line);
