// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimProcess.h"

namespace {
constexpr int kStartTimeoutMs = 5000;
}

SimProcess::SimProcess(const QStringList &arguments)
{
    m_process.start(QStringLiteral(K510_SIM_PATH), arguments);
    if (!m_process.waitForStarted(kStartTimeoutMs))
        return;
    while (!m_process.canReadLine() && m_process.state() == QProcess::Running)
        if (!m_process.waitForReadyRead(kStartTimeoutMs))
            break;
    if (m_process.canReadLine())
        m_devicePath = QString::fromLocal8Bit(m_process.readLine()).trimmed();
}

SimProcess::~SimProcess()
{
    stop();
}

void SimProcess::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished();
}

QString SimProcess::messages()
{
    m_messages += QString::fromLocal8Bit(m_process.readAllStandardError());
    return m_messages;
}
