// SPDX-License-Identifier: GPL-3.0-or-later
#include "SerialPort.h"

#include "PortNames.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <chrono>
#include <thread>

#ifdef Q_OS_UNIX
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace k510::link {

namespace {

constexpr int kPauseMs = 10;
constexpr auto kPauseWakeMargin = std::chrono::microseconds(300);

#ifdef Q_OS_UNIX
// QSerialPort's lock file keeps out this process and programs that honour
// UUCP lock files, and its TIOCEXCL does not bind root. An flock on the
// descriptor also keeps out programs that lock the device itself.
bool lockExclusively(QSerialPort &port)
{
    return ::flock(int(port.handle()), LOCK_EX | LOCK_NB) == 0;
}
#else
bool lockExclusively(QSerialPort &)
{
    return true;   // Windows opens COM ports exclusively by itself
}
#endif

// QSerialPort reports a port held elsewhere (its lock file, the device's
// exclusive mode, Windows' sharing rule) as a permission error, like a device
// the user may not open. A device the user could open is a busy one.
OpenProblem::Kind problemOf(const QSerialPort &port, const QString &device)
{
    switch (port.error()) {
    case QSerialPort::DeviceNotFoundError:
        return OpenProblem::Kind::NotFound;
    case QSerialPort::PermissionError:
#ifdef Q_OS_UNIX
        return ::access(QFile::encodeName(device).constData(), R_OK | W_OK) == 0 ? OpenProblem::Kind::Busy
                                                                                : OpenProblem::Kind::Denied;
#else
        (void)device;
        return OpenProblem::Kind::Busy;
#endif
    default:
        return OpenProblem::Kind::Other;
    }
}

} // namespace

SerialPort::SerialPort() = default;

SerialPort::~SerialPort()
{
    Close();
}

bool SerialPort::Open(const QString &portName)
{
    Close();
    m_openProblem = {OpenProblem::Kind::NoName, portName, {}, {}};
    if (portName.isEmpty())
        return false;
    auto port = std::make_unique<QSerialPort>();
    m_openProblem.device = deviceForPort(portName);
    port->setPortName(m_openProblem.device);
    if (!port->open(QIODevice::ReadWrite)) {
        m_openProblem.kind = problemOf(*port, m_openProblem.device);
        m_openProblem.systemReason = port->errorString();
        return false;
    }
    if (!lockExclusively(*port)) {
        port->close();
        m_openProblem.kind = OpenProblem::Kind::Busy;
        return false;
    }
    m_port = std::move(port);
    m_lost = false;
    return true;
}

void SerialPort::Configure(const QString &speedText, int timeoutConstantMs)
{
    m_timeoutConstantMs = timeoutConstantMs;
    if (!m_port)
        return;
    m_savedSettings = LineSettings{m_port->baudRate(), m_port->dataBits(), m_port->parity(), m_port->stopBits(),
                                   m_port->flowControl()};
    // The driver queue sizes of 256 and 512 bytes have no counterpart here:
    // QSerialPort buffers without limit and the time-outs bound every wait.
    (void)m_port->setBaudRate(speedText.toInt());
    (void)m_port->setDataBits(QSerialPort::Data8);
    (void)m_port->setParity(QSerialPort::NoParity);
    (void)m_port->setStopBits(QSerialPort::OneStop);
    (void)m_port->setFlowControl(QSerialPort::NoFlowControl);
    m_port->clearError();
}

int SerialPort::timeoutFor(qint64 count) const
{
    return int(count) + m_timeoutConstantMs;
}

qint64 SerialPort::Write(const void *data, qint64 count)
{
    if (!m_port || count <= 0)
        return 0;
    const QDeadlineTimer deadline(timeoutFor(count));
    const qint64 queued = m_port->write(static_cast<const char *>(data), count);
    if (queued < 0)
        return 0;
    while (m_port->bytesToWrite() > 0 && !deadline.hasExpired()) {
        m_port->clearError();
        if (!m_port->waitForBytesWritten(int(deadline.remainingTime())) && m_port->error() != QSerialPort::TimeoutError
            && m_port->error() != QSerialPort::NoError)
            break;
    }
    const qint64 written = queued - m_port->bytesToWrite();
    if (written < count)
        m_lost = m_port->error() == QSerialPort::ResourceError || hungUp();
    return written;
}

qint64 SerialPort::Read(void *data, qint64 count)
{
    if (!m_port || count <= 0)
        return 0;
    auto *out = static_cast<char *>(data);
    const QDeadlineTimer deadline(timeoutFor(count));
    qint64 got = 0;
    for (;;) {
        const qint64 now = m_port->read(out + got, count - got);
        if (now > 0)
            got += now;
        if (got == count || deadline.hasExpired())
            break;
        // A hung-up device wakes every wait at once and never delivers.
        if (hungUp()) {
            m_lost = true;
            break;
        }
        m_port->clearError();
        if (!m_port->waitForReadyRead(int(deadline.remainingTime())) && m_port->error() != QSerialPort::TimeoutError
            && m_port->error() != QSerialPort::NoError) {
            m_lost = m_port->error() == QSerialPort::ResourceError || hungUp();
            break;
        }
    }
    return got;
}

void SerialPort::Purge(Queue queue)
{
    if (!m_port)
        return;
    if (queue == Queue::Input) {
        (void)m_port->clear(QSerialPort::Input);
        return;
    }
    // A completed write may still be on its way through the driver (or wait
    // unread at the far end of a pseudo-terminal); flushing at once would
    // throw away the last bytes of a complete transfer, such as the closing
    // tokens. Give them the write time-out to leave, then discard the rest.
    // Nothing leaves a port that has gone.
    const QDeadlineTimer deadline(m_lost ? 0 : m_timeoutConstantMs);
    while (pendingOutput() > 0 && !deadline.hasExpired()) {
        if (m_port->bytesToWrite() > 0)
            (void)m_port->waitForBytesWritten(int(deadline.remainingTime()));
        else
            QThread::usleep(200);
    }
    if (pendingOutput() > 0)
        (void)m_port->clear(QSerialPort::Output);
}

qint64 SerialPort::driverOutputQueue() const
{
#ifdef Q_OS_UNIX
    int queued = 0;
    if (::ioctl(int(m_port->handle()), TIOCOUTQ, &queued) == 0)
        return queued;
#endif
    return 0;
}

bool SerialPort::hungUp() const
{
#ifdef Q_OS_UNIX
    pollfd watched{int(m_port->handle()), 0, 0};
    return !m_port->isOpen() || (::poll(&watched, 1, 0) > 0 && (watched.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0);
#else
    return !m_port->isOpen();
#endif
}

qint64 SerialPort::pendingOutput() const
{
    return m_port->bytesToWrite() + driverOutputQueue();
}

void SerialPort::RestoreSettings()
{
    if (!m_port || !m_savedSettings)
        return;
    (void)m_port->setBaudRate(m_savedSettings->baudRate);
    (void)m_port->setDataBits(m_savedSettings->dataBits);
    (void)m_port->setParity(m_savedSettings->parity);
    (void)m_port->setStopBits(m_savedSettings->stopBits);
    (void)m_port->setFlowControl(m_savedSettings->flowControl);
}

void SerialPort::Close()
{
    if (m_port) {
        m_port->close();
        m_port.reset();
    }
    m_savedSettings.reset();
}

bool SerialPort::isOpen() const
{
    return m_port != nullptr;
}

void SerialPort::Pause()
{
    // A sleep wakes up late by a tenth of a millisecond or more, which over
    // the 2304 pauses of a send adds up to a few per cent of the transfer.
    // So sleep most of the pause and wait out the rest on the clock; the
    // pause never ends early.
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(kPauseMs);
    std::this_thread::sleep_until(end - kPauseWakeMargin);
    while (std::chrono::steady_clock::now() < end)
        std::this_thread::yield();
}

} // namespace k510::link
