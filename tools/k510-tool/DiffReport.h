// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QString>

#include "model/DatabaseDiff.h"

// The difference of two databases for people (one line per change) and for
// programs (JSON), names in UTF-8.

[[nodiscard]] QString diffText(const k510::DatabaseDiff &diff);
[[nodiscard]] QJsonObject diffJson(const k510::DatabaseDiff &diff);
