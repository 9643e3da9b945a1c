// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"
#include "ui/UserDialogs.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class QWidget;

// The "Файл" menu's work that does not belong to the window: choosing files,
// reading a database file, and saving the database without ever leaving a
// damaged file behind.

namespace k510::ui {

// A path as messages and the title show it: absolute, in the system's form.
[[nodiscard]] QString shownPath(const QString &path);

// The window title, naming the last file loaded when there is one.
[[nodiscard]] QString editorTitle(const QString &loadedPath = {});

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

// The reader's warnings about an image just loaded, one box each; an image
// full of channels of a bad type would otherwise raise a box per channel, so
// after the first few the rest are counted in one.
void showReadWarnings(UserDialogs &dialogs, const std::vector<std::string> &warnings);
// "Ошибка типа канала!" for each channel of a bad type a command met.
void showChannelTypeErrors(UserDialogs &dialogs, int count);

// Reads a file for the image reader. Only a regular file is opened (a FIFO
// would block for ever), and never more than one byte past the image size is
// read: anything longer is refused by the reader for its size anyway.
[[nodiscard]] FileBytes readDatabaseFile(const QString &path);
// Reads a plain file of at most maxSize bytes for opening, with the same
// messages; a larger file is refused with tooLarge, naming the path as %1.
[[nodiscard]] FileBytes readFileToOpen(const QString &path, qint64 maxSize, const QString &tooLarge);

// Writes the bytes beside the target and renames them over the target only
// once they are complete and flushed; a failure leaves the old file and is
// named with the system's reason. Returns an error text, empty on success.
[[nodiscard]] QString writeFileText(const QString &path, QByteArrayView bytes);
[[nodiscard]] QString writeDatabaseFile(const QString &path, std::span<const std::uint8_t> image);

// The open dialog, starting in `directory`; an empty string when the user
// cancelled.
[[nodiscard]] QString chooseDatabaseToOpen(UserDialogs &dialogs, QWidget *parent, const QString &directory = {});

// Builds the image and writes it to path, atomically. Every failure is shown
// through dialogs; returns whether the file was written.
bool saveDatabase(const ChannelDatabase &db, const QString &path, UserDialogs &dialogs);

// "Сохранить как...": asks for the file, confirms replacing an existing one
// (a new one is created without a question), builds the image and writes it. Every failure is
// shown through dialogs. Returns the path written, empty when nothing was.
QString saveDatabaseAs(const ChannelDatabase &db, UserDialogs &dialogs, QWidget *parent,
                       const QString &directory = {});

// The save dialog of an export and of "Сохранить как...": the name chosen with the default suffix
// added, and an existing file replaced only after a question whose default
// is "Нет". The path is empty when the user cancelled either.
[[nodiscard]] UserDialogs::FileChoice chooseExportFile(UserDialogs &dialogs, QWidget *parent,
                                                       const UserDialogs::FileDialogOptions &options);

// The field separator spreadsheets set up for locale split a CSV file on
// when it is opened by double-click: ";" where decimals are written with a
// comma (as in Russian), "," elsewhere.
[[nodiscard]] char spreadsheetSeparator(const QLocale &locale);

// "Экспорт в CSV...": the TV or radio channel list as CSV, to a file chosen
// in the save dialog (replacing one only after a question), written
// atomically. The filter entry chosen in the dialog gives the field
// separator; the entry offered first, and "Все файлы", give the one the
// spreadsheets of `regional` expect: the system's locale, not the editor's
// Russian default, since spreadsheets follow the system's regional settings.
// Returns the path written, empty when nothing was.
QString exportChannelList(const ChannelDatabase &db, bool radio, UserDialogs &dialogs, QWidget *parent,
                          const QString &directory = {}, const QLocale &regional = QLocale::system());

} // namespace k510::ui
