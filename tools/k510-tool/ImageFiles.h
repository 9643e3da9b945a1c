// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>
#include <vector>

// Whole image files in and out of memory, for the command-line tool.

// Refuses anything but a regular file, and files far larger than an image
// or a list; `kind` names what the file should be, for that refusal.
[[nodiscard]] std::optional<QByteArray> loadFile(const QString &path, QString *error,
                                                 const char *kind = "a database image");
// Writes through a temporary file that replaces `path` only once complete and
// flushed; on any failure the old file stays.
[[nodiscard]] bool saveFileAtomically(const QString &path, std::span<const std::uint8_t> bytes, QString *error);

// Refuses OUT when it is one of the inputs, also through a symbolic or a hard
// link: written whole, it would replace the file the command reads. Says so
// on the standard error and returns true when it refused.
[[nodiscard]] bool refusedAsInput(const QString &out, const QStringList &inputs, int *exitCode);

[[nodiscard]] inline std::span<const std::uint8_t> bytesOf(const QByteArray &data)
{
    return {reinterpret_cast<const std::uint8_t *>(data.constData()), std::size_t(data.size())};
}
