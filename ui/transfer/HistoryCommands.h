// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"
#include "storage/TransferHistory.h"
#include "ui/dialogs/ComparisonSections.h"

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <span>

class QWidget;
class TransferController;
class UserDialogs;

namespace k510::ui {

class ComparisonWindow;

// What the history commands need of the main window.
struct HistoryTargets {
    const ChannelDatabase &database;
    UserDialogs &dialogs;
    TransferController &transfers;
    QWidget &window;
    std::function<QString()> openFile;   // the file the window has open; empty for none
    std::function<QString()> lastFolder;  // where the open dialog starts
    std::function<bool()> mayDropChanges;
    // Loads an image as a received one: in no file yet.
    std::function<bool(std::span<const std::uint8_t>)> loadReceivedImage;
    // Selects that channel of the open database on its TV or radio page.
    std::function<void(ChannelKind kind, int number)> selectChannel;
    std::function<void(const QString &)> showNote;
    // Said once in the status bar: the history cannot be written.
    std::function<void(const QString &)> reportProblem;
};

// The transfer history and the comparisons on the window's behalf: a copy
// of every complete receive and every send is kept as the controller
// announces them; "Связь" > "История обмена..." lists the copies,
// "Файл" > "Сравнить с..." and "Связь" > "Сверить с ресивером" show the
// comparison window. The history folder is looked up at each use.
class HistoryCommands : public QObject {
    Q_OBJECT
public:
    HistoryCommands(HistoryTargets targets, QObject *parent);
    ~HistoryCommands() override;

    // "Показать папку" opens the folder in the system's file manager; tests
    // put something else in its place.
    void setFolderOpener(std::function<void(const QString &folder)> opener) { m_openFolder = std::move(opener); }
    // The comparison window, once one has been shown.
    [[nodiscard]] ComparisonWindow *comparisonWindow() const;

public slots:
    void mmLinkHistoryClick();   // "История обмена..."
    void mmFileCompareClick();   // "Сравнить с..."
    void mmLinkVerifyClick();    // "Сверить с ресивером"

private:
    void keep(const QByteArray &image, storage::TransferKind kind);
    // The database in `image`, or nothing with the reader's refusal shown.
    [[nodiscard]] std::optional<ChannelDatabase> databaseOf(const QByteArray &image);
    void showComparison(const ChannelDatabase &other, const QString &whereOther);
    void selectCompared(const ComparedChannel &compared);
    void openCopy(const QByteArray &image);
    void sendCopy(const QByteArray &image, const storage::HistoryCopy &copy);

    HistoryTargets m;
    std::function<void(const QString &)> m_openFolder;
    QPointer<ComparisonWindow> m_comparison;
};

} // namespace k510::ui
