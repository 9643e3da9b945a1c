#include "SettingsFile.h"

#include "IniText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace k510::link {

namespace {

constexpr QByteArrayView kSection("Comm");
constexpr QByteArrayView kPortKey("Port");
constexpr QByteArrayView kSpeedKey("Speed");

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int readInteger(const QByteArray &content, QByteArrayView key)
{
    bool ok = false;
    const int value = iniValue(content, kSection, key).value_or(QByteArray()).toInt(&ok);
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
    const QByteArray content = fileContent(m_path);
    return {readInteger(content, kPortKey), readInteger(content, kSpeedKey)};
}

bool SettingsFile::store(SettingsPositions positions) const
{
    const QByteArray before = fileContent(m_path);
    QByteArray after = withIniValue(before, kSection, kPortKey, QByteArray::number(positions.port));
    after = withIniValue(after, kSection, kSpeedKey, QByteArray::number(positions.speed));
    if (after == before && QFileInfo::exists(m_path))
        return true;

    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    return file.open(QIODevice::WriteOnly) && file.write(after) == after.size() && file.commit();
}

} // namespace k510::link
