// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCloseEvent>
#include <QStringList>
#include <QWidget>

#include "model/ImageReader.h"
#include "ui/UserDialogs.h"
#include "ui/transfer/TransferController.h"
#include "ui/transfer/TransferHost.h"

// A window for the transfer controller: it keeps a database, logs every
// status text, message, error and question in one list in the order they
// came, and answers questions from a script.
class FakeTransferHost : public TransferHost, public UserDialogs {
public:
    k510::ChannelDatabase db;
    QStringList log;            // "status: ...", "message: ...", "error: ...", "question: ..."
    QList<bool> answers;        // the next Yes/No answers; No when empty
    // Runs while a question is open, as the window's event loop would.
    std::function<void()> whileAsking;
    // Transfer failures are closed at once unless the test keeps them open.
    bool keepFailuresOpen = false;
    bool dropChanges = true;   // the editor's changes may be replaced by a receive
    std::vector<std::function<void()>> openFailures;
    QString remembered;   // the port kept in the editor's own settings

    // Closes as the main window does: asks the controller first.
    class Window : public QWidget {
    public:
        TransferController *controller = nullptr;
        int closes = 0;

    protected:
        void closeEvent(QCloseEvent *event) override
        {
            if (controller && !controller->mayCloseNow()) {
                event->ignore();
                return;
            }
            if (controller)
                controller->writeSettingsOnClose();
            ++closes;
            event->accept();
        }
    } windowWidget;

    [[nodiscard]] QStringList entries(const QString &kind) const
    {
        QStringList found;
        for (const QString &entry : log)
            if (entry.startsWith(kind + QStringLiteral(": ")))
                found.append(entry.mid(kind.size() + 2));
        return found;
    }

    const k510::ChannelDatabase &database() const override { return db; }
    void setTransferStatus(const QString &text) override { log.append(QStringLiteral("status: ") + text); }
    bool loadReceivedImage(const QByteArray &image) override
    {
        k510::ReadResult result =
            k510::readImage({reinterpret_cast<const std::uint8_t *>(image.constData()), std::size_t(image.size())});
        if (!result.ok()) {
            showMessage(QString::fromStdString(result.error));
            return false;
        }
        db = std::move(*result.database);
        return true;
    }
    UserDialogs &dialogs() override { return *this; }
    QWidget *window() override { return &windowWidget; }
    QString rememberedPort() const override { return remembered; }
    void rememberPort(const QString &systemName) override { remembered = systemName; }

    void showMessage(const QString &text) override { log.append(QStringLiteral("message: ") + text); }
    void showError(const QString &text) override { log.append(QStringLiteral("error: ") + text); }
    void showTransferFailure(const QString &text, std::function<void()> closed) override
    {
        log.append(QStringLiteral("error: ") + text);
        if (keepFailuresOpen)
            openFailures.push_back(std::move(closed));
        else
            closed();
    }
    using UserDialogs::askYesNo;
    bool askYesNo(const QString &text, DefaultAnswer) override
    {
        log.append(QStringLiteral("question: ") + text);
        if (whileAsking)
            whileAsking();
        return !answers.isEmpty() && answers.takeFirst();
    }
    bool runDialog(QDialog &) override { return false; }
    using UserDialogs::askYesNoCancel;
    Answer askYesNoCancel(const QString &text, Answer) override
    {
        log.append(QStringLiteral("question: ") + text);
        return Answer::Cancel;
    }
    bool mayDropChanges() override { return dropChanges; }
    QString openFileName(QWidget *, const FileDialogOptions &) override { return {}; }
    FileChoice saveFileChoice(QWidget *, const FileDialogOptions &) override { return {}; }
};
