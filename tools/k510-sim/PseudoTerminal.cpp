// SPDX-License-Identifier: GPL-3.0-or-later
#include "PseudoTerminal.h"

#include <QDeadlineTimer>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

PseudoTerminal::~PseudoTerminal()
{
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

bool PseudoTerminal::open(QString *error)
{
    auto fail = [error](const char *what) {
        *error = QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    };
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        return fail("posix_openpt");
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
        return fail("grantpt/unlockpt");
    const char *name = ::ptsname(m_master);
    if (name == nullptr)
        return fail("ptsname");
    m_slavePath = QString::fromLocal8Bit(name);

    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0)
        return fail("open slave");
    // Raw: no echo, no line editing, no CR/LF or flow-control characters
    // taken out of the stream, all eight bits passed.
    termios settings{};
    if (::tcgetattr(m_slave, &settings) != 0)
        return fail("tcgetattr");
    ::cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
    if (::tcsetattr(m_slave, TCSANOW, &settings) != 0)
        return fail("tcsetattr");
    return true;
}

std::size_t PseudoTerminal::read(void *data, std::size_t count, int timeoutMs)
{
    auto *out = static_cast<char *>(data);
    const QDeadlineTimer deadline = timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(timeoutMs);
    std::size_t got = 0;
    while (got < count) {
        pollfd waiting{m_master, POLLIN, 0};
        const int remaining = deadline.isForever() ? -1 : int(deadline.remainingTime());
        if (remaining == 0)
            break;
        const int ready = ::poll(&waiting, 1, remaining);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            break;
        const ssize_t now = ::read(m_master, out + got, count - got);
        if (now < 0 && errno == EINTR)
            continue;
        if (now <= 0)
            break;
        got += std::size_t(now);
    }
    return got;
}

bool PseudoTerminal::write(const void *data, std::size_t count)
{
    const auto *in = static_cast<const char *>(data);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t now = ::write(m_master, in + done, count - done);
        if (now < 0 && errno == EINTR)
            continue;
        if (now <= 0)
            return false;
        done += std::size_t(now);
    }
    return true;
}
