// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowBench.h"
#include "tests/ui/ScriptedDialogs.h"
#include "tools/samples/SampleDatabases.h"
#include "ui/TfrmMain.h"
#include "ui/lists/ReportList.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

// The commands on a selection in the window, on the full-capacity database
// (6000 TV channels) with TV group 1 emptied, each with the TV page brought
// up to date: a change of a filter condition, locking and unlocking all
// 6000 rows selected, adding 80 of them to group 1, and renaming 6000 by a
// suffix through the dialog (its preview made twice: when it opens and
// when the suffix is typed). Run with QT_QPA_PLATFORM=offscreen. Goals:
// 16 ms each; a preview within 100 ms and the change within 50 ms.

using namespace windowbench;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.k5d"));
    k510::ChannelDatabase db = k510::samples::fullCapacityDatabase();
    db.tvFavourites[0].clear();
    if (!writeImageFile(db, path))
        return 1;

    ScriptedDialogs dialogs;
    TfrmMain window(dialogs);
    window.show();
    settle();
    auto *pages = window.findChild<QTabWidget *>(QStringLiteral("Pages"));
    auto *tv = window.findChild<k510::ui::ReportList *>(QStringLiteral("lvTvCh"));
    auto *scrambled = window.findChild<QComboBox *>(QStringLiteral("TvFilterScrambled"));
    auto *locked = window.findChild<QComboBox *>(QStringLiteral("TvFilterLocked"));
    const auto action = [&](const char *name) { return window.findChild<QAction *>(QString::fromLatin1(name)); };

    constexpr int kRounds = 5;
    double filter = 0, lock = 0, unlock = 0, addEighty = 0, rename = 0;
    for (int round = 0; round < kRounds; ++round) {
        if (!window.openFile(path))
            return 1;
        pages->setCurrentIndex(TfrmMain::PageTv);
        settle();
        auto start = Clock::now();
        scrambled->setCurrentIndex(2);
        settle();
        locked->setCurrentIndex(2);
        settle();
        scrambled->setCurrentIndex(0);
        locked->setCurrentIndex(0);
        settle();
        filter += millisecondsSince(start) / 4;

        tv->selectAll();
        start = Clock::now();
        action("pmLock")->trigger();
        settle();
        lock += millisecondsSince(start);
        start = Clock::now();
        action("pmUnlock")->trigger();
        settle();
        unlock += millisecondsSince(start);

        std::vector<int> rows;
        for (int row = 100; row < 180; ++row)
            rows.push_back(row);
        tv->selectRows(rows);
        start = Clock::now();
        action("pmAddToGroup1")->trigger();
        settle();
        addEighty += millisecondsSince(start);
        if (window.database().tvFavourites[0].size() != 80)
            return 1;

        tv->selectAll();
        dialogs.dialogScript.push_back([](QDialog &dialog) {
            dialog.findChild<QLineEdit *>(QStringLiteral("leRenameAddSuffix"))->setText(QStringLiteral("+"));
            return true;
        });
        start = Clock::now();
        action("pmRename")->trigger();
        settle();
        rename += millisecondsSince(start);
        if (window.database().tvChannel(1)->nameText().back() != '+')
            return 1;
    }
    std::printf("change of a filter condition (6000 rows):  %6.2f ms  (goal < 16 ms)\n", filter / kRounds);
    std::printf("lock 6000 selected channels:               %6.2f ms  (goal < 16 ms)\n", lock / kRounds);
    std::printf("unlock 6000 selected channels:             %6.2f ms  (goal < 16 ms)\n", unlock / kRounds);
    std::printf("add 80 selected channels to a group:       %6.2f ms  (goal < 16 ms)\n", addEighty / kRounds);
    std::printf("rename 6000 by a suffix (two previews):    %6.2f ms  (goals: preview < 100 ms, change < 50 ms)\n", rename / kRounds);
    return 0;
}
