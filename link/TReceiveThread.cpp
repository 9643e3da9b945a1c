// SPDX-License-Identifier: GPL-3.0-or-later
#include "TReceiveThread.h"

#include "ReceiveImage.h"
#include "TransferInterrupted.h"

namespace k510::link {

TReceiveThread::TReceiveThread(PortSettings settings, QObject *parent)
    : TransferThread(parent)
    , m_settings(std::move(settings))
{
}

QString TReceiveThread::progressText(int percent)
{
    return QStringLiteral("Прием данных %1%").arg(percent);
}

void TReceiveThread::run()
{
    ReceiveImage(
        m_settings.portName, m_settings.speedText,
        [this](int percent) {
            if (isInterruptionRequested())
                throw TransferInterrupted();
            m_percent = percent;
            emit ShowProgress(progressText(m_percent));
        },
        [this](const QByteArray &image) {
            if (isInterruptionRequested())
                throw TransferInterrupted();
            emit HandOverImage(image);
        },
        [this](const QString &text) { reportFailure(text); });
}

} // namespace k510::link
