// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSemaphore>
#include <QThread>

#include <atomic>

namespace k510::link {

// What the send and receive workers share: they know nothing of the window
// and ask for what must happen on the window thread through signals.
// ShowProgress is connected with Qt::BlockingQueuedConnection, so the worker
// waits until the text is shown. ShowFailure is connected queued: the window
// shows the failure without blocking itself and calls failureClosed() when
// the user has closed it; until then the worker waits, with the port still
// open. requestInterruption() ends a transfer at its next block without
// showing anything; only the editor's shut-down uses it, and it calls
// failureClosed() as well so that no worker waits for a box that is gone.
class TransferThread : public QThread {
    Q_OBJECT
public:
    using QThread::QThread;

    // Lets a worker that waits in its failure go on. Any thread may call it.
    void failureClosed() { m_failureClosed.release(); }
    // Whether the transfer ended in a failure; final once the thread has finished.
    [[nodiscard]] bool failed() const { return m_failed; }

signals:
    void ShowProgress(const QString &panel0Text);
    void ShowFailure(const QString &text);

protected:
    // Announces the failure and waits until it has been closed.
    void reportFailure(const QString &text)
    {
        m_failed = true;
        if (isInterruptionRequested())
            return;
        emit ShowFailure(text);
        m_failureClosed.acquire();
    }

private:
    QSemaphore m_failureClosed;
    std::atomic<bool> m_failed = false;
};

} // namespace k510::link
