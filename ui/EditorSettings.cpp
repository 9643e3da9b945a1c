#include "EditorSettings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kRecent = QStringLiteral("Files/recent");
const QString kFolder = QStringLiteral("Files/folder");
const QString kGeometry = QStringLiteral("Window/geometry");
const QString kPage = QStringLiteral("Window/page");

} // namespace

EditorSettings::EditorSettings()
    : EditorSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                     + QStringLiteral("/k510-editor.ini"))
{
}

EditorSettings::EditorSettings(QString path) : m_path(std::move(path)) {}

QStringList EditorSettings::recentFiles() const
{
    return QSettings(m_path, QSettings::IniFormat).value(kRecent).toStringList().mid(0, kRecentFiles);
}

void EditorSettings::addRecentFile(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = recentFiles();
    files.removeAll(absolute);
    files.prepend(absolute);
    QSettings settings(m_path, QSettings::IniFormat);
    settings.setValue(kRecent, files.mid(0, kRecentFiles));
    settings.setValue(kFolder, QFileInfo(absolute).absolutePath());
}

void EditorSettings::rememberFolder(const QString &path)
{
    QSettings(m_path, QSettings::IniFormat).setValue(kFolder, QFileInfo(path).absolutePath());
}

void EditorSettings::removeRecentFile(const QString &path)
{
    QStringList files = recentFiles();
    files.removeAll(path);
    QSettings(m_path, QSettings::IniFormat).setValue(kRecent, files);
}

QString EditorSettings::lastFolder() const
{
    return QSettings(m_path, QSettings::IniFormat).value(kFolder).toString();
}

QByteArray EditorSettings::windowGeometry() const
{
    return QSettings(m_path, QSettings::IniFormat).value(kGeometry).toByteArray();
}

int EditorSettings::lastPage() const
{
    return QSettings(m_path, QSettings::IniFormat).value(kPage, 0).toInt();
}

void EditorSettings::storeWindow(const QByteArray &geometry, int page)
{
    QSettings settings(m_path, QSettings::IniFormat);
    settings.setValue(kGeometry, geometry);
    settings.setValue(kPage, page);
}
