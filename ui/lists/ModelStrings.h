// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string>
#include <string_view>
#include <vector>

// The model keeps names in Windows-1251 and writes its messages (summaries,
// problems found) in UTF-8; the widgets show Unicode.

namespace k510::ui {

[[nodiscard]] QString fromWindows1251(std::string_view windows1251);
[[nodiscard]] QByteArray toWindows1251(const QString &text);
[[nodiscard]] QStringList fromUtf8Lines(const std::vector<std::string> &lines);

} // namespace k510::ui
