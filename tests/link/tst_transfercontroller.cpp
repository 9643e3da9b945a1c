// SPDX-License-Identifier: GPL-3.0-or-later
// The "Связь" commands through the controller and its worker threads,
// against k510-sim: status panel 0, failure boxes, the hand-over of a
// received image, a held port, and closing the window during a transfer.

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QTest>

#include "FakeTransferHost.h"
#include "LinkTestSupport.h"
#include "SimProcess.h"
#include "link/SerialPort.h"
#include "tools/samples/DatabaseBuilder.h"
#include "tools/samples/SampleDatabases.h"

using namespace linktest;

namespace {

QByteArray imageOf(const k510::ChannelDatabase &db)
{
    const auto written = k510::writeImage(db);
    return QByteArray(reinterpret_cast<const char *>(written.image.data()), qsizetype(written.image.size()));
}

// A small database that differs from the demo one.
k510::ChannelDatabase otherDatabase()
{
    k510::samples::DatabaseBuilder builder;
    const int sat = builder.addSatellite({.name = "Astra 19.2E", .lnbLowMhz = 9750, .lnbHighMhz = 10600});
    const int tp = builder.addTransponder(sat, 11494, 'H', 22000, 5);
    builder.addTv(tp, {.name = "Das Erste", .serviceId = 28106, .videoPid = 101, .audioPid = 102});
    return builder.build();
}

} // namespace

class TransferControllerTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void sendWithoutSatellitesDoesNothing();
    void sendShowsProgressThenItsFailureThenDone();
    void sendToSilentReceiver();
    void completeReceiveReplacesTheDatabase();
    void receiveOfWrongSizeKeepsTheDatabase();
    void failedReceivesKeepTheDatabase_data();
    void failedReceivesKeepTheDatabase();
    void settingsChooseThePort();
    void secondTransferOnTheSamePortFailsToOpen();
    void closingDuringATransferWaitsForIt();
    void closingWhenTheTransferEndedDuringTheQuestion_data();
    void closingWhenTheTransferEndedDuringTheQuestion();
    void theWorkerWaitsUntilItsFailureIsClosed();
    void destroyingTheControllerReleasesThePort();

private:
    void pointCom1At(const SimProcess &sim);
    QString writeImage(const QByteArray &image);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TransferControllerTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", m_dir->path().toLocal8Bit());   // no k510.ini: COM1 at 115200
}

void TransferControllerTest::pointCom1At(const SimProcess &sim)
{
    qputenv("K510_COM1", sim.devicePath().toLocal8Bit());
}

QString TransferControllerTest::writeImage(const QByteArray &image)
{
    const QString path = m_dir->filePath(QStringLiteral("sim-image.bin"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size())
        return {};
    return path;
}

void TransferControllerTest::sendWithoutSatellitesDoesNothing()
{
    FakeTransferHost host;
    TransferController controller(host);
    controller.N3Click();
    QVERIFY(!controller.transferRunning());
    QCOMPARE(controller.sendThread(), nullptr);
    QTest::qWait(50);
    QCOMPARE(host.log, QStringList());
}

void TransferControllerTest::sendShowsProgressThenItsFailureThenDone()
{
    // The reply to block 3's header comes too late.
    SimProcess sim({"--fault", "slow", "--at", "3", "--delay", "700"});
    QVERIFY(sim.isReady());
    pointCom1At(sim);
    FakeTransferHost host;
    host.db = k510::samples::demoDatabase();
    TransferController controller(host);

    controller.N3Click();
    QVERIFY(controller.transferRunning());
    QTRY_VERIFY_WITH_TIMEOUT(!controller.transferRunning(), 5000);

    QCOMPARE(host.log, (QStringList{"status: Передача данных 0%", "status: Передача данных 0%",
                                    "status: Передача данных 0%",
                                    "error: Отправка настроек: Ресивер не ответил вовремя! Проверьте кабель, выбранный порт и скорость.",
                                    "status: Ошибка передачи"}));
}

void TransferControllerTest::sendToSilentReceiver()
{
    SimProcess sim({"--fault", "silent"});
    QVERIFY(sim.isReady());
    pointCom1At(sim);
    FakeTransferHost host;
    host.db = k510::samples::demoDatabase();
    TransferController controller(host);

    QElapsedTimer clock;
    clock.start();
    controller.N3Click();
    QTRY_VERIFY(!host.entries("error").isEmpty());
    QVERIFY(clock.elapsed() >= 500);
    QTRY_VERIFY(!controller.transferRunning());
    QCOMPARE(host.log, (QStringList{"error: Отправка настроек: Нет связи с ресивером!", "status: Ошибка передачи"}));
}

void TransferControllerTest::completeReceiveReplacesTheDatabase()
{
    // The one full-size receive: 1152 blocks of the demo database.
    SimProcess sim;
    QVERIFY(sim.isReady());
    pointCom1At(sim);
    FakeTransferHost host;
    host.db = otherDatabase();
    TransferController controller(host);
    QSignalSpy running(&controller, &TransferController::transferRunningChanged);
    QSignalSpy progress(&controller, &TransferController::transferProgress);

    controller.N4Click();
    QTRY_VERIFY_WITH_TIMEOUT(!controller.transferRunning(), 30000);

    // Running from the start to the end of the success, the bar following
    // the progress texts.
    QCOMPARE(running, (QList<QVariantList>{{true}, {false}}));
    QList<int> percents;
    for (const QVariantList &arguments : std::as_const(progress))
        percents << arguments.value(0).toInt();
    QCOMPARE(percents, expectedProgress(1152));
    QStringList expected;
    for (const int percent : expectedProgress(1152))
        expected << QStringLiteral("status: Прием данных %1%").arg(percent);
    expected << QStringLiteral("status: Готово");
    QCOMPARE(host.log, expected);
    QCOMPARE(imageOf(host.db), imageOf(k510::samples::demoDatabase()));
}

void TransferControllerTest::receiveOfWrongSizeKeepsTheDatabase()
{
    const QString record = m_dir->filePath(QStringLiteral("record.bin"));
    SimProcess sim({"--image", writeImage(everyByteImage(3)), "--record", record});
    QVERIFY(sim.isReady());
    pointCom1At(sim);
    FakeTransferHost host;
    host.db = otherDatabase();
    TransferController controller(host);

    controller.N4Click();
    QTRY_VERIFY(!controller.transferRunning());

    QCOMPARE(host.log, (QStringList{"status: Прием данных 0%", "status: Прием данных 33%", "status: Прием данных 66%",
                                    "message: Загрузка файла: Ошибка, файл имеет не тот размер!", "status: Ошибка передачи"}));
    QCOMPARE(imageOf(host.db), imageOf(otherDatabase()));
    // The closing tokens still went out.
    QTRY_COMPARE(readFile(record), receiveWire(3));
}

void TransferControllerTest::failedReceivesKeepTheDatabase_data()
{
    QTest::addColumn<QStringList>("simArguments");
    QTest::addColumn<QStringList>("log");
    QTest::newRow("silent") << QStringList{"--fault", "silent"}
                            << QStringList{"error: Получение настроек: Нет связи с ресивером!", "status: Ошибка передачи"};
    QTest::newRow("bad header") << QStringList{"--fault", "bad-tag"}
                                << QStringList{"error: Получение настроек: Неправильный заголовок пакета!",
                                               "status: Ошибка передачи"};
    QTest::newRow("oversized block")
        << QStringList{"--fault", "oversize", "--at", "1"}
        << QStringList{"status: Прием данных 0%",
                       "error: Получение настроек: Размер данных при приеме/передаче не совпадает с требуемым!",
                       "status: Ошибка передачи"};
}

void TransferControllerTest::failedReceivesKeepTheDatabase()
{
    QFETCH(QStringList, simArguments);
    QFETCH(QStringList, log);
    SimProcess sim(simArguments);
    QVERIFY(sim.isReady());
    pointCom1At(sim);
    FakeTransferHost host;
    host.db = otherDatabase();
    TransferController controller(host);

    controller.N4Click();
    QTRY_VERIFY(!controller.transferRunning());
    QCOMPARE(host.log, log);
    QCOMPARE(imageOf(host.db), imageOf(otherDatabase()));
}

void TransferControllerTest::settingsChooseThePort()
{
    // "Port" 3 and "Speed" 3: the receive runs on COM4 at 31200.
    SimProcess sim({"--image", writeImage(everyByteImage(1))});
    QVERIFY(sim.isReady());
    qunsetenv("K510_COM1");
    qputenv("K510_COM4", sim.devicePath().toLocal8Bit());
    QFile ini(m_dir->filePath(QStringLiteral("k510.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Comm]\nPort=3\nSpeed=3\n");
    ini.close();
    FakeTransferHost host;
    TransferController controller(host);
    QCOMPARE(controller.portSettings().portName, QStringLiteral("COM4"));
    QCOMPARE(controller.portSettings().speedText, QStringLiteral("31200"));

    controller.N4Click();
    QTRY_VERIFY(!controller.transferRunning());
    qunsetenv("K510_COM4");
    // The line worked; the one-block image is then refused for its size.
    QCOMPARE(host.entries("status"), (QStringList{"Прием данных 0%", "Ошибка передачи"}));
}

void TransferControllerTest::secondTransferOnTheSamePortFailsToOpen()
{
    SimProcess sim;
    QVERIFY(sim.isReady());
    pointCom1At(sim);
    FakeTransferHost host;
    host.db = k510::samples::demoDatabase();
    auto controller = std::make_unique<TransferController>(host);

    controller->N3Click();
    QTRY_VERIFY(!host.entries("status").isEmpty());   // the send holds the port
    controller->N4Click();
    QTRY_COMPARE(host.entries("error"),
                 QStringList{"Получение настроек: Невозможно открыть порт!\nCOM1 (" + sim.devicePath()
                             + "): занят другой программой"});
    QTRY_VERIFY(host.log.contains("status: Ошибка передачи"));   // the receive has ended...
    QVERIFY(controller->transferRunning());             // ...while the send goes on
    QCOMPARE(controller->receiveThread(), nullptr);     // and was released
    QVERIFY(controller->sendThread() != nullptr);
}

void TransferControllerTest::closingDuringATransferWaitsForIt()
{
    SimProcess sim({"--fault", "silent"});
    QVERIFY(sim.isReady());
    pointCom1At(sim);
    FakeTransferHost host;
    TransferController controller(host);
    host.windowWidget.controller = &controller;
    host.windowWidget.show();

    controller.N4Click();
    host.answers = {false};
    QVERIFY(!host.windowWidget.close());
    QVERIFY(host.windowWidget.isVisible());
    const QString question = QStringLiteral("Идет обмен данными с ресивером. Закрыть программу после его завершения?");
    QCOMPARE(host.entries("question"), QStringList{question});

    host.answers = {true};
    QVERIFY(!host.windowWidget.close());
    QVERIFY(!host.windowWidget.isVisible());
    QCOMPARE(host.windowWidget.closes, 0);

    // The receive fails after its time-out, shows why, and then the window
    // closes by itself, writing the settings file.
    QTRY_COMPARE(host.windowWidget.closes, 1);
    QCOMPARE(host.log.mid(2), (QStringList{"error: Получение настроек: Нет связи с ресивером!", "status: Ошибка передачи"}));
    QVERIFY(QFile::exists(m_dir->filePath(QStringLiteral("k510.ini"))));
}

void TransferControllerTest::closingWhenTheTransferEndedDuringTheQuestion_data()
{
    QTest::addColumn<QStringList>("simArguments");
    QTest::addColumn<bool>("send");
    QTest::addColumn<bool>("fails");
    // A receive of three blocks completes within a moment; a send to a
    // switched-off receiver fails within half a second.
    QTest::newRow("completed") << QStringList{"--image", "SMALL"} << false << false;
    QTest::newRow("failed, box closed first") << QStringList{"--fault", "silent"} << true << true;
}

void TransferControllerTest::closingWhenTheTransferEndedDuringTheQuestion()
{
    QFETCH(QStringList, simArguments);
    QFETCH(bool, send);
    QFETCH(bool, fails);
    simArguments.replaceInStrings(QStringLiteral("SMALL"), writeImage(everyByteImage(3)));
    SimProcess sim(simArguments);
    QVERIFY(sim.isReady());
    pointCom1At(sim);
    FakeTransferHost host;
    host.db = k510::samples::demoDatabase();
    host.keepFailuresOpen = true;
    TransferController controller(host);
    host.windowWidget.controller = &controller;
    host.windowWidget.show();

    send ? controller.N3Click() : controller.N4Click();
    QVERIFY(controller.transferRunning());
    bool endedWhileAsking = false;
    host.whileAsking = [&] {
        // While the user reads the question the transfer ends; a failure's
        // box is closed first.
        if (fails) {
            QVERIFY(QTest::qWaitFor([&] { return !host.openFailures.empty(); }, 5000));
            host.openFailures.front()();
        }
        endedWhileAsking = QTest::qWaitFor([&] { return !controller.transferRunning(); }, 5000);
    };
    host.answers = {true};

    QVERIFY(host.windowWidget.close());
    QVERIFY(endedWhileAsking);
    QCOMPARE(host.windowWidget.closes, 1);
    QVERIFY(QFile::exists(m_dir->filePath(QStringLiteral("k510.ini"))));
}

void TransferControllerTest::theWorkerWaitsUntilItsFailureIsClosed()
{
    SimProcess sim({"--fault", "silent"});
    QVERIFY(sim.isReady());
    pointCom1At(sim);
    FakeTransferHost host;
    host.db = k510::samples::demoDatabase();
    host.keepFailuresOpen = true;
    TransferController controller(host);

    controller.N3Click();
    QTRY_COMPARE(host.openFailures.size(), std::size_t(1));
    // The window thread goes on (this test runs on it), the transfer has not
    // ended and still holds the port.
    QTest::qWait(300);
    QVERIFY(controller.transferRunning());
    QCOMPARE(host.entries("status"), QStringList());
    k510::link::SerialPort port;
    QVERIFY(!port.Open(sim.devicePath()));

    host.openFailures.front()();
    QTRY_VERIFY(!controller.transferRunning());
    QCOMPARE(host.log, (QStringList{"error: Отправка настроек: Нет связи с ресивером!", "status: Ошибка передачи"}));
    QVERIFY(port.Open(sim.devicePath()));
}

void TransferControllerTest::destroyingTheControllerReleasesThePort()
{
    SimProcess sim;
    QVERIFY(sim.isReady());
    pointCom1At(sim);
    FakeTransferHost host;
    host.db = k510::samples::demoDatabase();
    auto controller = std::make_unique<TransferController>(host);
    controller->N3Click();
    QTRY_VERIFY(!host.entries("status").isEmpty());

    QElapsedTimer clock;
    clock.start();
    controller.reset();
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    const QStringList logAtDestruction = host.log;
    k510::link::SerialPort port;
    QVERIFY(port.Open(sim.devicePath()));
    QTest::qWait(100);
    QCOMPARE(host.log, logAtDestruction);
    QVERIFY(host.entries("error").isEmpty());
}

QTEST_MAIN(TransferControllerTest)
#include "tst_transfercontroller.moc"
