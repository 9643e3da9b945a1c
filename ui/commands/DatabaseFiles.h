// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/UserDialogs.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <span>

class QWidget;

// Reading and writing the user's files: a database file for the image
// reader, any file to open, and atomic writes that never leave a damaged
// file behind.

namespace k510::ui {

// "Файлы Tessora (*.k5d);;Все файлы (*)" with the default suffix k5d. "*",
// not "*.*": names without a dot are files too.
[[nodiscard]] UserDialogs::FileDialogOptions databaseFileOptions(const QString &directory = {});

// Appends "." + suffix to a path whose file name has no extension.
[[nodiscard]] QString withDefaultSuffix(const QString &path, const QString &suffix);

struct FileBytes {
    QByteArray bytes;
    QString error;   // empty when the file was read

    [[nodiscard]] bool ok() const { return error.isEmpty(); }
};

// Reads a file for the image reader. Only a regular file is opened (a FIFO
// would block for ever), and never more than one byte past the image size is
// read: anything longer is refused by the reader for its size anyway.
[[nodiscard]] FileBytes readDatabaseFile(const QString &path);
// Reads a plain file of at most maxSize bytes for opening, with the same
// messages; a larger file is refused with tooLarge, naming the path as %1
// and the limit as %2 ("16 МБ"); maxSize is a whole number of megabytes.
[[nodiscard]] FileBytes readFileToOpen(const QString &path, qint64 maxSize, const QString &tooLarge);

// Writes the bytes beside the target and renames them over the target only
// once they are complete and flushed; a failure leaves the old file and is
// named with the system's reason (saying the old file is unchanged only
// when there was one). Returns an error text, empty on success.
[[nodiscard]] QString writeFileText(const QString &path, QByteArrayView bytes);
[[nodiscard]] QString writeDatabaseFile(const QString &path, std::span<const std::uint8_t> image);

// The open dialog, starting in `directory`; an empty string when the user
// cancelled.
[[nodiscard]] QString chooseDatabaseToOpen(UserDialogs &dialogs, QWidget *parent, const QString &directory = {});

struct ChosenFile {
    QString path;
    QByteArray bytes;
};
// The open dialog, then the chosen file read for the image reader; nothing
// when the user cancelled or the file could not be read (said as
// showFileProblem says it).
[[nodiscard]] std::optional<ChosenFile> chooseAndReadDatabase(UserDialogs &dialogs, QWidget *parent,
                                                            const QString &directory);

} // namespace k510::ui
