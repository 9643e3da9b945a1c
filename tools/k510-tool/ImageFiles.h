// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <span>
#include <vector>

// Whole image files in and out of memory, for the command-line tool.

// Refuses anything but a regular file, and files far larger than an image.
[[nodiscard]] std::optional<QByteArray> loadFile(const QString &path, QString *error);
// Writes through a temporary file that replaces `path` only once complete and
// flushed; on any failure the old file stays.
[[nodiscard]] bool saveFileAtomically(const QString &path, std::span<const std::uint8_t> bytes, QString *error);

[[nodiscard]] inline std::span<const std::uint8_t> bytesOf(const QByteArray &data)
{
    return {reinterpret_cast<const std::uint8_t *>(data.constData()), std::size_t(data.size())};
}
