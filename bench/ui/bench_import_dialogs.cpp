// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowBench.h"
#include "bench/model/ThreeMegabyteList.h"
#include "tests/ui/ScriptedDialogs.h"
#include "tools/samples/SampleDatabases.h"
#include "ui/TfrmMain.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

// From the menu item to its dialog shown, filled and painted: "Добавить из
// другой базы..." with a full-capacity source (6000 TV and 1377 radio
// channels listed), and "Транспондеры из списка satellites.xml..." with a
// list of 3 MB. The demo database is open. Run with QT_QPA_PLATFORM=offscreen.
// Goal: each under 300 ms.

using namespace windowbench;

namespace {

// Runs the menu item with `file` chosen and answers its dialog with
// "Отмена" once it is on the screen; the milliseconds that took.
double timeDialog(TfrmMain &window, ScriptedDialogs &dialogs, const char *item, const QString &file)
{
    const Clock::time_point start = Clock::now();
    double shown = -1;
    dialogs.openNames = {file};
    dialogs.dialogScript.push_back([&](QDialog &dialog) {
        dialog.show();
        settle();
        shown = millisecondsSince(start);
        dialog.hide();
        return false;
    });
    window.findChild<QAction *>(QLatin1String(item))->trigger();
    settle();
    return shown;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString demo = dir.filePath(QStringLiteral("demo.k5d"));
    const QString source = dir.filePath(QStringLiteral("full.k5d"));
    const QString list = dir.filePath(QStringLiteral("satellites.xml"));
    QFile xml(list);
    if (!writeImageFile(k510::samples::demoDatabase(), demo) || !writeImageFile(k510::samples::fullCapacityDatabase(), source)
        || !xml.open(QIODevice::WriteOnly) || xml.write(threeMegabyteList()) <= 0)
        return 1;
    xml.close();

    ScriptedDialogs dialogs;
    TfrmMain window(dialogs);
    window.show();
    if (!window.openFile(demo))
        return 1;
    settle();

    constexpr int kRounds = 5;
    double import = 0, satellites = 0;
    for (int round = 0; round < kRounds; ++round) {
        const double importShown = timeDialog(window, dialogs, "mmEditImport", source);
        const double listShown = timeDialog(window, dialogs, "mmEditSatellitesXml", list);
        if (importShown < 0 || listShown < 0)
            return 1;
        import += importShown;
        satellites += listShown;
    }
    std::printf("\"Добавить из другой базы...\", 7377 channels listed:   %7.1f ms  (goal < 300 ms)\n", import / kRounds);
    std::printf("\"Транспондеры из списка satellites.xml...\", 3 MB list: %7.1f ms  (goal < 300 ms)\n",
                satellites / kRounds);
    return 0;
}
