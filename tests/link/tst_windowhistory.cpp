// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer history and the comparisons in the real main window against
// k510-sim: the copies a receive and a send keep, a history folder that
// cannot be written, the buttons of "История обмена...", "Сравнить с..."
// and "Сверить с ресивером", equal and altered, with the comparison window
// showing the model's diff and selecting a channel it names.

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "LinkTestSupport.h"
#include "tests/ui/EditingDatabase.h"
#include "tests/ui/EditorDriver.h"
#include "tools/k510-sim/SimProcess.h"
#include "ui/dialogs/ComparisonWindow.h"
#include "ui/lists/ModelStrings.h"
#include "ui/transfer/HistoryCommands.h"
#include "ui/transfer/HistoryDialog.h"
#include "ui/transfer/TransferController.h"

using k510::storage::HistoryCopy;
using k510::storage::TransferHistory;
using k510::storage::TransferKind;
using k510::ui::ComparisonSection;
using k510::ui::ComparisonWindow;

namespace {

QByteArray imageBytesOf(const k510::ChannelDatabase &db)
{
    const auto written = k510::writeImage(db);
    return QByteArray(reinterpret_cast<const char *>(written.image.data()), qsizetype(written.image.size()));
}

k510::ChannelDatabase databaseOf(const QByteArray &image)
{
    return *k510::readImage({reinterpret_cast<const std::uint8_t *>(image.constData()), std::size_t(image.size())})
                .database;
}

// The history the editor keeps: EditorDriver puts its data folder in its scratch folder.
TransferHistory historyOf(EditorDriver &editor)
{
    return TransferHistory(editor.path(QStringLiteral("data/k510/history")));
}

void trigger(EditorDriver &editor, const char *action)
{
    editor.window().findChild<QAction *>(QLatin1String(action))->trigger();
}

void waitForTransfers(EditorDriver &editor)
{
    QTRY_VERIFY_WITH_TIMEOUT(!editor.window().transfers().transferRunning(), 60000);
}

// What the comparison window's tree shows, "title: count" then each line.
QStringList shownLines(ComparisonWindow *window)
{
    QStringList shown;
    const auto *tree = window->findChild<QTreeWidget *>(QStringLiteral("tvDifferences"));
    for (int s = 0; s < tree->topLevelItemCount(); ++s) {
        shown << tree->topLevelItem(s)->text(0);
        for (int l = 0; l < tree->topLevelItem(s)->childCount(); ++l)
            shown << tree->topLevelItem(s)->child(l)->text(0);
    }
    return shown;
}

// The same from the model's diff of the open database with `other`.
QStringList expectedLines(const k510::ChannelDatabase &open, const k510::ChannelDatabase &other)
{
    const auto sections = k510::ui::comparisonSections(k510::diffDatabases(open, other), open);
    if (sections.empty())
        return {QStringLiteral("Нет различий")};
    QStringList lines;
    for (const ComparisonSection &section : sections) {
        lines << QStringLiteral("%1: %2").arg(section.title).arg(section.lines.size());
        for (const auto &line : section.lines)
            lines << line.text;
    }
    return lines;
}

ComparisonWindow *comparisonOf(EditorDriver &editor)
{
    return editor.window().transferHistory().comparisonWindow();
}

// A database like the editing one, with its first TV channel renamed and
// given another video PID.
k510::ChannelDatabase editedDatabase()
{
    k510::ChannelDatabase db = editingDatabase();
    k510::Channel *first = db.tvChannel(db.tvOrder.front());
    first->setName("Renamed");
    first->videoPid = std::uint16_t(first->videoPid + 1);
    return db;
}

} // namespace

class WindowHistoryTest : public QObject {
    Q_OBJECT

private slots:
    void aReceiveKeepsItsImage()
    {
        SimProcess sim;   // holds the demo database
        QVERIFY(sim.isReady());
        qputenv("K510_COM1", sim.devicePath().toLocal8Bit());
        EditorDriver editor;
        const QString file = editor.writeImageFile(editingDatabase());
        editor.openThroughMenu(file);

        trigger(editor, "N4");
        waitForTransfers(editor);
        const std::vector<HistoryCopy> copies = historyOf(editor).copies();
        QCOMPARE(copies.size(), std::size_t(1));
        QCOMPARE(copies.front().kind, TransferKind::Received);
        QVERIFY(QFileInfo(copies.front().imagePath).fileName().endsWith(QStringLiteral("_received.k5d")));
        QCOMPARE(copies.front().openFile, file);
        QCOMPARE(fileBytes(copies.front().imagePath), linktest::demoImage());
        QCOMPARE(copies.front().tvChannels, int(k510::samples::demoDatabase().tvOrder.size()));
    }

    void aSendKeepsItsImageAndTheReceiverHoldsIt()
    {
        // The one full send: the copy is what went out, and "Сверить с
        // ресивером" then finds the receiver holding exactly that.
        SimProcess sim;
        QVERIFY(sim.isReady());
        qputenv("K510_COM1", sim.devicePath().toLocal8Bit());
        EditorDriver editor;
        editor.open(editingDatabase());
        renameFirstTvChannel(editor);   // sent as it is now, unsaved

        trigger(editor, "N3");
        waitForTransfers(editor);
        std::vector<HistoryCopy> copies = historyOf(editor).copies();
        QCOMPARE(copies.size(), std::size_t(1));
        QCOMPARE(copies.front().kind, TransferKind::Sent);
        QCOMPARE(fileBytes(copies.front().imagePath), imageBytesOf(editor.window().database()));

        const QByteArray before = imageBytesOf(editor.window().database());
        trigger(editor, "mmLinkVerify");
        waitForTransfers(editor);
        QVERIFY(editor.dialogs().questions.isEmpty());
        QCOMPARE(shownLines(comparisonOf(editor)), QStringList{"Нет различий"});
        QCOMPARE(imageBytesOf(editor.window().database()), before);
        QVERIFY(editor.title().endsWith('*'));
        // What the receiver gave back is kept too.
        copies = historyOf(editor).copies();
        QCOMPARE(copies.size(), std::size_t(2));
        QCOMPARE(copies.front().kind, TransferKind::Received);
        QCOMPARE(fileBytes(copies.front().imagePath), before);
    }

    void verifyShowsWhatTheReceiverHoldsOtherwise()
    {
        // A receiver that gives back its database altered: the window shows
        // the model's diff of the open database with what came, and a line
        // of it selects the channel it names.
        SimProcess sim({"--fault", "alter"});
        QVERIFY(sim.isReady());
        qputenv("K510_COM1", sim.devicePath().toLocal8Bit());
        EditorDriver editor;
        editor.open(k510::samples::demoDatabase());
        const QString title = editor.title();

        trigger(editor, "mmLinkVerify");
        waitForTransfers(editor);
        QCOMPARE(editor.statusPanel(0), QStringLiteral("Готово"));
        QCOMPARE(editor.title(), title);
        QCOMPARE(imageBytesOf(editor.window().database()), linktest::demoImage());
        const std::vector<HistoryCopy> copies = historyOf(editor).copies();
        QCOMPARE(copies.size(), std::size_t(1));
        const k510::ChannelDatabase received = databaseOf(fileBytes(copies.front().imagePath));
        ComparisonWindow *window = comparisonOf(editor);
        QVERIFY(window && window->isVisible());
        QCOMPARE(shownLines(window), expectedLines(editor.window().database(), received));
        QCOMPARE(window->findChild<QLabel *>(QStringLiteral("lbCompareTitle"))->text(),
                 QStringLiteral("Что в ресивере иначе, чем в открытой базе:"));
        QCOMPARE(window->sections().size(), std::size_t(1));
        QCOMPARE(window->sections().front().title, QStringLiteral("Изменённые каналы"));

        auto *tree = window->findChild<QTreeWidget *>(QStringLiteral("tvDifferences"));
        QTreeWidgetItem *line = tree->topLevelItem(0)->child(0);
        tree->scrollToItem(line);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(line).center());
        const k510::ChannelDatabase &db = editor.window().database();
        QCOMPARE(editor.window().findChild<QTabWidget *>()->currentIndex(), int(TfrmMain::PageTv));
        const auto rows = EditorDriver::selectedRows(editor.list("lvTvCh"));
        QCOMPARE(rows.size(), std::size_t(1));
        QCOMPARE(EditorDriver::column(editor.list("lvTvCh"), 1).value(rows.front()),
                 k510::ui::fromWindows1251(db.tvChannel(db.tvOrder.front())->nameText()));
    }

    void historyButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("row");
        QTest::addColumn<QList<bool>>("answers");
        QTest::newRow("open") << "btnOpen" << 1 << QList<bool>{};
        QTest::newRow("compare") << "btnCompare" << 1 << QList<bool>{};
        QTest::newRow("send, yes") << "btnSend" << 1 << QList<bool>{true};
        QTest::newRow("send, no") << "btnSend" << 1 << QList<bool>{false};
        QTest::newRow("show folder") << "btnShowFolder" << 0 << QList<bool>{};
    }
    void historyButtons()
    {
        QFETCH(QString, button);
        QFETCH(int, row);
        QFETCH(QList<bool>, answers);
        SimProcess sim({"--fault", "silent"});   // a send breaks off at once
        QVERIFY(sim.isReady());
        qputenv("K510_COM1", sim.devicePath().toLocal8Bit());
        EditorDriver editor;
        const QString file = editor.writeImageFile(editingDatabase());
        editor.openThroughMenu(file);
        const TransferHistory history = historyOf(editor);
        const QDateTime older(QDate(2026, 12, 1), QTime(9, 30, 5));
        QVERIFY(history.keep(linktest::demoImage(), TransferKind::Received, {}, older).stored);
        QVERIFY(history.keep(imageBytesOf(editedDatabase()), TransferKind::SendBroken, file, older.addDays(1)).stored);

        QStringList rowTexts;
        QString folderOpened;
        editor.window().transferHistory().setFolderOpener([&](const QString &folder) { folderOpened = folder; });
        editor.dialogs().answers = answers;
        editor.dialogs().dialogScript.push_back([&](QDialog &dialog) {
            auto *list = dialog.findChild<QTreeWidget *>(QStringLiteral("lvHistory"));
            for (int r = 0; r < list->topLevelItemCount(); ++r)
                for (int c = 0; c < list->columnCount(); ++c)
                    rowTexts << list->topLevelItem(r)->text(c);
            list->setCurrentItem(list->topLevelItem(row));
            dialog.findChild<QPushButton *>(button)->click();
            return dialog.result() == QDialog::Accepted;
        });
        trigger(editor, "mmLinkHistory");

        const k510::ChannelDatabase demo = k510::samples::demoDatabase();
        const k510::ChannelDatabase edited = editedDatabase();
        const auto count = [](std::size_t n) { return QString::number(n); };
        QCOMPARE(rowTexts, (QStringList{"02.12.2026 09:30:05", "прервано", count(edited.satellites.size()),
                                        count(edited.transponders.size()), count(edited.tvOrder.size()),
                                        count(edited.radioOrder.size()), QDir::toNativeSeparators(file),
                                        "01.12.2026 09:30:05", "получено", count(demo.satellites.size()),
                                        count(demo.transponders.size()), count(demo.tvOrder.size()),
                                        count(demo.radioOrder.size()), QString()}));
        if (button == "btnOpen") {
            // As a received database: in no file yet, and unsaved.
            QCOMPARE(imageBytesOf(editor.window().database()), linktest::demoImage());
            QCOMPARE(editor.title(), windowTitleFor() + '*');
        } else {
            QCOMPARE(imageBytesOf(editor.window().database()), imageBytesOf(editingDatabase()));
        }
        QCOMPARE(comparisonOf(editor) != nullptr, button == "btnCompare");
        if (button == "btnCompare")
            QCOMPARE(shownLines(comparisonOf(editor)), expectedLines(editingDatabase(), demo));
        QCOMPARE(folderOpened, button == "btnShowFolder" ? history.folder() : QString());
        if (button == "btnSend") {
            QCOMPARE(editor.dialogs().questions,
                     QStringList{"Отправить в ресивер копию от 01.12.2026 09:30:05? Его база каналов будет заменена ею."});
            QCOMPARE(editor.dialogs().questionDefaults, QList<UserDialogs::DefaultAnswer>{UserDialogs::DefaultAnswer::No});
        }
        waitForTransfers(editor);
        // The copy went out (and broke off): it is kept again as such.
        const std::vector<HistoryCopy> copies = history.copies();
        const bool sent = answers == QList<bool>{true};
        QCOMPARE(copies.size(), std::size_t(sent ? 3 : 2));
        QCOMPARE(editor.dialogs().errors, sent ? QStringList{"Отправка настроек: Нет связи с ресивером!"} : QStringList());
        if (sent) {
            QCOMPARE(copies.front().kind, TransferKind::SendBroken);
            QCOMPARE(fileBytes(copies.front().imagePath), linktest::demoImage());
        }
    }

    void aHistoryThatCannotBeWrittenIsSaidOnce()
    {
        SimProcess sim({"--fault", "silent"});
        QVERIFY(sim.isReady());
        qputenv("K510_COM1", sim.devicePath().toLocal8Bit());
        EditorDriver editor;
        editor.open(editingDatabase());
        // The data folder is a file: no history folder can be made in it.
        const QString blocker = editor.path(QStringLiteral("blocker"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        qputenv("XDG_DATA_HOME", blocker.toLocal8Bit());
        auto *statusBar = editor.window().statusBar();

        for (int send = 0; send < 2; ++send) {
            statusBar->clearMessage();
            trigger(editor, "N3");
            waitForTransfers(editor);
            QTest::qWait(10);
            // The transfer itself ends as it would have.
            QCOMPARE(editor.dialogs().errors.size(), qsizetype(send + 1));
            QCOMPARE(editor.statusPanel(0), QStringLiteral("Ошибка передачи"));
            if (send == 0)
                QVERIFY2(statusBar->currentMessage().startsWith(QStringLiteral("Копия обмена не сохранена в «")),
                         qPrintable(statusBar->currentMessage()));
            else
                QCOMPARE(statusBar->currentMessage(), QString());
        }
        QVERIFY(editor.dialogs().messages.isEmpty());
    }

    void compareWithAFile_data()
    {
        QTest::addColumn<QString>("chosen");   // the file named in the open dialog
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("an edited copy") << "edited.k5d" << QStringList{};
        QTest::newRow("the same database") << "same.k5d" << QStringList{};
        QTest::newRow("no database") << "short.k5d"
                                     << QStringList{"Загрузка файла: Ошибка, файл имеет не тот размер!"};
        QTest::newRow("cancelled") << "" << QStringList{};
    }
    void compareWithAFile()
    {
        QFETCH(QString, chosen);
        EditorDriver editor;
        editor.open(editingDatabase());
        const QByteArray opened = imageBytesOf(editor.window().database());
        editor.writeImageFile(editedDatabase(), QStringLiteral("edited.k5d"));
        editor.writeImageFile(editingDatabase(), QStringLiteral("same.k5d"));
        QFile shortFile(editor.path(QStringLiteral("short.k5d")));
        QVERIFY(shortFile.open(QIODevice::WriteOnly) && shortFile.write(QByteArray(1000, '\0')) == 1000);
        shortFile.close();
        if (!chosen.isEmpty())
            editor.dialogs().openNames = QStringList{editor.path(chosen)};

        trigger(editor, "mmFileCompare");
        QTEST(editor.dialogs().messages, "messages");
        QCOMPARE(imageBytesOf(editor.window().database()), opened);
        ComparisonWindow *window = comparisonOf(editor);
        QCOMPARE(window != nullptr, chosen == "edited.k5d" || chosen == "same.k5d");
        if (!window)
            return;
        const k510::ChannelDatabase other = databaseOf(fileBytes(editor.path(chosen)));
        QCOMPARE(shownLines(window), expectedLines(editor.window().database(), other));
        QCOMPARE(window->findChild<QLabel *>(QStringLiteral("lbCompareTitle"))->text(),
                 QStringLiteral("Что в файле «%1» иначе, чем в открытой базе:").arg(chosen));
        if (chosen == "edited.k5d") {
            QCOMPARE(window->sections().size(), std::size_t(2));
            QCOMPARE(window->sections()[0].title, QStringLiteral("Переименованные каналы"));
            QCOMPARE(window->sections()[1].title, QStringLiteral("Изменённые каналы"));
        }
    }
};

QTEST_MAIN(WindowHistoryTest)
#include "tst_windowhistory.moc"
