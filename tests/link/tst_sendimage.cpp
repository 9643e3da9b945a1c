// SPDX-License-Identifier: GPL-3.0-or-later
// SendImage against the simulated receiver over a real pseudo-terminal.

#include <QTemporaryDir>
#include <QTest>

#include "LinkTestSupport.h"
#include "SimProcess.h"
#include "link/SerialPort.h"
#include "link/TransferFailure.h"

using namespace k510::link;
using namespace linktest;

class SendImageTest : public QObject {
    Q_OBJECT

private slots:
    void completeSendDeliversTheImageByteForByte_data();
    void completeSendDeliversTheImageByteForByte();
    void receiverFaults_data();
    void receiverFaults();
    void portsThatCannotBeOpened_data();
    void portsThatCannotBeOpened();
    void portHeldByThisProcessGivesOpenFailure();
    void portHeldByAnotherProgramGivesOpenFailure();
    void failureIsReportedWhileThePortIsStillHeld();
    void errorFromProgressEndsTheSend();

private:
    QTemporaryDir m_dir;
};

void SendImageTest::completeSendDeliversTheImageByteForByte_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("reply");

    QTest::newRow("one block") << everyByteImage(1) << "115200" << "";
    QTest::newRow("every byte value, 4 blocks") << everyByteImage(4) << "9600" << "";
    QTest::newRow("tail beyond the last block is not sent") << everyByteImage(3) + QByteArray(100, 'x') << "57600" << "";
    QTest::newRow("31200 baud") << everyByteImage(2) << "31200" << "";
    QTest::newRow("speed the port refuses") << everyByteImage(2) << "fast" << "";
    QTest::newRow("replies of control bytes") << everyByteImage(2) << "115200" << "000a0d1113";
}

void SendImageTest::completeSendDeliversTheImageByteForByte()
{
    QFETCH(QByteArray, image);
    QFETCH(QString, speed);
    QFETCH(QString, reply);
    const QString stored = m_dir.filePath(QStringLiteral("stored.bin"));
    const QString record = m_dir.filePath(QStringLiteral("record.bin"));
    QFile::remove(stored);
    QStringList arguments{QStringLiteral("--store"), stored, QStringLiteral("--record"), record};
    if (!reply.isEmpty())
        arguments << QStringLiteral("--reply") << reply;
    SimProcess sim(arguments);
    QVERIFY(sim.isReady());

    const Outcome outcome = send(sim.devicePath(), image, speed);

    QCOMPARE(outcome.failures, QStringList());
    const int blocks = int(image.size() / 256);
    QCOMPARE(outcome.progress, expectedProgress(blocks));
    QCOMPARE(readFile(stored), image.left(blocks * 256));
    QCOMPARE(readFile(record), sendWire(image));
    QVERIFY2(!sim.messages().contains(QLatin1String("not sound")), qPrintable(sim.messages()));
}

void SendImageTest::receiverFaults_data()
{
    QTest::addColumn<QStringList>("simArguments");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QList<int>>("progress");
    QTest::addColumn<int>("minimumMs");

    const QString noLink = failureText(Direction::Send, Failure::NoLink);
    const QString noAnswer = QStringLiteral(
        "Отправка настроек: Ресивер не ответил вовремя! Проверьте кабель, выбранный порт и скорость.");
    QTest::newRow("silent receiver") << QStringList{"--fault", "silent"} << noLink << QList<int>{} << 500;
    QTest::newRow("first reply too late") << QStringList{"--fault", "slow", "--delay", "900"} << noLink
                                          << QList<int>{} << 500;
    QTest::newRow("reply in the block phase too late")
        << QStringList{"--fault", "slow", "--at", "2", "--delay", "900"} << noAnswer << QList<int>{0, 25} << 500;
}

void SendImageTest::receiverFaults()
{
    QFETCH(QStringList, simArguments);
    QFETCH(QString, failure);
    QFETCH(QList<int>, progress);
    QFETCH(int, minimumMs);
    const QString stored = m_dir.filePath(QStringLiteral("fault.bin"));
    SimProcess sim(simArguments + QStringList{QStringLiteral("--store"), stored});
    QVERIFY(sim.isReady());

    const Outcome outcome = send(sim.devicePath(), everyByteImage(4));

    QCOMPARE(outcome.failures, QStringList{failure});
    QCOMPARE(outcome.progress, progress);
    QVERIFY2(outcome.elapsedMs >= minimumMs, qPrintable(QString::number(outcome.elapsedMs)));
    QVERIFY(!QFile::exists(stored));
}

void SendImageTest::portsThatCannotBeOpened_data()
{
    QTest::addColumn<QString>("portName");
    QTest::addColumn<QString>("why");   // the failure's second line
    QTest::newRow("no port selected") << "" << "Порт не выбран.";
    QTest::newRow("no such device") << "/dev/k510-no-such-port" << "/dev/k510-no-such-port: такого порта нет";
    QTest::newRow("not a port name") << "COM5" << "COM5 (/dev/COM5): такого порта нет";
    QTest::newRow("numbered port on no device") << "COM2" << "COM2 (/dev/k510-no-such-port): такого порта нет";
    QTest::newRow("not a serial port") << "/dev/null" << "";   // the system's reason
}

void SendImageTest::portsThatCannotBeOpened()
{
    QFETCH(QString, portName);
    QFETCH(QString, why);
    qputenv("K510_COM2", "/dev/k510-no-such-port");
    const Outcome outcome = send(portName, everyByteImage(1));
    qunsetenv("K510_COM2");
    QCOMPARE(outcome.failures.size(), 1);
    const QStringList lines = outcome.failures.front().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0], QStringLiteral("Отправка настроек: Невозможно открыть порт!"));
    if (why.isEmpty())
        QVERIFY2(lines[1].startsWith(portName + QStringLiteral(": ")) && lines[1].size() > portName.size() + 2,
                 qPrintable(lines[1]));
    else
        QCOMPARE(lines[1], why);
    QCOMPARE(outcome.progress, QList<int>{});
}

void SendImageTest::portHeldByThisProcessGivesOpenFailure()
{
    SimProcess sim;
    QVERIFY(sim.isReady());
    SerialPort holder;
    QVERIFY(holder.Open(sim.devicePath()));

    const Outcome outcome = send(sim.devicePath(), everyByteImage(1));
    QCOMPARE(outcome.failures, QStringList{QStringLiteral("Отправка настроек: Невозможно открыть порт!\n%1: занят другой программой")
                                             .arg(sim.devicePath())});

    holder.Close();
    QCOMPARE(send(sim.devicePath(), everyByteImage(1)).failures, QStringList());
}

void SendImageTest::portHeldByAnotherProgramGivesOpenFailure()
{
    SimProcess sim;
    QVERIFY(sim.isReady());
    // flock(1) holds an exclusive lock on the device while `sleep` runs.
    QProcess holder;
    holder.start(QStringLiteral("flock"), {QStringLiteral("--exclusive"), sim.devicePath(), QStringLiteral("sh"),
                                           QStringLiteral("-c"), QStringLiteral("echo held; sleep 5")});
    if (!holder.waitForStarted())
        QSKIP("flock(1) is not available");
    QVERIFY(holder.waitForReadyRead(5000));

    const Outcome outcome = send(sim.devicePath(), everyByteImage(1));
    QCOMPARE(outcome.failures, QStringList{QStringLiteral("Отправка настроек: Невозможно открыть порт!\n%1: занят другой программой")
                                             .arg(sim.devicePath())});
    holder.kill();
    holder.waitForFinished();
}

void SendImageTest::failureIsReportedWhileThePortIsStillHeld()
{
    SimProcess sim({QStringLiteral("--fault"), QStringLiteral("silent")});
    QVERIFY(sim.isReady());
    bool heldDuringFailure = false;
    SendImage(sim.devicePath(), QStringLiteral("115200"), everyByteImage(1), {}, [&](const QString &) {
        SerialPort probe;
        heldDuringFailure = !probe.Open(sim.devicePath());
    });
    QVERIFY(heldDuringFailure);
    SerialPort afterwards;
    QVERIFY(afterwards.Open(sim.devicePath()));
}

void SendImageTest::errorFromProgressEndsTheSend()
{
    SimProcess sim;
    QVERIFY(sim.isReady());
    QStringList failures;
    int calls = 0;
    SendImage(
        sim.devicePath(), QStringLiteral("115200"), everyByteImage(3),
        [&](int) {
            ++calls;
            throw std::runtime_error("Ошибка окна");
        },
        [&](const QString &text) { failures.append(text); });
    QCOMPARE(calls, 1);
    QCOMPARE(failures, QStringList{QStringLiteral("Ошибка окна")});
}

QTEST_GUILESS_MAIN(SendImageTest)
#include "tst_sendimage.moc"
