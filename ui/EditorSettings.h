#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the editor remembers between runs besides the port: the files last
// opened or saved, the folder the file dialogs start in, and the window's
// place and page. Kept in "k510-editor.ini" beside "k510.ini", whose content
// stays exactly the port and the speed.
class EditorSettings {
public:
    static constexpr int kRecentFiles = 8;

    EditorSettings();
    explicit EditorSettings(QString path);

    // Newest first, at most kRecentFiles.
    [[nodiscard]] QStringList recentFiles() const;
    // Puts the file first (once) and remembers its folder for the dialogs.
    void addRecentFile(const QString &path);
    void removeRecentFile(const QString &path);
    // The dialogs start where this file is, next time.
    void rememberFolder(const QString &path);
    [[nodiscard]] QString lastFolder() const;

    [[nodiscard]] QByteArray windowGeometry() const;
    [[nodiscard]] int lastPage() const;
    void storeWindow(const QByteArray &geometry, int page);

    [[nodiscard]] const QString &path() const { return m_path; }

private:
    QString m_path;
};
