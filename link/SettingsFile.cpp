#include "SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace k510::link {

namespace {

constexpr QLatin1String kPortKey("Comm/Port");
constexpr QLatin1String kSpeedKey("Comm/Speed");

int readInteger(const QSettings &settings, QLatin1String key)
{
    bool ok = false;
    const int value = settings.value(key).toInt(&ok);
    return ok ? value : 0;
}

} // namespace

SettingsFile::SettingsFile()
    : SettingsFile(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                   + QStringLiteral("/k510.ini"))
{
}

SettingsFile::SettingsFile(QString path)
    : m_path(std::move(path))
{
}

SettingsPositions SettingsFile::load() const
{
    const QSettings settings(m_path, QSettings::IniFormat);
    return {readInteger(settings, kPortKey), readInteger(settings, kSpeedKey)};
}

void SettingsFile::store(SettingsPositions positions) const
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSettings settings(m_path, QSettings::IniFormat);
    settings.setValue(kPortKey, positions.port);
    settings.setValue(kSpeedKey, positions.speed);
}

} // namespace k510::link
