// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortList.h"

#include "PortNames.h"
#include "PortSettings.h"

#include <QFileInfo>
#include <QSerialPortInfo>

#include <algorithm>

namespace k510::link {

QList<PortInfo> SystemPorts::availablePorts() const
{
    QList<PortInfo> ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        ports.append({info.portName(), info.systemLocation(), info.description()});
    return ports;
}

QList<PortEntry> portEntries(const QList<PortInfo> &available, const QString &remembered)
{
    QList<PortEntry> entries;
    for (const QString &name : portChoices())
        entries.append({name, name, deviceForPort(name)});
    const auto listed = [&entries](const QString &name, const QString &device) {
        return std::any_of(entries.cbegin(), entries.cend(), [&](const PortEntry &entry) {
            return entry.portName == name || (!device.isEmpty() && entry.device == device);
        });
    };
    for (const PortInfo &port : available) {
        if (port.systemName.isEmpty() || listed(port.systemName, port.location))
            continue;
        const QString text = port.description.isEmpty()
                                 ? port.systemName
                                 : port.systemName + QStringLiteral(" — ") + port.description;
        entries.append({port.systemName, text, port.location.isEmpty() ? deviceForPort(port.systemName) : port.location});
    }
    if (!remembered.isEmpty() && !listed(remembered, QString())) {
        // A device the system does not list may be there all the same (a
        // pseudo-terminal); only one that is gone counts as unplugged.
        const QString device = deviceForPort(remembered);
        const bool present = device.startsWith(QLatin1Char('/')) && QFileInfo::exists(device);
        entries.append({remembered, present ? remembered : remembered + QStringLiteral(" (не подключён)"), device,
                        present});
    }
    return entries;
}

} // namespace k510::link
