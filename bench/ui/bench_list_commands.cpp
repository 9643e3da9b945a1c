// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowBench.h"
#include "model/ImageWriter.h"
#include "tests/ui/ScriptedDialogs.h"
#include "tools/samples/SampleDatabases.h"
#include "ui/TfrmMain.h"
#include "ui/commands/DragCommands.h"
#include "ui/lists/ReportList.h"

#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

// The list commands on the full-capacity database (6000 TV channels, every
// favourite group full), each with the page brought up to date: purging the
// TV list, deleting 100 selected TV channels, one drop in the 6000-row TV
// list, opening the favourites selection dialog over 6000 channels,
// filtering the 6000 rows by two letters and clearing the filter, and one
// Ctrl+Down in the middle of the list; and a block of 500 selected
// channels moved by a drop, by Ctrl+Down and by "Переместить на позицию...".
// Run with QT_QPA_PLATFORM=offscreen. Goals: purge under 50 ms, the others
// under 16 ms.

using namespace windowbench;

namespace {

struct Figures {
    double purge = 0, deleteHundred = 0, drop = 0, selectionDialog = 0, filter = 0, unfilter = 0, keyMove = 0;
    double blockDrop = 0, blockKeyMove = 0, blockMoveTo = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.k5d"));
    if (!writeImageFile(k510::samples::fullCapacityDatabase(), path))
        return 1;

    ScriptedDialogs dialogs;   // each question's answer is scripted before it
    TfrmMain window(dialogs);
    window.show();
    settle();
    auto *pages = window.findChild<QTabWidget *>(QStringLiteral("Pages"));
    auto *tv = window.findChild<k510::ui::ReportList *>(QStringLiteral("lvTvCh"));
    auto *drags = window.findChild<k510::ui::DragCommands *>();
    const auto showTvPage = [&] {
        if (!window.openFile(path))
            std::exit(1);
        pages->setCurrentIndex(TfrmMain::PageTv);
        settle();
    };

    constexpr int kRounds = 5;
    Figures total;
    std::size_t purgedTo = 0;
    auto *find = window.findChild<QLineEdit *>(QStringLiteral("edTvFind"));
    for (int round = 0; round < kRounds; ++round) {
        showTvPage();
        auto start = Clock::now();
        find->setText(QStringLiteral("ка"));
        settle();
        total.filter += millisecondsSince(start);
        start = Clock::now();
        find->clear();
        settle();
        total.unfilter += millisecondsSince(start);

        // 500 rows, every fifth of rows 2000..4499, gathered by each move.
        const auto selectBlock = [&] {
            tv->clearSelection();
            QItemSelection rows;
            for (int row = 2000; row < 4500; row += 5)
                rows.select(tv->model()->index(row, 0), tv->model()->index(row, 0));
            tv->selectionModel()->select(rows, QItemSelectionModel::Select | QItemSelectionModel::Rows);
        };
        selectBlock();
        const QPoint top = tv->visualRect(tv->model()->index(tv->rowAt(10), 1)).center();
        start = Clock::now();
        drags->drop(*tv, top);
        settle();
        total.blockDrop += millisecondsSince(start);
        selectBlock();
        start = Clock::now();
        QTest::keyClick(tv, Qt::Key_Down, Qt::ControlModifier);
        settle();
        total.blockKeyMove += millisecondsSince(start);
        selectBlock();
        dialogs.dialogScript.push_back([](QDialog &dialog) {
            dialog.findChild<QLineEdit *>(QStringLiteral("lePosition"))->setText(QStringLiteral("100"));
            return true;
        });
        start = Clock::now();
        window.mmEditMoveToClick();
        settle();
        total.blockMoveTo += millisecondsSince(start);
        if (tv->selectedRowNumbers().size() != 500 || tv->firstSelectedRow() != 99)
            return 1;

        tv->selectOnly(3000);
        start = Clock::now();
        QTest::keyClick(tv, Qt::Key_Down, Qt::ControlModifier);
        settle();
        total.keyMove += millisecondsSince(start);
        if (tv->firstSelectedRow() != 3001)
            return 1;

        showTvPage();
        dialogs.answers = {true};   // purge them
        start = Clock::now();
        window.pmDelAllClick();
        settle();
        total.purge += millisecondsSince(start);
        purgedTo = window.database().tvOrder.size();

        showTvPage();
        tv->clearSelection();
        for (int row = 30; row < 6000; row += 60)
            tv->selectionModel()->select(tv->model()->index(row, 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
        dialogs.threeWayAnswers = {UserDialogs::Answer::Yes};   // favourites among them go too
        start = Clock::now();
        window.pmDeleteClick();
        settle();
        total.deleteHundred += millisecondsSince(start);
        if (window.database().tvOrder.size() != 5900)
            return 1;

        tv->selectOnly(2950);
        const QPoint target = tv->visualRect(tv->model()->index(tv->rowAt(10), 1)).center();
        start = Clock::now();
        drags->drop(*tv, target);
        settle();
        total.drop += millisecondsSince(start);

        pages->setCurrentIndex(TfrmMain::PageFavTv);
        settle();
        dialogs.dialogScript.push_back([](QDialog &) { return false; });
        start = Clock::now();
        window.pmAddClick();
        settle();
        total.selectionDialog += millisecondsSince(start);
    }
    std::printf("filter the 6000 TV rows by two letters:        %6.2f ms  (goal < 16 ms)\n", total.filter / kRounds);
    std::printf("clear the filter:                              %6.2f ms  (goal < 16 ms)\n", total.unfilter / kRounds);
    std::printf("Ctrl+Down in the middle of 6000 rows:          %6.2f ms  (goal < 16 ms)\n", total.keyMove / kRounds);
    std::printf("drop 500 selected rows near the top:           %6.2f ms  (goal < 16 ms)\n", total.blockDrop / kRounds);
    std::printf("Ctrl+Down with 500 selected rows:              %6.2f ms  (goal < 16 ms)\n", total.blockKeyMove / kRounds);
    std::printf("move 500 selected rows to position 100:        %6.2f ms  (goal < 16 ms)\n", total.blockMoveTo / kRounds);
    std::printf("purge the TV list (6000 -> %zu channels):       %6.2f ms  (goal < 50 ms)\n", purgedTo,
                total.purge / kRounds);
    std::printf("delete 100 selected TV channels:                %6.2f ms  (goal < 16 ms)\n",
                total.deleteHundred / kRounds);
    std::printf("one drop in the TV list (5900 rows):            %6.2f ms  (goal < 16 ms)\n", total.drop / kRounds);
    std::printf("open the favourites selection dialog (5900 rows): %6.2f ms  (goal < 16 ms)\n",
                total.selectionDialog / kRounds);
    return 0;
}
