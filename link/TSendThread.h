#pragma once

#include <QByteArray>
#include <QThread>

#include "PortSettings.h"

namespace k510::link {

// The worker of one send. It runs SendImage on its own copy of the image and
// knows nothing of the window: what must happen on the window thread is
// asked for through the signals below, which the window connects with
// Qt::BlockingQueuedConnection so that the worker waits until each has run
// (a widget can only be shown from the window thread). QThread::finished is
// the end notification. requestInterruption() ends a running send at the
// next block, without showing anything; only the editor's shut-down uses it.
class TSendThread : public QThread {
    Q_OBJECT
public:
    TSendThread(const QByteArray &image, PortSettings settings, QObject *parent = nullptr);

    // "Передача данных 45%".
    [[nodiscard]] static QString progressText(int percent);

signals:
    void ShowProgress(const QString &panel0Text);
    void ShowFailure(const QString &text);

protected:
    void run() override;

private:
    int m_percent = 0;
    QByteArray m_imageCopy;
    PortSettings m_settings;
};

} // namespace k510::link
