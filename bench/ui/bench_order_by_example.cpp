// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowBench.h"
#include "tests/ui/ScriptedDialogs.h"
#include "tools/samples/SampleDatabases.h"
#include "ui/TfrmMain.h"
#include "ui/commands/EditHistory.h"
#include "ui/lists/ReportList.h"

#include <QAction>
#include <QTabWidget>
#include <QUndoStack>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

// "Упорядочить по образцу..." on the full-capacity database after a rescan
// (6000 TV channels, a tenth of them new, a tenth gone, transponders 1 MHz
// higher, order shuffled), with the old database as the reference: reading
// it, planning, applying and showing the TV page again, the summary dialog
// answered at once. Run with QT_QPA_PLATFORM=offscreen. Goal: under 100 ms.

using namespace windowbench;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const k510::ChannelDatabase before = k510::samples::fullCapacityDatabase();
    const QString reference = dir.filePath(QStringLiteral("before.k5d"));
    const QString rescanned = dir.filePath(QStringLiteral("after.k5d"));
    if (!writeImageFile(before, reference) || !writeImageFile(k510::samples::rescannedDatabase(before, 510), rescanned))
        return 1;

    ScriptedDialogs dialogs;
    TfrmMain window(dialogs);
    window.show();
    settle();
    auto *pages = window.findChild<QTabWidget *>(QStringLiteral("Pages"));
    auto *orderByExample = window.findChild<QAction *>(QStringLiteral("mmEditOrderByExample"));
    auto *tv = window.findChild<k510::ui::ReportList *>(QStringLiteral("lvTvCh"));

    constexpr int kRounds = 9;
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        if (!window.openFile(rescanned))
            return 1;
        pages->setCurrentIndex(TfrmMain::PageTv);
        settle();
        dialogs.openNames << reference;
        dialogs.dialogScript.push_back([](QDialog &) { return true; });
        const auto start = Clock::now();
        orderByExample->trigger();
        settle();
        times.push_back(millisecondsSince(start));
        if (window.history().stack().count() != 1 || tv->rowCount() != window.database().tvCount())
            return 1;
    }
    std::sort(times.begin(), times.end());
    std::printf("order by example, full database, TV page shown: %.1f ms median of %d (goal: under 100 ms)\n",
                times[times.size() / 2], kRounds);
    return 0;
}
