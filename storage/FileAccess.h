// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// Every file the editor and k510-tool read or write goes through these two
// functions. Reading never opens anything but a regular file (a FIFO would
// block in open(2), a device or a huge sparse file would be read without
// end) and never takes more than it needs. Writing never leaves a damaged or
// empty file behind: the new content replaces the old only once every byte
// of it is known to be on disk.

namespace k510::files {

enum class FileProblem {
    None,
    NotRegularFile,   // a directory, FIFO, socket or device (also behind a link)
    TooLarge,         // more bytes than the caller can use
    OpenFailed,
    ReadFailed,
    WriteFailed,
};

struct FileRead {
    QByteArray bytes;
    FileProblem problem = FileProblem::None;
    QString reason;   // the system's words for an open, read or write failure

    [[nodiscard]] bool ok() const { return problem == FileProblem::None; }
};

// Reads a regular file of at most maxSize bytes. With `truncate`, a longer
// file is no failure: its first maxSize + 1 bytes are returned, so that a
// reader that wants an exact size refuses it for its size.
[[nodiscard]] FileRead readRegularFile(const QString &path, qint64 maxSize, bool truncate = false);

struct FileWrite {
    FileProblem problem = FileProblem::None;
    QString reason;

    [[nodiscard]] bool ok() const { return problem == FileProblem::None; }
};

// Writes `bytes` to a temporary file beside `path` and renames it over
// `path` once written, flushed and checked. A path that is a symbolic link
// is written through it (its target is replaced, the link stays), and only
// when the target is a regular file or does not exist yet. On any failure
// the old file stays as it was.
[[nodiscard]] FileWrite writeFileSafely(const QString &path, QByteArrayView bytes);

// Whether the two paths name one existing file: the same path once symbolic
// links are resolved, or one file under two names (a hard link). An output
// that is one of a command's inputs is refused with it, before anything is
// read: writing it would replace what the command was asked to read.
[[nodiscard]] bool isSameFile(const QString &first, const QString &second);

// The two settings files, "k510.ini" and "k510-editor.ini", read and written
// through the functions above. A missing file reads as empty; one that cannot
// be used gives nothing, and `problem` (when given) says in Russian which file
// and why, for the window to show.
constexpr qint64 kMaxSettingsFileSize = 64 * 1024;
[[nodiscard]] std::optional<QByteArray> readSettingsFile(const QString &path, QString *problem);
bool writeSettingsFile(const QString &path, QByteArrayView content, QString *problem);

} // namespace k510::files
