// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

#include "link/PortList.h"
#include "link/PortSettings.h"
#include "storage/SettingsFile.h"
#include "link/TReceiveThread.h"
#include "link/TSendThread.h"

class TdlgOptions;
class TransferHost;

// The "Связь" menu on the window's behalf: sending, receiving, the port
// settings dialog, and what closing the window means while a transfer runs.
// It owns the active port name and speed text and the port settings dialog,
// and reaches the window only through TransferHost. Every slot runs on the
// window thread; the workers wait in their blocking signals until the slot
// they asked for has run.
//
// Wiring: create it with the window once at start-up, connect N3, N4 and N7
// to N3Click, N4Click and N7Click, and in the window's close handler
// return early (ignoring the event) unless mayCloseNow(), then call
// writeSettingsOnClose().
class TransferController : public QObject {
    Q_OBJECT
public:
    // `ports` lists the serial ports for the dialog; the system's by default.
    explicit TransferController(TransferHost &host, QObject *parent = nullptr, k510::storage::SettingsFile settingsFile = {},
                                std::shared_ptr<const k510::link::PortLister> ports = {});
    // Running workers are asked to stop at their next block and waited for,
    // with nothing more shown: they never call into a window that is gone.
    ~TransferController() override;

    [[nodiscard]] const k510::link::PortSettings &portSettings() const { return m_portSettings; }
    [[nodiscard]] TdlgOptions &optionsDialog();
    [[nodiscard]] bool transferRunning() const { return !m_running.isEmpty(); }
    [[nodiscard]] k510::link::TSendThread *sendThread() const { return m_sendThread; }
    [[nodiscard]] k510::link::TReceiveThread *receiveThread() const { return m_receiveThread; }

    // While a transfer runs the user is asked whether the program should
    // close once it has ended. Yes hides the window, which closes by itself
    // (and ends the program) after the last transfer, or at once when the
    // transfers ended while the question was open; No keeps it open.
    // Answers whether the window may close now.
    [[nodiscard]] bool mayCloseNow();
    // "Port" and "Speed" from the active texts; -1 for a text not offered.
    void writeSettingsOnClose() const;

    // Sends these image bytes as "Отправить Настройки" sends the database's.
    void sendImage(const QByteArray &image);
    // Receives as "Получить Настройки" does, but hands the complete image to
    // `take` instead of the database, with no question before: `take` says
    // whether the editor could use it, as the hand-over does.
    void receiveInto(std::function<bool(const QByteArray &image)> take);

public slots:
    void N3Click();   // "Отправить Настройки"
    void N4Click();   // "Получить Настройки"
    void N7Click();   // "Настройки Порта"
    // The end of every transfer: "Готово", or "Ошибка передачи" after a
    // failure, so that panel 0 never calls a failed transfer done.
    void TransferDone(bool failed);

signals:
    // True when the first transfer starts, false when the last one has
    // ended, whatever its outcome: the window keeps a second one from
    // starting and shows progress meanwhile.
    void transferRunningChanged(bool running);
    // The percentage of the progress text just shown.
    void transferProgress(int percent);
    // A receive is complete: its image, before the editor takes it.
    void imageReceived(const QByteArray &image);
    // A send has ended, `completed` or not, with the image it sent.
    void sendEnded(const QByteArray &image, bool completed);

private:
    void ShowProgress(const QString &panel0Text);
    // The port settings "OK" made active.
    void portChosen(const k510::link::PortSettings &settings);
    void HandOverImage(k510::link::TransferThread *worker, const QByteArray &image,
                       const std::function<bool(const QByteArray &)> &take);
    void showFailure(k510::link::TransferThread *worker, const QString &text);
    void start(k510::link::TransferThread *worker);
    void workerFinished(k510::link::TransferThread *worker);
    // Whether a worker is still at work; its end may not have been announced yet.
    [[nodiscard]] bool anyWorkerAlive() const;

    TransferHost &m_host;
    k510::storage::SettingsFile m_settingsFile;
    k510::link::PortSettings m_portSettings;
    QPointer<TdlgOptions> m_options;
    QPointer<k510::link::TSendThread> m_sendThread;
    QPointer<k510::link::TReceiveThread> m_receiveThread;
    QList<k510::link::TransferThread *> m_running;
    // Receives whose image the editor refused (wrong size, unreadable).
    QList<k510::link::TransferThread *> m_refusedImages;
    bool m_closeWhenDone = false;
};

