// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include "PortSettings.h"
#include "TransferThread.h"

namespace k510::link {

// The worker of one send: runs SendImage on its own copy of the image, so
// the database stays free for editing. QThread::finished is the end
// notification; progress and failures go through TransferThread's signals.
class TSendThread : public TransferThread {
    Q_OBJECT
public:
    TSendThread(const QByteArray &image, PortSettings settings, QObject *parent = nullptr);

    // The bytes it sends; they never change, so any thread may read them.
    [[nodiscard]] const QByteArray &image() const { return m_imageCopy; }

    // "Передача данных 45%".
    [[nodiscard]] static QString progressText(int percent);

protected:
    void run() override;

private:
    int m_percent = 0;
    QByteArray m_imageCopy;
    PortSettings m_settings;
};

} // namespace k510::link
