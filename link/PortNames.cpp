// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortNames.h"

namespace k510::link {

bool isNumberedPort(const QString &portName)
{
    return portName.size() == 4 && portName.startsWith(QLatin1String("COM")) && portName[3] >= QLatin1Char('1')
           && portName[3] <= QLatin1Char('4');
}

QString deviceForPort(const QString &portName)
{
#ifdef Q_OS_WIN
    return portName;
#else
    if (!isNumberedPort(portName))
        return portName.isEmpty() || portName.startsWith(QLatin1Char('/')) ? portName
                                                                            : QStringLiteral("/dev/") + portName;
    const int number = portName[3].digitValue();
    const QString overridden = qEnvironmentVariable(qPrintable(QStringLiteral("K510_COM%1").arg(number)));
    if (!overridden.isEmpty())
        return overridden;
    return QStringLiteral("/dev/ttyS%1").arg(number - 1);
#endif
}

} // namespace k510::link
