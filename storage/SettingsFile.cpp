// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsFile.h"

#include "FileAccess.h"
#include "IniText.h"
#include "SettingsFolder.h"

#include <QFileInfo>

namespace k510::storage {

namespace {

constexpr QByteArrayView kSection("Comm");
constexpr QByteArrayView kPortKey("Port");
constexpr QByteArrayView kSpeedKey("Speed");

int readInteger(const QByteArray &content, QByteArrayView key)
{
    bool ok = false;
    const int value = iniValue(content, kSection, key).value_or(QByteArray()).toInt(&ok);
    return ok ? value : 0;
}

} // namespace

SettingsFile::SettingsFile()
    : SettingsFile(settingsFolder() + QStringLiteral("/k510.ini"))
{
}

SettingsFile::SettingsFile(QString path)
    : m_path(std::move(path))
{
}

SettingsPositions SettingsFile::load(QString *problem) const
{
    const std::optional<QByteArray> content = files::readSettingsFile(m_path, problem);
    if (!content)
        return {0, 0};
    return {readInteger(*content, kPortKey), readInteger(*content, kSpeedKey)};
}

bool SettingsFile::store(SettingsPositions positions, QString *problem) const
{
    return storeValues(positions.port, positions.speed, problem);
}

bool SettingsFile::storeSpeed(int speedPosition, QString *problem) const
{
    return storeValues(std::nullopt, speedPosition, problem);
}

bool SettingsFile::storeValues(std::optional<int> port, int speed, QString *problem) const
{
    const std::optional<QByteArray> before = files::readSettingsFile(m_path, problem);
    if (!before)
        return false;
    QByteArray after = port ? withIniValue(*before, kSection, kPortKey, QByteArray::number(*port)) : *before;
    after = withIniValue(after, kSection, kSpeedKey, QByteArray::number(speed));
    if (after == *before && QFileInfo::exists(m_path))
        return true;

    return files::writeSettingsFile(m_path, after, problem);
}

} // namespace k510::storage
