// SPDX-License-Identifier: GPL-3.0-or-later
// ReceiveImage against the simulated receiver over a real pseudo-terminal.

#include <QTemporaryDir>
#include <QTest>

#include "LinkTestSupport.h"
#include "SimProcess.h"
#include "link/SerialPort.h"
#include "link/TransferFailure.h"

using namespace k510::link;
using namespace linktest;

Q_DECLARE_METATYPE(k510::link::BlockChecks)
Q_DECLARE_METATYPE(k510::link::Direction)

class ReceiveImageTest : public QObject {
    Q_OBJECT

private slots:
    void completeReceiveHandsOverTheImage_data();
    void completeReceiveHandsOverTheImage();
    void receiverFaults_data();
    void receiverFaults();
    void portHeldGivesOpenFailure();
    void errorFromDeliveryEndsWithoutClosingTokens();
    void portGoneMidTransfer_data();
    void portGoneMidTransfer();

private:
    QString writeImage(const QByteArray &image);

    QTemporaryDir m_dir;
};

QString ReceiveImageTest::writeImage(const QByteArray &image)
{
    const QString path = m_dir.filePath(QStringLiteral("image.bin"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size())
        return {};
    return path;
}

void ReceiveImageTest::completeReceiveHandsOverTheImage_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QStringList>("simArguments");
    QTest::addColumn<BlockChecks>("checks");

    QTest::newRow("one block") << everyByteImage(1) << QStringList{} << BlockChecks::Verify;
    QTest::newRow("every byte value, 4 blocks") << everyByteImage(4) << QStringList{} << BlockChecks::Verify;
    // A last block of 188 bytes: whatever sum arrives is delivered.
    QTest::newRow("blocks of other lengths") << everyByteImage(2) + QByteArray(188, '\x13') << QStringList{}
                                             << BlockChecks::Verify;
    QTest::newRow("without checks wrong CRCs, numbers and addresses are accepted")
        << everyByteImage(5) << QStringList{"--fault", "scrambled"} << BlockChecks::Skip;
    QTest::newRow("replies of control bytes") << everyByteImage(2) << QStringList{"--reply", "0d0a001311"}
                                              << BlockChecks::Verify;
}

void ReceiveImageTest::completeReceiveHandsOverTheImage()
{
    QFETCH(QByteArray, image);
    QFETCH(QStringList, simArguments);
    QFETCH(BlockChecks, checks);
    const QString record = m_dir.filePath(QStringLiteral("record.bin"));
    QFile::remove(record);
    SimProcess sim(simArguments + QStringList{"--image", writeImage(image), "--record", record});
    QVERIFY(sim.isReady());

    const Outcome outcome = receive(sim.devicePath(), QStringLiteral("115200"), checks);

    QCOMPARE(outcome.failures, QStringList());
    QCOMPARE(outcome.deliveries, QList<QByteArray>{image});
    const int blocks = int((image.size() + 255) / 256);
    QCOMPARE(outcome.progress, expectedProgress(blocks));
    // The receiver keeps the record once it has read the closing tokens.
    QTRY_COMPARE(readFile(record), receiveWire(blocks));
}

void ReceiveImageTest::receiverFaults_data()
{
    QTest::addColumn<QStringList>("simArguments");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QList<int>>("progress");
    QTest::addColumn<QByteArray>("editorWrote");
    QTest::addColumn<int>("minimumMs");

    const QString noLink = failureText(Direction::Receive, Failure::NoLink);
    const QString badHeader = failureText(Direction::Receive, Failure::BadHeader);
    const QString size = failureText(Direction::Receive, Failure::Size);
    const QString noAnswer = QStringLiteral(
        "Получение настроек: Ресивер не ответил вовремя! Проверьте кабель, выбранный порт и скорость.");
    const QByteArray opening = "DBSND";
    const QByteArray header = "DBSNDNXTDB";
    const QByteArray acked = "DBSNDNXTDB2ACK3";

    QTest::newRow("silent receiver") << QStringList{"--fault", "silent"} << noLink << QList<int>{} << opening << 1000;
    QTest::newRow("first reply too late") << QStringList{"--fault", "slow", "--delay", "1400"} << noLink
                                          << QList<int>{} << opening << 1000;
    QTest::newRow("third header byte not 01") << QStringList{"--fault", "bad-tag"} << badHeader << QList<int>{}
                                              << header << 0;
    QTest::newRow("zero blocks") << QStringList{"--fault", "zero-blocks"} << size << QList<int>{} << acked << 0;
    QTest::newRow("block data stop short") << QStringList{"--fault", "short-block", "--at", "1"} << noAnswer
                                           << QList<int>{0} << acked + "2ACK32ACK32ACK3" << 1250;
    QTest::newRow("data length above 2048") << QStringList{"--fault", "oversize", "--at", "2"} << size
                                            << QList<int>{0, 25} << acked + QByteArray("2ACK3").repeated(4) << 0;
    QTest::newRow("block header too late") << QStringList{"--fault", "slow", "--at", "1", "--delay", "1400"} << noAnswer
                                           << QList<int>{0} << acked + "2ACK32ACK3" << 1000;
    // A damaged or misplaced block ends the receive as it arrives, before
    // the editor acknowledges it.
    QTest::newRow("block headers fail their CRC")
        << QStringList{"--fault", "scrambled"}
        << "Получение настроек: Ошибка контрольной суммы в блоке 0: данные повреждены при передаче. Повторите приём."
        << QList<int>{} << acked << 0;
    QTest::newRow("block data fail their CRC")
        << QStringList{"--fault", "damaged", "--at", "2"}
        << "Получение настроек: Ошибка контрольной суммы в блоке 2: данные повреждены при передаче. Повторите приём."
        << QList<int>{0, 25} << acked + QByteArray("2ACK3").repeated(5) << 0;
    QTest::newRow("two blocks swapped")
        << QStringList{"--fault", "swapped", "--at", "1"}
        << "Получение настроек: Блок 2 пришёл вместо блока 1: данные повреждены при передаче. Повторите приём."
        << QList<int>{0} << acked + "2ACK32ACK3" << 0;
}

void ReceiveImageTest::receiverFaults()
{
    QFETCH(QStringList, simArguments);
    QFETCH(QString, failure);
    QFETCH(QList<int>, progress);
    QFETCH(QByteArray, editorWrote);
    QFETCH(int, minimumMs);
    const QString record = m_dir.filePath(QStringLiteral("fault-record.bin"));
    QFile::remove(record);
    SimProcess sim(simArguments + QStringList{"--image", writeImage(everyByteImage(4)), "--record", record});
    QVERIFY(sim.isReady());

    const Outcome outcome = receive(sim.devicePath());

    QCOMPARE(outcome.failures, QStringList{failure});
    QCOMPARE(outcome.deliveries, QList<QByteArray>{});
    QCOMPARE(outcome.progress, progress);
    QVERIFY2(outcome.elapsedMs >= minimumMs, qPrintable(QString::number(outcome.elapsedMs)));
    // The receiver gives the abandoned transfer up after a few seconds of
    // silence and then keeps its record of what the editor wrote.
    QTRY_COMPARE_WITH_TIMEOUT(readFile(record), editorWrote, 6000);
}

void ReceiveImageTest::portHeldGivesOpenFailure()
{
    SimProcess sim;
    QVERIFY(sim.isReady());
    SerialPort holder;
    QVERIFY(holder.Open(sim.devicePath()));
    const Outcome outcome = receive(sim.devicePath());
    QCOMPARE(outcome.failures, QStringList{QStringLiteral("Получение настроек: Невозможно открыть порт!\n%1: занят другой программой")
                                             .arg(sim.devicePath())});
    QCOMPARE(outcome.deliveries.size(), 0);
}

void ReceiveImageTest::errorFromDeliveryEndsWithoutClosingTokens()
{
    const QString record = m_dir.filePath(QStringLiteral("delivery-record.bin"));
    SimProcess sim({"--image", writeImage(everyByteImage(2)), "--record", record});
    QVERIFY(sim.isReady());
    QStringList failures;
    ReceiveImage(
        sim.devicePath(), QStringLiteral("115200"), {},
        [](const QByteArray &) { throw std::runtime_error("Загрузка не удалась"); },
        [&](const QString &text) { failures.append(text); });
    QCOMPARE(failures, QStringList{QStringLiteral("Загрузка не удалась")});
    QTRY_COMPARE_WITH_TIMEOUT(readFile(record), receiveWire(2).chopped(15), 6000);
}

void ReceiveImageTest::portGoneMidTransfer_data()
{
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<int>("goneAfterBlock");
    QTest::newRow("send, after the first block") << Direction::Send << 0;
    QTest::newRow("send, after the third block") << Direction::Send << 2;
    QTest::newRow("receive, after the first block") << Direction::Receive << 0;
    QTest::newRow("receive, after the third block") << Direction::Receive << 2;
}

void ReceiveImageTest::portGoneMidTransfer()
{
    // The simulator ends in the middle of the transfer, as an unplugged USB
    // adapter would: the transfer ends at once with its own text, nothing is
    // delivered, and it never waits longer than a read's time-out.
    QFETCH(Direction, direction);
    QFETCH(int, goneAfterBlock);
    const QByteArray image = everyByteImage(6);
    SimProcess sim({"--image", writeImage(image)});
    QVERIFY(sim.isReady());
    int blocksDone = 0;
    const auto progress = [&](int) {
        if (blocksDone++ == goneAfterBlock)
            sim.stop();
    };
    QStringList failures;
    const auto failure = [&](const QString &text) { failures.append(text); };
    QList<QByteArray> deliveries;
    QElapsedTimer clock;
    clock.start();
    if (direction == Direction::Send)
        SendImage(sim.devicePath(), QStringLiteral("115200"), image, progress, failure);
    else
        ReceiveImage(sim.devicePath(), QStringLiteral("115200"), progress,
                     [&](const QByteArray &received) { deliveries.append(received); }, failure);

    QCOMPARE(failures, QStringList{failureText(direction, Failure::Disconnected)});
    QVERIFY(failures.first().endsWith(QStringLiteral("Порт отключён во время передачи!")));
    QCOMPARE(blocksDone, goneAfterBlock + 1);
    QVERIFY(deliveries.isEmpty());
    QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
}

QTEST_GUILESS_MAIN(ReceiveImageTest)
#include "tst_receiveimage.moc"
