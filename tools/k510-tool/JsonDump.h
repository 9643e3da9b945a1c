// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>

#include "model/ChannelDatabase.h"

// The whole database as JSON, names in UTF-8, texts as the pages show them.
[[nodiscard]] QJsonObject databaseToJson(const k510::ChannelDatabase &db);
