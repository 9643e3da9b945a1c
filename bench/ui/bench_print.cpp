// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowBench.h"
#include "tests/ui/ScriptedDialogs.h"
#include "tools/samples/SampleDatabases.h"
#include "ui/TfrmMain.h"

#include <QAction>
#include <QDialog>
#include <QFileInfo>
#include <QPrintPreviewWidget>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

// The TV list of a full-capacity database (6000 channels) on paper: from
// "Экспорт в PDF..." to the file written, and from "Печать..." to the
// preview on the screen with its first page. Run with
// QT_QPA_PLATFORM=offscreen. Goals: the PDF under 2 s, the preview under 1 s.
// With a folder as argument the PDF is kept there as "tv-6000.pdf".

using namespace windowbench;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString image = dir.filePath(QStringLiteral("full.k5d"));
    const QString pdf = (argc > 1 ? QString::fromLocal8Bit(argv[1]) : dir.path()) + QStringLiteral("/tv-6000.pdf");
    if (!writeImageFile(k510::samples::fullCapacityDatabase(), image))
        return 1;

    ScriptedDialogs dialogs;
    TfrmMain window(dialogs);
    window.show();
    if (!window.openFile(image))
        return 1;
    window.findChild<QTabWidget *>(QStringLiteral("Pages"))->setCurrentIndex(TfrmMain::PageTv);
    settle();

    constexpr int kRounds = 3;
    double toPdf = 0, toPreview = 0;
    int previewPages = 0;
    for (int round = 0; round < kRounds; ++round) {
        dialogs.saveNames = {pdf};
        dialogs.answers = {true};   // replace the file of the round before
        Clock::time_point start = Clock::now();
        window.findChild<QAction *>(QStringLiteral("mmFileExportPdf"))->trigger();
        toPdf += millisecondsSince(start);

        start = Clock::now();
        dialogs.dialogScript.push_back([&](QDialog &preview) {
            preview.show();
            settle();
            toPreview += millisecondsSince(start);
            previewPages = preview.findChild<QPrintPreviewWidget *>()->pageCount();
            return false;
        });
        window.findChild<QAction *>(QStringLiteral("mmFilePrint"))->trigger();
    }
    if (!dialogs.errors.isEmpty() || !QFileInfo::exists(pdf))
        return 1;
    std::printf("6000 TV channels to PDF:        %7.1f ms  (goal < 2000 ms), %lld KiB\n", toPdf / kRounds,
                QFileInfo(pdf).size() / 1024);
    std::printf("Preview shown with its pages:   %7.1f ms  (goal < 1000 ms), %d pages\n", toPreview / kRounds,
                previewPages);
    return 0;
}
