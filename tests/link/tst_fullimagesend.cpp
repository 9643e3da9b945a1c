// SPDX-License-Identifier: GPL-3.0-or-later
// The one full-size send: 1152 blocks of the 294912-byte image of the demo
// database, byte for byte, with the worked header values. (The full-size
// receive runs through the window's controller, tst_transfercontroller.)

#include <QTemporaryDir>
#include <QTest>

#include "LinkTestSupport.h"
#include "SimProcess.h"

using namespace k510::link;
using namespace linktest;

class FullImageSendTest : public QObject {
    Q_OBJECT

private slots:
    void sendOf1152Blocks();

private:
    QTemporaryDir m_dir;
};

void FullImageSendTest::sendOf1152Blocks()
{
    const QByteArray image = demoImage();
    QCOMPARE(image.size(), 294912);
    const QString stored = m_dir.filePath(QStringLiteral("stored.k5d"));
    const QString record = m_dir.filePath(QStringLiteral("record.bin"));
    SimProcess sim({QStringLiteral("--store"), stored, QStringLiteral("--record"), record});
    QVERIFY(sim.isReady());

    const Outcome outcome = send(sim.devicePath(), image);

    QCOMPARE(outcome.failures, QStringList());
    QCOMPARE(outcome.progress.size(), 1152);
    QCOMPARE(outcome.progress, expectedProgress(1152));
    QCOMPARE(outcome.progress.first(), 0);
    QCOMPARE(outcome.progress.last(), 99);
    QCOMPARE(readFile(stored), image);

    const QByteArray wire = readFile(record);
    QCOMPARE(wire.size(), 5 + 14 + 5 + 1152 * (18 + 256));
    QCOMPARE(wire.mid(5, 14).toHex(' '), QByteArray("55 55 01 0a 04 80 00 04 80 00 fa 55 bc 80"));
    const qsizetype firstBlock = 5 + 14 + 5;
    QCOMPARE(wire.mid(firstBlock, 14).toHex(' '), QByteArray("aa aa 00 00 7f fb 00 00 01 00 f0 f1 15 05"));
    QCOMPARE(wire.mid(firstBlock + 274, 14).toHex(' '), QByteArray("aa aa 00 01 7f fb 01 00 01 00 ee 3a 79 d4"));
    QCOMPARE(wire.mid(firstBlock + 1151 * 274 + 4, 4).toHex(' '), QByteArray("7f ff 7f 00"));
    QCOMPARE(wire, sendWire(image));
}

QTEST_GUILESS_MAIN(FullImageSendTest)
#include "tst_fullimagesend.moc"
