// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <optional>

namespace k510::storage {

// The bytes of an INI file, read and changed one value at a time. Section and
// key names match ignoring ASCII case, as the format has it; the first
// matching section and the first matching key in it count. Everything is done
// on raw bytes, so text in any character set, comments, blank lines and the
// file's line ends pass through untouched.

// The value of a key as written after "=", blanks around it trimmed; nothing
// when the section or key is missing.
[[nodiscard]] std::optional<QByteArray> iniValue(const QByteArray &content, QByteArrayView section,
                                                 QByteArrayView key);

// The same content with one value replaced in place. A missing key is added
// after the last non-blank line of its section, a missing section at the end
// of the file, in the line ends the file already uses.
[[nodiscard]] QByteArray withIniValue(const QByteArray &content, QByteArrayView section, QByteArrayView key,
                                      QByteArrayView value);

} // namespace k510::storage
