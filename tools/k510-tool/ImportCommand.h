// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ToolCommand.h"

// import SRC IN OUT: channels of another image copied into a database,
// through the same model operation as the window's "Добавить из другой
// базы...".
[[nodiscard]] int runImport(const CommandLine &line);
