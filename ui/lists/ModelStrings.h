// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <string_view>

// The model keeps names in Windows-1251; the widgets show Unicode.

namespace k510::ui {

[[nodiscard]] QString fromWindows1251(std::string_view windows1251);
[[nodiscard]] QByteArray toWindows1251(const QString &text);

} // namespace k510::ui
