// SPDX-License-Identifier: GPL-3.0-or-later
// The "Связь" menu of the real main window against k510-sim: the menu items
// reach the transfers, panel 0 tells how they went, and a failed or damaged
// receive leaves the database on every page, and the title, as they were.

#include <QAction>
#include <QFile>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>

#include "LinkTestSupport.h"
#include "tests/ui/EditingDatabase.h"
#include "tests/ui/EditorDriver.h"
#include "tools/k510-sim/SimProcess.h"
#include "ui/transfer/TransferController.h"

namespace {

// Four blocks: a complete transfer, but no database image. Empty when the
// file could not be written.
QString fourBlockImage(const QTemporaryDir &scratch)
{
    const QString image = scratch.filePath(QStringLiteral("small.bin"));
    QFile file(image);
    if (!file.open(QIODevice::WriteOnly) || file.write(linktest::everyByteImage(4)) < 0)
        return {};
    return image;
}

} // namespace

class WindowTransfersTest : public QObject {
    Q_OBJECT

private slots:
    void menuItems_data()
    {
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("caption");
        QTest::newRow("send") << "N3" << "&Отправить Настройки";
        QTest::newRow("receive") << "N4" << "&Получить Настройки";
        QTest::newRow("port settings") << "N7" << "&Настройки Порта";
        QTest::newRow("verify") << "mmLinkVerify" << "&Сверить с ресивером";
        QTest::newRow("history") << "mmLinkHistory" << "&История обмена...";
        QTest::newRow("compare with a file") << "mmFileCompare" << "Сра&внить с...";
    }
    void menuItems()
    {
        QFETCH(QString, objectName);
        EditorDriver editor;
        const auto *action = editor.window().findChild<QAction *>(objectName);
        QVERIFY(action);
        QTEST(action->text(), "caption");
    }

    void menuWaitsForTheRunningTransfer_data()
    {
        QTest::addColumn<QStringList>("simArguments");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("panel0");
        QTest::newRow("failed send") << QStringList{"--fault", "silent"} << "N3" << "Ошибка передачи";
        QTest::newRow("complete receive of a four-block image") << QStringList{"--image", "four blocks"} << "N4"
                                                                << "Ошибка передачи";
    }
    void menuWaitsForTheRunningTransfer()
    {
        // While a transfer holds the port, neither transfer can be started
        // again nor the port changed; a bar beside panel 0 shows it runs.
        QFETCH(QStringList, simArguments);
        QFETCH(QString, command);
        QTemporaryDir scratch;
        const QString image = fourBlockImage(scratch);
        QVERIFY(!image.isEmpty());
        simArguments.replaceInStrings(QStringLiteral("four blocks"), image);
        SimProcess sim(simArguments);
        QVERIFY(sim.isReady());
        qputenv("K510_COM1", sim.devicePath().toLocal8Bit());
        EditorDriver editor;
        editor.open(k510::samples::demoDatabase());
        const auto menuItemsEnabled = [&editor] {
            QList<bool> enabled;
            for (const char *name : {"N3", "N4", "N7"})
                enabled << editor.window().findChild<QAction *>(QLatin1String(name))->isEnabled();
            return enabled;
        };
        const auto *bar = editor.window().findChild<QProgressBar *>(QStringLiteral("sbTransferProgress"));
        QVERIFY(bar);
        QCOMPARE(menuItemsEnabled(), (QList<bool>{true, true, true}));
        QVERIFY(bar->isHidden());

        editor.window().findChild<QAction *>(command)->trigger();
        QVERIFY(editor.window().transfers().transferRunning());
        QCOMPARE(menuItemsEnabled(), (QList<bool>{false, false, false}));
        QVERIFY(!bar->isHidden());

        QTRY_VERIFY_WITH_TIMEOUT(!editor.window().transfers().transferRunning(), 5000);
        QTEST(editor.statusPanel(0), "panel0");
        QCOMPARE(menuItemsEnabled(), (QList<bool>{true, true, true}));
        QVERIFY(bar->isHidden());
    }

    void sendToASilentReceiverReportsNoLink()
    {
        SimProcess sim({"--fault", "silent"});
        QVERIFY(sim.isReady());
        qputenv("K510_COM1", sim.devicePath().toLocal8Bit());
        EditorDriver editor;
        editor.open(k510::samples::demoDatabase());

        editor.window().findChild<QAction *>(QStringLiteral("N3"))->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!editor.window().transfers().transferRunning(), 5000);
        QCOMPARE(editor.dialogs().errors, QStringList{"Отправка настроек: Нет связи с ресивером!"});
        QCOMPARE(editor.statusPanel(0), QStringLiteral("Ошибка передачи"));
    }

    void receiveOfAWrongSizedImageKeepsTheDatabase()
    {
        // Four blocks are a complete transfer but no database image.
        QTemporaryDir scratch;
        const QString image = fourBlockImage(scratch);
        QVERIFY(!image.isEmpty());
        SimProcess sim({"--image", image});
        QVERIFY(sim.isReady());
        qputenv("K510_COM1", sim.devicePath().toLocal8Bit());

        EditorDriver editor;
        editor.open(k510::samples::demoDatabase());
        const QString title = editor.title();
        editor.clickTab(TfrmMain::PageTv);
        const QStringList tvNames = EditorDriver::column(editor.list("lvTvCh"), 1);

        editor.window().findChild<QAction *>(QStringLiteral("N4"))->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!editor.window().transfers().transferRunning(), 5000);

        QCOMPARE(editor.dialogs().messages,
                 QStringList{"Загрузка файла: Ошибка, файл имеет не тот размер!"});
        QVERIFY(editor.dialogs().errors.isEmpty());
        // Refused, so not "Готово": the editor has nothing to show for it.
        QCOMPARE(editor.statusPanel(0), QStringLiteral("Ошибка передачи"));
        QCOMPARE(editor.window().database().channels.size(), std::size_t(58));
        QCOMPARE(EditorDriver::column(editor.list("lvTvCh"), 1), tvNames);
        QCOMPARE(editor.title(), title);
    }

    void damagedReceiveKeepsTheDatabase_data()
    {
        QTest::addColumn<QStringList>("simArguments");
        QTest::addColumn<QString>("error");
        QTest::newRow("block CRCs wrong")
            << QStringList{"--fault", "scrambled"}
            << "Получение настроек: Ошибка контрольной суммы в блоке 0: данные повреждены при передаче. Повторите приём.";
        QTest::newRow("two blocks swapped")
            << QStringList{"--fault", "swapped", "--at", "7"}
            << "Получение настроек: Блок 8 пришёл вместо блока 7: данные повреждены при передаче. Повторите приём.";
    }
    void damagedReceiveKeepsTheDatabase()
    {
        QFETCH(QStringList, simArguments);
        QFETCH(QString, error);
        SimProcess sim(simArguments);   // the demo database
        QVERIFY(sim.isReady());
        qputenv("K510_COM1", sim.devicePath().toLocal8Bit());
        EditorDriver editor;
        editor.open(editingDatabase());
        const QString title = editor.title();
        const auto before = k510::writeImage(editor.window().database()).image;
        editor.clickTab(TfrmMain::PageTv);
        const QStringList tvNames = EditorDriver::column(editor.list("lvTvCh"), 1);

        editor.window().findChild<QAction *>(QStringLiteral("N4"))->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!editor.window().transfers().transferRunning(), 5000);

        QCOMPARE(editor.dialogs().errors, QStringList{error});
        QVERIFY(editor.dialogs().messages.isEmpty());
        QCOMPARE(editor.statusPanel(0), QStringLiteral("Ошибка передачи"));
        QVERIFY(k510::writeImage(editor.window().database()).image == before);
        QCOMPARE(EditorDriver::column(editor.list("lvTvCh"), 1), tvNames);
        QCOMPARE(editor.title(), title);
    }
};

QTEST_MAIN(WindowTransfersTest)
#include "tst_windowtransfers.moc"
