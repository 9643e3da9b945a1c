// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowBench.h"
#include "model/ImageWriter.h"
#include "tests/ui/ListPoints.h"
#include "tests/ui/ScriptedDialogs.h"
#include "tools/samples/SampleDatabases.h"
#include "ui/TfrmMain.h"
#include "ui/commands/DragCommands.h"
#include "ui/commands/EditHistory.h"
#include "ui/lists/ReportList.h"

#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QUndoStack>

#include <functional>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>

// Undo and redo on the full-capacity database, with the TV page (6000 rows)
// shown: recording one step (a channel edit, the database compared and what
// changed kept), undoing it and redoing it, each with every page brought up
// to date; and the memory a full history of 100 steps takes, of moves and of
// channel edits. Run with QT_QPA_PLATFORM=offscreen. Goals: recording under
// 16 ms, undo and redo each under 5 ms, a full history under 10 MB.

using namespace windowbench;

namespace {

// The dialog of the next "Изменить" on a channel names it so.
void renameInNextDialog(ScriptedDialogs &dialogs, const QString &name)
{
    dialogs.dialogScript.push_back([name](QDialog &dialog) {
        dialog.findChild<QLineEdit *>(QStringLiteral("leName"))->setText(name);
        return true;
    });
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.k5d"));
    if (!writeImageFile(k510::samples::fullCapacityDatabase(), path))
        return 1;

    ScriptedDialogs dialogs;
    TfrmMain window(dialogs);
    window.show();
    if (!window.openFile(path))
        return 1;
    window.findChild<QTabWidget *>(QStringLiteral("Pages"))->setCurrentIndex(TfrmMain::PageTv);
    settle();
    auto *tv = window.findChild<k510::ui::ReportList *>(QStringLiteral("lvTvCh"));
    QUndoStack &stack = window.history().stack();

    constexpr int kRounds = 10;
    double record = 0, undo = 0, redo = 0;
    for (int round = 0; round < kRounds; ++round) {
        tv->selectOnly(3000);
        renameInNextDialog(dialogs, QStringLiteral("Канал %1").arg(round));
        auto start = Clock::now();
        window.pmChangeClick();
        settle();
        record += millisecondsSince(start);

        start = Clock::now();
        stack.undo();
        settle();
        undo += millisecondsSince(start);

        start = Clock::now();
        stack.redo();
        settle();
        redo += millisecondsSince(start);
    }
    std::printf("record one step (channel edit, 7377 channels): %6.2f ms  (goal < 16 ms)\n", record / kRounds);
    std::printf("undo it, every page up to date:                 %6.2f ms  (goal < 5 ms)\n", undo / kRounds);
    std::printf("redo it:                                        %6.2f ms  (goal < 5 ms)\n", redo / kRounds);

    // Full histories of the database as opened: what the steps keep.
    const auto megabytesOfSteps = [&](const char *kind, const std::function<void(int step)> &takeStep) {
        if (!window.openFile(path))
            std::exit(1);
        window.findChild<QTabWidget *>(QStringLiteral("Pages"))->setCurrentIndex(TfrmMain::PageTv);
        settle();
        const auto heapBefore = double(mallinfo2().uordblks);
        for (int step = 0; step < k510::ui::EditHistory::kStepLimit; ++step)
            takeStep(step);
        settle();
        const double megabytes = (double(mallinfo2().uordblks) - heapBefore) / (1024.0 * 1024.0);
        std::printf("memory of %d %-14s of the full database: %6.1f MB  (goal < 10 MB)\n", stack.count(), kind, megabytes);
    };
    auto *drags = window.findChild<k510::ui::DragCommands *>();
    megabytesOfSteps("moves", [&](int step) {
        tv->selectOnly(step + 1);
        drags->drop(*tv, centreOfRow(*tv, 0));
    });
    megabytesOfSteps("channel edits", [&](int step) {
        tv->selectOnly(step * 59 % 6000);
        renameInNextDialog(dialogs, QStringLiteral("Канал %1").arg(step));
        window.pmChangeClick();
    });
    return 0;
}
