#include "PortNames.h"

namespace k510::link {

QString deviceForPort(const QString &portName)
{
#ifdef Q_OS_WIN
    return portName;
#else
    const bool userPortName = portName.size() == 4 && portName.startsWith(QLatin1String("COM"))
                              && portName[3] >= QLatin1Char('1') && portName[3] <= QLatin1Char('4');
    if (!userPortName)
        return portName;
    const int number = portName[3].digitValue();
    const QString overridden = qEnvironmentVariable(qPrintable(QStringLiteral("K510_COM%1").arg(number)));
    if (!overridden.isEmpty())
        return overridden;
    return QStringLiteral("/dev/ttyS%1").arg(number - 1);
#endif
}

} // namespace k510::link
