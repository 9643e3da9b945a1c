// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace k510::link {

// A serial port the system reports.
struct PortInfo {
    QString systemName;    // "ttyUSB0", "COM7"
    QString location;      // "/dev/ttyUSB0", "\\.\COM7"
    QString description;   // "FT232R USB UART"; may be empty
};

// Where the ports come from: the system, or a test's own list.
class PortLister {
public:
    virtual ~PortLister() = default;
    [[nodiscard]] virtual QList<PortInfo> availablePorts() const = 0;
};

// The ports QSerialPortInfo reports.
class SystemPorts : public PortLister {
public:
    [[nodiscard]] QList<PortInfo> availablePorts() const override;
};

// One entry of the port list: the name a transfer is given and what the
// user sees.
struct PortEntry {
    QString portName;   // "COM1".."COM4" or a system name
    QString text;       // "COM1", "ttyUSB0 — FT232R USB UART", "ttyUSB1 (не подключён)"
    QString device;     // what the name opens, e.g. "/dev/ttyS0"
    bool connected = true;
};

// "COM1".."COM4" first, then every available port that is not one of them
// (by name or by device), then `remembered` if it is none of these: a port
// chosen earlier whose adapter is unplugged now keeps its place, marked
// "(не подключён)" unless its device is there but unlisted.
[[nodiscard]] QList<PortEntry> portEntries(const QList<PortInfo> &available, const QString &remembered = {});

} // namespace k510::link
