// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

class EditorSettings;
class QMenu;
class QMimeData;
class QWidget;
class UserDialogs;

namespace k510::ui {

class EditHistory;

// What the "Файл" commands work on and what they ask of the window.
struct FileTargets {
    ChannelDatabase &database;
    UserDialogs &dialogs;
    EditorSettings &settings;
    EditHistory &history;
    QWidget &window;      // the parent of the file dialogs
    QMenu &recentFiles;   // "Последние файлы"
    // A new database was loaded: every page starts again from it.
    std::function<void()> showNewDatabase;
    // The database changed as a whole: every page shows it again where it was.
    std::function<void()> showDatabaseAgain;
    // The window's file changed (empty: the database lives in no file).
    std::function<void(const QString &path)> fileChanged;
    // A file was written: "Сохранено" or "Экспортировано" and its path.
    std::function<void(const QString &what, const QString &path)> fileWritten;
};

// The "Файл" menu: opening (from the dialog, the command line, the recent
// files and a dropped file), loading what the receiver sent, saving, saving
// as and the CSV export, and the question about unsaved changes that comes
// before the database is replaced. The file the window's title names lives
// here.
class FileCommands : public QObject {
    Q_OBJECT
public:
    FileCommands(FileTargets targets, QObject *parent);

    [[nodiscard]] const QString &filePath() const { return m_filePath; }

    // Loads a whole image as "Открыть" does, without naming a file. A refused
    // image changes nothing and its reason is shown. Returns whether the
    // image was taken.
    bool loadImage(std::span<const std::uint8_t> image);
    // A database fetched from the receiver: loaded as an opened file is, but
    // it lives in no file yet, so it counts as unsaved until "Сохранить
    // как..." writes it somewhere.
    bool loadReceivedImage(std::span<const std::uint8_t> image);

    // "Открыть": asks about unsaved changes, then for the file.
    void open();
    // Reads, loads, and on success makes the path the window's file.
    bool openFile(const QString &path);
    // A file that is gone is reported and taken off the list.
    void openRecentFile(const QString &path);
    // A single .k5d file dragged over the window may be dropped.
    [[nodiscard]] static bool acceptsDrop(const QMimeData &data);
    // A dropped file opens as "Открыть" opens it.
    void openDropped(const QMimeData &data);

    // "Сохранить": to the window's file, else as "Сохранить как...".
    bool save();
    // "Сохранить как...": on success the file written becomes the window's file.
    bool saveAs();
    // "Экспорт в CSV...": the TV or the radio list, or on the transponder
    // page the transponders of the satellite chosen there (none: of all).
    void exportCsv(bool radio);
    void exportTransponderCsv(std::optional<std::size_t> satellite);

    // Before the database is replaced or the window closes: asks
    // "Сохранить изменения в базе каналов?" when there are unsaved changes.
    // "Да" saves (a failed or cancelled save answers false), "Нет" drops
    // them, "Отмена" answers false.
    [[nodiscard]] bool mayDropChanges();
    // "Нет" was answered while closing: the close that follows a running
    // transfer does not ask again.
    void setChangesDropped(bool dropped) { m_changesDropped = dropped; }

    void fillRecentFilesMenu();

private:
    void useFile(const QString &path);
    void exportCsvOf(const std::function<std::string(char separator)> &csvOf);
    // After an image was loaded: when its numbering is broken, says how and
    // offers to repair it.
    void offerNumberingRepair(std::span<const std::uint8_t> image);

    FileTargets m_targets;
    QString m_filePath;
    bool m_changesDropped = false;
};

} // namespace k510::ui
