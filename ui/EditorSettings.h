// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// What the editor remembers between runs besides "k510.ini": the files last
// opened or saved, the folder the file dialogs start in, the window's place
// and page, whether the lists show the satellite column, the CSV export's field separator, a serial port that "k510.ini"
// has no number for, and which satellite the user sends another database's
// satellite to on import. Kept in "k510-editor.ini" beside "k510.ini", whose content
// stays exactly the port and the speed.
//
// The file is read once; every change is written at once, patching only the
// editor's own keys, through a temporary file that replaces the old one only
// when complete. A file that cannot be read (no regular file, unreadable,
// absurdly large) is never written over: the editor then remembers for this
// run only. Each such problem goes to the problem handler.
class EditorSettings {
public:
    static constexpr int kRecentFiles = 8;

    EditorSettings();
    explicit EditorSettings(QString path);

    // Receives every problem with the file as a Russian sentence; one met
    // before the handler was set is passed on at once.
    void setProblemHandler(std::function<void(const QString &)> handler);

    // Newest first, at most kRecentFiles.
    [[nodiscard]] QStringList recentFiles() const { return m_recentFiles; }
    // Puts the file first (once) and remembers its folder for the dialogs.
    void addRecentFile(const QString &path);
    void removeRecentFile(const QString &path);
    // The dialogs start where this file is, next time.
    void rememberFolder(const QString &path);
    [[nodiscard]] QString lastFolder() const { return m_folder; }

    // The field separator the last CSV export used; none before the first.
    [[nodiscard]] std::optional<char> csvSeparator() const { return m_csvSeparator; }
    void rememberCsvSeparator(char separator);

    // Whether the TV, radio and transponder lists show "Спутник"; not at first.
    [[nodiscard]] bool satelliteColumn() const { return m_satelliteColumn; }
    void rememberSatelliteColumn(bool shown);
    [[nodiscard]] QByteArray windowGeometry() const { return m_geometry; }
    [[nodiscard]] int lastPage() const { return m_page; }
    void storeWindow(const QByteArray &geometry, int page);

    // A serial port chosen beyond COM1..COM4, by its system name ("ttyUSB0",
    // "COM7"); empty when one of those is chosen. "k510.ini" cannot hold it.
    [[nodiscard]] QString port() const { return m_port; }
    void rememberPort(const QString &systemName);

    // The satellite (by name) the user last sent the channels of another
    // database's satellite to on import, keyed by that satellite's name;
    // empty when none is remembered. An empty target forgets.
    [[nodiscard]] QString importTarget(const QString &sourceSatellite) const;
    void rememberImportTarget(const QString &sourceSatellite, const QString &target);

    [[nodiscard]] const QString &path() const { return m_path; }

private:
    void load();
    void write();
    void report(const QString &problem);

    QString m_path;
    QByteArray m_content;   // the file as read, patched by every write
    bool m_writable = true;
    QStringList m_recentFiles;
    QString m_folder;
    QByteArray m_geometry;
    int m_page = 0;
    QString m_port;
    std::optional<char> m_csvSeparator;
    bool m_satelliteColumn = false;
    QMap<QByteArray, QString> m_importTargets;   // changed in this run, by key in the file
    QString m_unreportedProblem;
    std::function<void(const QString &)> m_problemHandler;
};
