// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Runs k510-sim for a test or a benchmark: starts it, learns the device it
// serves, and stops it when destroyed.
class SimProcess {
public:
    explicit SimProcess(const QStringList &arguments = {});
    ~SimProcess();
    SimProcess(const SimProcess &) = delete;
    SimProcess &operator=(const SimProcess &) = delete;

    // False when the simulator did not come up within a few seconds.
    [[nodiscard]] bool isReady() const { return !m_devicePath.isEmpty(); }
    // The pseudo-terminal to open as the serial port.
    [[nodiscard]] const QString &devicePath() const { return m_devicePath; }
    // Ends the simulator at once, which closes its side of the
    // pseudo-terminal as an unplugged adapter would.
    void stop();
    // What the simulator has reported so far.
    [[nodiscard]] QString messages();

private:
    QProcess m_process;
    QString m_devicePath;
    QString m_messages;
};
