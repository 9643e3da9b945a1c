// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"
#include "ui/UserDialogs.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
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

// A file of the user's that cannot be used (unreadable, refused, too large,
// not written): said in the box captioned with the editor's name, as
// opening a refused database says it. The failure box is for transfers.
void showFileProblem(UserDialogs &dialogs, const QString &text);

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
// is "Нет". The open database's own file (also under another name, through
// a link) is refused with a message. The path is empty when the user
// cancelled or the file was refused.
[[nodiscard]] UserDialogs::FileChoice chooseExportFile(UserDialogs &dialogs, QWidget *parent,
                                                       const UserDialogs::FileDialogOptions &options,
                                                       const QString &openDatabase);

// The field separator spreadsheets set up for locale split a CSV file on
// when it is opened by double-click: ";" where decimals are written with a
// comma (as in Russian), "," elsewhere.
[[nodiscard]] char spreadsheetSeparator(const QLocale &locale);

// Where an export's save dialog starts, and the file it must not replace.
struct ExportPlace {
    QString directory;      // empty: the current folder
    QString openDatabase;   // the window's file; empty when there is none
};

struct CsvExported {
    QString path;           // empty when nothing was written
    char separator = ',';
};

// "Экспорт в CSV...": csvOf(separator) to a file chosen in the save dialog
// (as chooseExportFile chooses it), written atomically; a failure is shown.
// The filter entry chosen in the dialog gives the field separator. The
// dialog offers first the entry of `lastSeparator`, the one chosen last
// time; without one, the separator the spreadsheets of `regional` expect:
// the system's locale, not the editor's Russian default, since spreadsheets
// follow the system's regional settings. "Все файлы" takes the one offered.
CsvExported exportCsvFile(const std::function<std::string(char separator)> &csvOf, UserDialogs &dialogs,
                          QWidget *parent, const ExportPlace &place, std::optional<char> lastSeparator = {},
                          const QLocale &regional = QLocale::system());

} // namespace k510::ui
