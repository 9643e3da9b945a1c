// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ToolCommand.h"

// Every command of k510-tool in the order --help lists them, with the
// help text around them.
[[nodiscard]] ToolDescription k510Tool();
