// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ToolCommand.h"

// csv FILE: the TV or radio channel list of an image file (--radio), or every
// transponder (--transponders), as the CSV file the editor exports; fields
// parted by --separator; on stdout or written to --output.
[[nodiscard]] int runCsv(const CommandLine &line);
