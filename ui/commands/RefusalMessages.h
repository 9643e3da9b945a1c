// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Refusal.h"

#include <QString>

namespace k510::ui {

// Why the model refused a change, in the window's words: the text of the
// message the user sees, the database being as it was.
[[nodiscard]] QString refusalMessage(const Refusal &refusal);

} // namespace k510::ui
