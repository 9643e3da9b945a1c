#pragma once

#include <QByteArray>
#include <QThread>

#include "PortSettings.h"

namespace k510::link {

// The worker of one receive: runs ReceiveImage and hands the complete image
// over. Like TSendThread it reaches the window only through its signals,
// connected with Qt::BlockingQueuedConnection; HandOverImage in particular
// must have run before the closing tokens go out. requestInterruption() ends
// a running receive at the next block, without showing or handing over
// anything; only the editor's shut-down uses it.
class TReceiveThread : public QThread {
    Q_OBJECT
public:
    explicit TReceiveThread(PortSettings settings, QObject *parent = nullptr);

    // "Прием данных 45%".
    [[nodiscard]] static QString progressText(int percent);

signals:
    void ShowProgress(const QString &panel0Text);
    void HandOverImage(const QByteArray &image);
    void ShowFailure(const QString &text);

protected:
    void run() override;

private:
    int m_percent = 0;
    PortSettings m_settings;
};

} // namespace k510::link
