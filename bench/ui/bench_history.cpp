// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowBench.h"
#include "model/ImageWriter.h"
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

#include <malloc.h>

#include <cstdio>

// Undo and redo on the full-capacity database, with the TV page (6000 rows)
// shown: recording one step (a channel edit, the database compared and
// copied), undoing it and redoing it, each with every page brought up to
// date; and the memory a full history of 100 steps takes. Run with
// QT_QPA_PLATFORM=offscreen. Goal: each under 16 ms.

using namespace windowbench;

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
        dialogs.dialogScript.push_back([round](QDialog &dialog) {
            dialog.findChild<QLineEdit *>(QStringLiteral("leName"))->setText(QStringLiteral("Канал %1").arg(round));
            return true;
        });
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
    std::printf("undo it, every page up to date:                 %6.2f ms  (goal < 16 ms)\n", undo / kRounds);
    std::printf("redo it:                                        %6.2f ms  (goal < 16 ms)\n", redo / kRounds);

    // A full history: 100 moves, each a step holding its own database.
    if (!window.openFile(path))
        return 1;
    window.findChild<QTabWidget *>(QStringLiteral("Pages"))->setCurrentIndex(TfrmMain::PageTv);
    settle();
    auto *drags = window.findChild<k510::ui::DragCommands *>();
    const auto heapBefore = double(mallinfo2().uordblks);
    for (int step = 0; step < k510::ui::EditHistory::kStepLimit; ++step) {
        tv->selectOnly(step + 1);
        drags->drop(*tv, tv->visualRect(tv->model()->index(0, 1)).center());
    }
    settle();
    const double megabytes = (double(mallinfo2().uordblks) - heapBefore) / (1024.0 * 1024.0);
    std::printf("memory of %d steps of the full database:        %6.1f MB\n", stack.count(), megabytes);
    return 0;
}
