// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransferController.h"

#include "TdlgOptions.h"
#include "TransferHost.h"
#include "link/PortNames.h"
#include "model/ImageWriter.h"
#include "ui/UserDialogs.h"

#include <QCoreApplication>
#include <QWidget>

#include <algorithm>
#include <new>

using k510::link::TReceiveThread;
using k510::link::TSendThread;
using k510::link::TransferThread;

namespace {

const char *const kDone = "Готово";
const char *const kFailed = "Ошибка передачи";
const char *const kSendNoMemory = "Отправка настроек: Невозможно выделить память для файла!";
const char *const kSendNoThread = "Отправка настроек: Невозможно создать поток для передачи данных!";
const char *const kReceiveNoThread = "Прием настроек: Невозможно создать поток для передачи данных!";
constexpr unsigned long kShutdownPollMs = 20;
const char *const kCloseWhileRunning = "Идет обмен данными с ресивером. Закрыть программу после его завершения?";

// The percentage at the end of a progress text, "Прием данных 45%".
int percentIn(const QString &progressText)
{
    const QString last = progressText.section(QLatin1Char(' '), -1);
    return last.endsWith(QLatin1Char('%')) ? last.chopped(1).toInt() : 0;
}

// COM1..COM4 live in "k510.ini"; any other port is remembered by name.
bool isExtraPort(const QString &portName)
{
    return !portName.isEmpty() && !k510::link::isNumberedPort(portName);
}

} // namespace

TransferController::TransferController(TransferHost &host, QObject *parent, k510::storage::SettingsFile settingsFile,
                                       std::shared_ptr<const k510::link::PortLister> ports)
    : QObject(parent)
    , m_host(host)
    , m_settingsFile(std::move(settingsFile))
    , m_options(new TdlgOptions(m_settingsFile, host.window(), host.rememberedPort(), std::move(ports)))
{
    m_portSettings = m_options->shownSettings();
    connect(m_options, &TdlgOptions::settingsStored, this, &TransferController::portChosen);
    connect(m_options, &TdlgOptions::settingsNotWritten, this,
            [this](const QString &problem) { m_host.reportSettingsProblem(problem); });
    if (!m_options->loadProblem().isEmpty())
        m_host.reportSettingsProblem(m_options->loadProblem());
}

TransferController::~TransferController()
{
    for (TransferThread *worker : std::as_const(m_running)) {
        disconnect(worker, nullptr, this, nullptr);
        worker->requestInterruption();
        worker->failureClosed();
    }
    // A worker blocked in a signal to this object is released when its
    // pending call is dropped; one that was just posting it is caught by the
    // next round. After that nothing of ours is called again.
    for (TransferThread *worker : std::as_const(m_running)) {
        do
            QCoreApplication::removePostedEvents(this);
        while (!worker->wait(kShutdownPollMs));
    }
}

TdlgOptions &TransferController::optionsDialog()
{
    return *m_options;
}

void TransferController::N3Click()
{
    if (m_host.database().satellites.empty())
        return;
    try {
        const k510::WriteResult written = k510::writeImage(m_host.database());
        if (!written.ok()) {
            m_host.dialogs().showError(QString::fromStdString(written.error));
            return;
        }
        QByteArray image;
        try {
            image = QByteArray(reinterpret_cast<const char *>(written.image.data()), qsizetype(written.image.size()));
        } catch (const std::bad_alloc &) {
            m_host.dialogs().showError(QString::fromUtf8(kSendNoMemory));
            return;
        }
        sendImage(image);
    } catch (const std::bad_alloc &) {
        m_host.dialogs().showError(QString::fromUtf8(kSendNoThread));
    }
}

void TransferController::sendImage(const QByteArray &image)
{
    try {
        auto *worker = new TSendThread(image, m_portSettings, this);
        m_sendThread = worker;
        connect(worker, &TSendThread::ShowProgress, this, &TransferController::ShowProgress,
                Qt::BlockingQueuedConnection);
        connect(worker, &TSendThread::ShowFailure, this,
                [this, worker](const QString &text) { showFailure(worker, text); });
        start(worker);
    } catch (const std::bad_alloc &) {
        m_host.dialogs().showError(QString::fromUtf8(kSendNoThread));
    }
}

void TransferController::N4Click()
{
    if (!m_host.mayDropChanges())
        return;
    receiveInto([this](const QByteArray &image) { return m_host.loadReceivedImage(image); });
}

void TransferController::receiveInto(std::function<bool(const QByteArray &image)> take)
{
    try {
        auto *worker = new TReceiveThread(m_portSettings, this);
        m_receiveThread = worker;
        connect(worker, &TReceiveThread::ShowProgress, this, &TransferController::ShowProgress,
                Qt::BlockingQueuedConnection);
        connect(
            worker, &TReceiveThread::HandOverImage, this,
            [this, worker, take = std::move(take)](const QByteArray &image) { HandOverImage(worker, image, take); },
            Qt::BlockingQueuedConnection);
        connect(worker, &TReceiveThread::ShowFailure, this,
                [this, worker](const QString &text) { showFailure(worker, text); });
        start(worker);
    } catch (const std::bad_alloc &) {
        m_host.dialogs().showError(QString::fromUtf8(kReceiveNoThread));
    }
}

void TransferController::N7Click()
{
    // Window-modal without a nested event loop: the result is not used,
    // "OK" itself makes the settings active.
    m_options->open();
}

void TransferController::TransferDone(bool failed)
{
    m_host.setTransferStatus(QString::fromUtf8(failed ? kFailed : kDone));
}

bool TransferController::mayCloseNow()
{
    if (!anyWorkerAlive())
        return true;
    if (m_closeWhenDone)
        return false;
    const bool closeWhenDone = m_host.dialogs().askYesNo(QString::fromUtf8(kCloseWhileRunning));
    // A transfer to a receiver that is switched off ends within a second, so
    // it may well have ended while the question was open.
    if (!closeWhenDone || !anyWorkerAlive())
        return closeWhenDone;
    m_closeWhenDone = true;
    m_host.window()->hide();
    return false;
}

bool TransferController::anyWorkerAlive() const
{
    return std::any_of(m_running.cbegin(), m_running.cend(),
                       [](const TransferThread *worker) { return !worker->isFinished(); });
}

void TransferController::writeSettingsOnClose() const
{
    const k510::storage::SettingsPositions positions = k510::link::positionsOf(m_portSettings);
    if (isExtraPort(m_portSettings.portName))
        m_settingsFile.storeSpeed(positions.speed);
    else
        m_settingsFile.store(positions);
}

void TransferController::portChosen(const k510::link::PortSettings &settings)
{
    m_portSettings = settings;
    m_host.rememberPort(isExtraPort(settings.portName) ? settings.portName : QString());
}

void TransferController::ShowProgress(const QString &panel0Text)
{
    m_host.setTransferStatus(panel0Text);
    emit transferProgress(percentIn(panel0Text));
}

void TransferController::HandOverImage(TransferThread *worker, const QByteArray &image,
                                       const std::function<bool(const QByteArray &)> &take)
{
    emit imageReceived(image);
    // The line worked, but the editor has nothing to show for it: its own
    // message said why, and panel 0 must not call that done.
    if (!take(image))
        m_refusedImages.append(worker);
}

void TransferController::showFailure(TransferThread *worker, const QString &text)
{
    // The worker lives until it has ended, and it cannot end before the box
    // is closed, except when the editor goes away: then the guard is empty.
    m_host.dialogs().showTransferFailure(text, [guard = QPointer<TransferThread>(worker)] {
        if (guard)
            guard->failureClosed();
    });
}

void TransferController::start(TransferThread *worker)
{
    // The worker is released once it has ended, never while it runs; the
    // window keeps a reference only to the latest of each kind.
    connect(worker, &QThread::finished, this, [this, worker] { workerFinished(worker); });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    m_running.append(worker);
    if (m_running.size() == 1)
        emit transferRunningChanged(true);
    worker->start();
}

void TransferController::workerFinished(TransferThread *worker)
{
    m_running.removeOne(worker);
    if (const auto *send = qobject_cast<TSendThread *>(worker))
        emit sendEnded(send->image(), !send->failed());
    TransferDone(worker->failed() || m_refusedImages.removeAll(worker) > 0);
    if (m_running.isEmpty())
        emit transferRunningChanged(false);
    if (m_closeWhenDone && m_running.isEmpty()) {
        m_closeWhenDone = false;
        // A hidden window's close does not end the program by itself.
        if (m_host.window()->close())
            QCoreApplication::quit();
    }
}

