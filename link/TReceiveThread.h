// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include "PortSettings.h"
#include "TransferThread.h"

namespace k510::link {

// The worker of one receive: runs ReceiveImage and hands the complete image
// over through HandOverImage, connected with Qt::BlockingQueuedConnection:
// the image must have been read before the closing tokens go out. An
// interrupted receive hands nothing over.
class TReceiveThread : public TransferThread {
    Q_OBJECT
public:
    explicit TReceiveThread(PortSettings settings, QObject *parent = nullptr);

    // "Прием данных 45%".
    [[nodiscard]] static QString progressText(int percent);

signals:
    void HandOverImage(const QByteArray &image);

protected:
    void run() override;

private:
    int m_percent = 0;
    PortSettings m_settings;
};

} // namespace k510::link
