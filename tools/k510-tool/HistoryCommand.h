// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ToolCommand.h"

// history [--json]: the copies of the transfer history, newest first, one
// line each: date and time, "received", "sent" or "sent-broken", the counts
// of satellites, transponders, TV and radio channels ("-" when the copy is
// no database), the file the editor had open, and the copy's path.
[[nodiscard]] int runHistory(const CommandLine &line);
