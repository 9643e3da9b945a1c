// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorSettings.h"

#include "storage/FileAccess.h"
#include "storage/IniText.h"
#include "storage/SettingsFolder.h"

#include <QFileInfo>

using k510::storage::iniValue;
using k510::storage::withIniValue;

namespace {

constexpr QByteArrayView kFiles("Files");
constexpr QByteArrayView kWindow("Window");
constexpr QByteArrayView kFolder("folder");
constexpr QByteArrayView kGeometry("geometry");
constexpr QByteArrayView kPage("page");
constexpr QByteArrayView kLink("Link");
constexpr QByteArrayView kPort("port");
constexpr QByteArrayView kCsvSeparator("csvSeparator");
constexpr QByteArrayView kSatelliteColumn("satelliteColumn");

// Separators by name: ";" would read as a comment in an ini file.
struct SeparatorName {
    char separator;
    QByteArrayView name;
};
constexpr SeparatorName kSeparatorNames[] = {{';', "semicolon"}, {',', "comma"}, {'\t', "tab"}};

std::optional<char> separatorNamed(QByteArrayView name)
{
    for (const SeparatorName &entry : kSeparatorNames)
        if (entry.name == name)
            return entry.separator;
    return std::nullopt;
}

QByteArray nameOfSeparator(std::optional<char> separator)
{
    for (const SeparatorName &entry : kSeparatorNames)
        if (entry.separator == separator)
            return entry.name.toByteArray();
    return {};
}
constexpr QByteArrayView kImportTargets("ImportSatellites");

QByteArray recentKey(int index)
{
    return "recent" + QByteArray::number(index + 1);
}

// A satellite name as a key: any byte may stand in a name, none but
// letters, digits and "%" in the key.
QByteArray importKey(const QString &satellite) { return satellite.toUtf8().toPercentEncoding(); }

// A value is one line of the file.
bool fitsOnOneLine(const QString &text)
{
    return !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'));
}

} // namespace

EditorSettings::EditorSettings()
    : EditorSettings(k510::storage::settingsFolder() + QStringLiteral("/k510-editor.ini"))
{
}

EditorSettings::EditorSettings(QString path) : m_path(std::move(path))
{
    load();
}

void EditorSettings::load()
{
    QString problem;
    const std::optional<QByteArray> content = k510::files::readSettingsFile(m_path, &problem);
    if (!content) {
        m_writable = false;
        report(problem);
        return;
    }
    m_content = *content;
    const auto text = [this](QByteArrayView section, QByteArrayView key) {
        return QString::fromUtf8(iniValue(m_content, section, key).value_or(QByteArray()));
    };
    for (int i = 0; i < kRecentFiles; ++i) {
        const QString file = text(kFiles, recentKey(i));
        if (!file.isEmpty() && !m_recentFiles.contains(file))
            m_recentFiles.append(file);
    }
    m_folder = text(kFiles, kFolder);
    m_geometry = QByteArray::fromBase64(iniValue(m_content, kWindow, kGeometry).value_or(QByteArray()));
    m_page = text(kWindow, kPage).toInt();
    m_port = text(kLink, kPort);
    m_csvSeparator = separatorNamed(iniValue(m_content, kFiles, kCsvSeparator).value_or(QByteArray()));
    m_satelliteColumn = text(kWindow, kSatelliteColumn) == QLatin1String("1");
}

void EditorSettings::setProblemHandler(std::function<void(const QString &)> handler)
{
    m_problemHandler = std::move(handler);
    if (!m_unreportedProblem.isEmpty())
        report(std::exchange(m_unreportedProblem, QString()));
}

void EditorSettings::report(const QString &problem)
{
    if (m_problemHandler)
        m_problemHandler(problem);
    else
        m_unreportedProblem = problem;
}

void EditorSettings::write()
{
    if (!m_writable)
        return;
    QByteArray content = m_content;
    for (int i = 0; i < kRecentFiles; ++i)
        content = withIniValue(content, kFiles, recentKey(i), m_recentFiles.value(i).toUtf8());
    content = withIniValue(content, kFiles, kFolder, m_folder.toUtf8());
    if (m_csvSeparator)
        content = withIniValue(content, kFiles, kCsvSeparator, nameOfSeparator(m_csvSeparator));
    content = withIniValue(content, kWindow, kGeometry, m_geometry.toBase64());
    content = withIniValue(content, kWindow, kPage, QByteArray::number(m_page));
    if (m_satelliteColumn || iniValue(content, kWindow, kSatelliteColumn))
        content = withIniValue(content, kWindow, kSatelliteColumn, m_satelliteColumn ? "1" : "0");
    // A file that never named a port gets no empty [Link] section.
    if (!m_port.isEmpty() || iniValue(content, kLink, kPort))
        content = withIniValue(content, kLink, kPort, m_port.toUtf8());
    for (auto it = m_importTargets.cbegin(); it != m_importTargets.cend(); ++it)
        content = withIniValue(content, kImportTargets, it.key(), it.value().toUtf8());
    if (content == m_content && QFileInfo::exists(m_path))
        return;
    QString problem;
    if (k510::files::writeSettingsFile(m_path, content, &problem))
        m_content = content;
    else
        report(problem);
}

void EditorSettings::addRecentFile(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (!fitsOnOneLine(absolute))
        return;
    m_recentFiles.removeAll(absolute);
    m_recentFiles.prepend(absolute);
    m_recentFiles = m_recentFiles.mid(0, kRecentFiles);
    m_folder = QFileInfo(absolute).absolutePath();
    write();
}

void EditorSettings::rememberFolder(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!fitsOnOneLine(folder))
        return;
    m_folder = folder;
    write();
}

void EditorSettings::removeRecentFile(const QString &path)
{
    m_recentFiles.removeAll(path);
    write();
}

void EditorSettings::storeWindow(const QByteArray &geometry, int page)
{
    m_geometry = geometry;
    m_page = page;
    write();
}

void EditorSettings::rememberPort(const QString &systemName)
{
    if (!fitsOnOneLine(systemName) || systemName == m_port)
        return;
    m_port = systemName;
    write();
}

void EditorSettings::rememberSatelliteColumn(bool shown)
{
    if (shown == m_satelliteColumn)
        return;
    m_satelliteColumn = shown;
    write();
}

void EditorSettings::rememberCsvSeparator(char separator)
{
    if (!separatorNamed(nameOfSeparator(separator)) || separator == m_csvSeparator)
        return;
    m_csvSeparator = separator;
    write();
}

QString EditorSettings::importTarget(const QString &sourceSatellite) const
{
    const QByteArray key = importKey(sourceSatellite);
    if (const auto changed = m_importTargets.constFind(key); changed != m_importTargets.cend())
        return *changed;
    return QString::fromUtf8(iniValue(m_content, kImportTargets, key).value_or(QByteArray()));
}

void EditorSettings::rememberImportTarget(const QString &sourceSatellite, const QString &target)
{
    if (!fitsOnOneLine(target) || importTarget(sourceSatellite) == target)
        return;
    m_importTargets.insert(importKey(sourceSatellite), target);
    write();
}
