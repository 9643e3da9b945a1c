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

class EditorSession;

// What the "Файл" commands work on and what they ask of the window.
struct FileTargets {
    EditorSession &session;   // the database, its history and its file
    UserDialogs &dialogs;
    EditorSettings &settings;
    QWidget &window;      // the parent of the file dialogs
    QMenu &recentFiles;   // "Последние файлы"
    // A file was written: "Сохранено" or "Экспортировано" and its path.
    std::function<void(const QString &what, const QString &path)> fileWritten;
};

// The "Файл" menu: opening (from the dialog, the command line, the recent
// files and a dropped file), loading what the receiver sent, saving, saving
// as and the CSV export, and the question about unsaved changes that comes
// before the database is replaced.
class FileCommands : public QObject {
    Q_OBJECT
public:
    FileCommands(FileTargets targets, QObject *parent);

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
    void exportCsvOf(const std::function<std::string(char separator)> &csvOf);
    // After an image was loaded: when its numbering is broken, says how and
    // offers to repair it.
    void offerNumberingRepair(std::span<const std::uint8_t> image);

    FileTargets m_targets;
    bool m_changesDropped = false;
};

} // namespace k510::ui
