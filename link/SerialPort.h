// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSerialPort>
#include <QString>

#include <memory>
#include <optional>

namespace k510::link {

// The one port of a transfer, opened at its start and closed at its end.
// Blocking throughout: it runs on a worker thread (or a command-line tool)
// and needs no event loop. Every Read and Write has a total time-out of
// n x 1 ms + the constant given to Configure, with no limit on the gap
// between bytes.
// Why a port did not open, for the second line of "Невозможно открыть порт!".
struct OpenProblem {
    enum class Kind {
        NoName,     // no port was chosen
        NotFound,   // no such device
        Busy,       // another program or another transfer holds it
        Denied,     // the user may not use the device
        Other,      // the system's reason says what
    };
    Kind kind = Kind::Other;
    QString portName;       // as chosen: "COM1", "ttyUSB0", a device path
    QString device;         // the device it stands for
    QString systemReason;   // the system's own words, when it gave any
};

class SerialPort {
public:
    enum class Queue { Input, Output };

    SerialPort();
    ~SerialPort();
    SerialPort(const SerialPort &) = delete;
    SerialPort &operator=(const SerialPort &) = delete;

    // Opens for reading and writing, exclusively: a port that another
    // program or another transfer of this process holds fails to open.
    // When it fails, openProblem() says why.
    [[nodiscard]] bool Open(const QString &portName);
    [[nodiscard]] const OpenProblem &openProblem() const { return m_openProblem; }
    // Saves the line settings for RestoreSettings, then sets the speed
    // (the text read as decimal baud), 8N1, no flow control, raw bytes. What
    // the port refuses is not examined: the transfer goes on regardless.
    void Configure(const QString &speedText, int timeoutConstantMs);
    // Returns the number of bytes handed to the driver before the time-out.
    [[nodiscard]] qint64 Write(const void *data, qint64 count);
    [[nodiscard]] qint64 Read(void *data, qint64 count);
    // Discards what waits in one queue. Output that is still leaving gets
    // the write time-out to go out first.
    void Purge(Queue queue);
    void RestoreSettings();
    void Close();

    [[nodiscard]] bool isOpen() const;
    // Whether the last short Read or Write met a port that has gone away (a
    // USB adapter unplugged, the far end of a pseudo-terminal closed).
    [[nodiscard]] bool isLost() const { return m_lost; }

    // The protocol's fixed pause.
    static void Pause();

private:
    struct LineSettings {
        qint32 baudRate;
        QSerialPort::DataBits dataBits;
        QSerialPort::Parity parity;
        QSerialPort::StopBits stopBits;
        QSerialPort::FlowControl flowControl;
    };

    [[nodiscard]] int timeoutFor(qint64 count) const;
    // Bytes written but not yet sent: in QSerialPort's buffer and the driver's.
    [[nodiscard]] qint64 pendingOutput() const;
    [[nodiscard]] qint64 driverOutputQueue() const;
    // The device has hung up or reports an error that waiting will not cure.
    [[nodiscard]] bool hungUp() const;

    std::unique_ptr<QSerialPort> m_port;
    OpenProblem m_openProblem;
    std::optional<LineSettings> m_savedSettings;
    int m_timeoutConstantMs = 0;
    bool m_lost = false;
};

} // namespace k510::link
