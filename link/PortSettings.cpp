// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortSettings.h"

namespace k510::link {

QStringList portChoices()
{
    return {QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3"), QStringLiteral("COM4")};
}

QStringList speedChoices()
{
    return {QStringLiteral("115200"), QStringLiteral("57600"), QStringLiteral("38400"), QStringLiteral("31200"),
            QStringLiteral("19200"),  QStringLiteral("14400"), QStringLiteral("9600")};
}

int selectedPosition(int storedPosition, int choiceCount)
{
    if (storedPosition < 0)
        return -1;
    return storedPosition < choiceCount ? storedPosition : 0;
}

PortSettings settingsAt(storage::SettingsPositions positions)
{
    return {portChoices().value(positions.port), speedChoices().value(positions.speed)};
}

storage::SettingsPositions positionsOf(const PortSettings &settings)
{
    return {int(portChoices().indexOf(settings.portName)), int(speedChoices().indexOf(settings.speedText))};
}

} // namespace k510::link
