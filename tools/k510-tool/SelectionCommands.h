// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ToolCommand.h"

// Changes to a selection of channels of an image file, through the model's
// operations that the window's commands run: flags and favourite groups.
// A refusal writes no OUT.

// lock IN OUT and unlock IN OUT, with --tv and --radio number lists.
[[nodiscard]] int runLock(const CommandLine &line);
[[nodiscard]] int runUnlock(const CommandLine &line);
// mark IN OUT with the lists and one of --scrambled and --free.
[[nodiscard]] int runMark(const CommandLine &line);
// favourites IN OUT with --tv-group or --radio-group G and --add or --remove LIST.
[[nodiscard]] int runFavourites(const CommandLine &line);
