// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ToolCommand.h"

// transponders-from XML IN OUT: one satellite brought up to date from a
// satellites.xml list, through the same model operation as the editor's
// dialog.
[[nodiscard]] int runTranspondersFrom(const CommandLine &line);
