// SPDX-License-Identifier: GPL-3.0-or-later
#include "TSendThread.h"

#include "SendImage.h"
#include "TransferInterrupted.h"

namespace k510::link {

TSendThread::TSendThread(const QByteArray &image, PortSettings settings, QObject *parent)
    : TransferThread(parent)
    , m_imageCopy(image.constData(), image.size())
    , m_settings(std::move(settings))
{
}

QString TSendThread::progressText(int percent)
{
    return QStringLiteral("Передача данных %1%").arg(percent);
}

void TSendThread::run()
{
    SendImage(
        m_settings.portName, m_settings.speedText, m_imageCopy,
        [this](int percent) {
            if (isInterruptionRequested())
                throw TransferInterrupted();
            m_percent = percent;
            emit ShowProgress(progressText(m_percent));
        },
        [this](const QString &text) { reportFailure(text); });
}

} // namespace k510::link
