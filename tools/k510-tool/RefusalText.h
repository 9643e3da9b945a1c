// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Refusal.h"

#include <QString>

// Why the model refused a change to IN, in the tool's words: one or more
// lines for stderr, without the line prefix of the first.
[[nodiscard]] QString refusalText(const k510::Refusal &refusal);
