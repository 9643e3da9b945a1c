// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowBench.h"
#include "model/ImageWriter.h"
#include "tests/ui/ScriptedDialogs.h"
#include "tools/samples/SampleDatabases.h"
#include "ui/lists/ReportList.h"
#include "ui/TfrmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>

// Adds a TV channel to a database filled to the image's capacity (one TV
// channel short of it: 5999 TV and 1377 radio channels, so the add fits),
// with the TV page showing the chosen satellite, and edits a channel there.
// Each figure includes the refill and repaint that follow. Run with
// QT_QPA_PLATFORM=offscreen. Goal: each under 16 ms (one frame).

using namespace windowbench;

namespace {

bool fill(QDialog &dialog, std::initializer_list<std::pair<const char *, const char *>> texts)
{
    for (const auto &[name, text] : texts) {
        auto *edit = dialog.findChild<QLineEdit *>(QLatin1String(name));
        if (!edit)
            return false;
        edit->setText(QString::fromUtf8(text));
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("nearly-full.k5d"));
    {
        k510::ChannelDatabase db = k510::samples::fullCapacityDatabase();
        db.deleteTvChannel(int(db.tvOrder.size()));
        if (!writeImageFile(db, path))
            return 1;
    }

    ScriptedDialogs dialogs;
    TfrmMain window(dialogs);
    window.show();
    settle();
    auto *pages = window.findChild<QTabWidget *>(QStringLiteral("Pages"));
    auto *selector = window.findChild<QComboBox *>(QStringLiteral("cbTvSelectSat"));
    auto *tv = window.findChild<k510::ui::ReportList *>(QStringLiteral("lvTvCh"));

    constexpr int kRounds = 5;
    double add = 0, edit = 0;
    int rowsShown = 0;
    for (int round = 0; round < kRounds; ++round) {
        if (!window.openFile(path))
            return 1;
        pages->setCurrentIndex(TfrmMain::PageTv);
        selector->setCurrentIndex(1);
        emit selector->activated(1);
        settle();

        dialogs.dialogScript.push_back([](QDialog &dialog) {
            return fill(dialog, {{"leName", "Новый канал"}, {"leSIDInfo", "1001"}, {"lePMTInfo", "256"},
                                 {"leVPid", "257"}, {"leAPid", "258"}, {"lePcrInfo", "257"}});
        });
        auto start = Clock::now();
        window.pmAddClick();
        settle();
        add += millisecondsSince(start);
        if (window.database().channels.size() != 7377 || !dialogs.messages.isEmpty())
            return 1;
        rowsShown = tv->rowCount();

        tv->selectOnly(tv->rowCount() / 2);
        dialogs.dialogScript.push_back(
            [](QDialog &dialog) { return fill(dialog, {{"leName", "Переименован"}, {"leAPid", "0x1FF"}}); });
        start = Clock::now();
        window.pmChangeClick();
        settle();
        edit += millisecondsSince(start);
        if (!dialogs.messages.isEmpty())
            return 1;
    }
    std::printf("add a TV channel (5999 TV + 1377 radio), refill %d rows: %6.2f ms  (goal < 16 ms)\n", rowsShown,
                add / kRounds);
    std::printf("edit a channel on that page:                        %6.2f ms  (goal < 16 ms)\n", edit / kRounds);
    return 0;
}
