// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryCommands.h"

#include "HistoryDialog.h"
#include "TransferController.h"
#include "model/ImageReader.h"
#include "ui/UserDialogs.h"
#include "ui/commands/DatabaseFiles.h"
#include "ui/commands/FileMessages.h"
#include "ui/dialogs/ComparisonWindow.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace k510::ui {

namespace {

std::span<const std::uint8_t> bytesOf(const QByteArray &data)
{
    return {reinterpret_cast<const std::uint8_t *>(data.constData()), std::size_t(data.size())};
}

QString whereCopy(const storage::HistoryCopy &copy)
{
    return QStringLiteral("в копии от %1").arg(HistoryDialog::timeText(copy.when));
}

} // namespace

HistoryCommands::HistoryCommands(HistoryTargets targets, QObject *parent)
    : QObject(parent)
    , m(std::move(targets))
    , m_openFolder([](const QString &folder) { QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); })
{
    connect(&m.transfers, &TransferController::imageReceived, this,
            [this](const QByteArray &image) { keep(image, storage::TransferKind::Received); });
    connect(&m.transfers, &TransferController::sendEnded, this, [this](const QByteArray &image, bool completed) {
        keep(image, completed ? storage::TransferKind::Sent : storage::TransferKind::SendBroken);
    });
}

HistoryCommands::~HistoryCommands() = default;

ComparisonWindow *HistoryCommands::comparisonWindow() const
{
    return m_comparison;
}

void HistoryCommands::keep(const QByteArray &image, storage::TransferKind kind)
{
    // Never stops the transfer: a copy that cannot be kept is only said.
    const storage::KeptCopy kept = storage::TransferHistory().keep(image, kind, m.openFile());
    if (!kept.problem.isEmpty())
        m.reportProblem(kept.problem);
}

void HistoryCommands::mmLinkHistoryClick()
{
    const storage::TransferHistory history;
    HistoryDialog dialog(&m.window, history.copies());
    connect(&dialog, &HistoryDialog::showFolderRequested, this, [this, &history] {
        QDir().mkpath(history.folder());
        m_openFolder(history.folder());
    });
    if (!m.dialogs.runDialog(dialog) || !dialog.choice())
        return;
    const HistoryDialog::Choice choice = *dialog.choice();
    const storage::HistoryCopy &copy = dialog.copies()[choice.copy];
    QString problem;
    const std::optional<QByteArray> image = storage::TransferHistory::readCopy(copy, &problem);
    if (!image) {
        showFileProblem(m.dialogs, problem);
        return;
    }
    switch (choice.action) {
    case HistoryDialog::Action::Open: openCopy(*image); break;
    case HistoryDialog::Action::Compare:
        if (const auto other = databaseOf(*image))
            showComparison(*other, whereCopy(copy));
        break;
    case HistoryDialog::Action::Send: sendCopy(*image, copy); break;
    }
}

void HistoryCommands::openCopy(const QByteArray &image)
{
    if (m.mayDropChanges())
        m.loadReceivedImage(bytesOf(image));
}

void HistoryCommands::sendCopy(const QByteArray &image, const storage::HistoryCopy &copy)
{
    // Only a database the editor would open goes to the receiver.
    if (!databaseOf(image))
        return;
    const QString question = QStringLiteral("Отправить в ресивер копию от %1? Его база каналов будет заменена ею.")
                                 .arg(HistoryDialog::timeText(copy.when));
    if (m.dialogs.askYesNo(question, UserDialogs::DefaultAnswer::No))
        m.transfers.sendImage(image);
}

void HistoryCommands::mmFileCompareClick()
{
    const auto file = chooseAndReadDatabase(m.dialogs, &m.window, m.lastFolder());
    if (!file)
        return;
    if (const auto other = databaseOf(file->bytes))
        showComparison(*other, QStringLiteral("в файле «%1»").arg(QFileInfo(file->path).fileName()));
}

void HistoryCommands::mmLinkVerifyClick()
{
    // Nothing replaces the open database: the received one is only compared.
    m.transfers.receiveInto([this](const QByteArray &image) {
        const auto received = databaseOf(image);
        if (received)
            showComparison(*received, QStringLiteral("в ресивере"));
        return received.has_value();
    });
}

std::optional<ChannelDatabase> HistoryCommands::databaseOf(const QByteArray &image)
{
    ReadResult read = readImage(bytesOf(image));
    if (!read.ok()) {
        showFileProblem(m.dialogs, QString::fromStdString(read.error));
        return std::nullopt;
    }
    return std::move(read.database);
}

void HistoryCommands::showComparison(const ChannelDatabase &other, const QString &whereOther)
{
    if (!m_comparison)
        m_comparison = new ComparisonWindow(&m.window, [this](const ComparedChannel &compared) { selectCompared(compared); });
    m_comparison->showComparison(m.database, other, whereOther);
}

void HistoryCommands::selectCompared(const ComparedChannel &compared)
{
    // The window shows the comparison as it was made; the database may
    // have changed since.
    const Channel *channel = m.database.channel(compared.kind, compared.number);
    if (!channel || referenceChannelOf(m.database, *channel) != compared.channel) {
        m.showNote(QStringLiteral("Этого канала уже нет под тем же номером: база изменилась после сравнения."));
        return;
    }
    m.selectChannel(compared.kind, compared.number);
}

} // namespace k510::ui
