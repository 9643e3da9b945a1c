// SPDX-License-Identifier: GPL-3.0-or-later
// The bytes of the protocol without a line: CRC, headers, progress, port
// names and the settings lists' positions.

#include <QTest>

#include "link/Crc32.h"
#include "link/PortNames.h"
#include "link/PortSettings.h"
#include "link/WireFormat.h"

using namespace k510::link;

class WireFormatTest : public QObject {
    Q_OBJECT

private slots:
    void crc32_data();
    void crc32();
    void crc32ChainsOverPieces();
    void transferHeader_data();
    void transferHeader();
    void blockHeaders_data();
    void blockHeaders();
    void progress_data();
    void progress();
    void portDevices_data();
    void portDevices();
    void storedPositions_data();
    void storedPositions();
};

void WireFormatTest::crc32_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<quint32>("crc");
    QTest::newRow("abc") << QByteArray("abc") << 0x352441C2u;
    QTest::newRow("nothing") << QByteArray() << 0u;
    QTest::newRow("check value") << QByteArray("123456789") << 0xCBF43926u;
}

void WireFormatTest::crc32()
{
    QFETCH(QByteArray, data);
    QFETCH(quint32, crc);
    QCOMPARE(Crc32(0, data.constData(), std::size_t(data.size())), crc);
}

void WireFormatTest::crc32ChainsOverPieces()
{
    const QByteArray whole = "The receiver's loader checks every header";
    std::uint32_t running = 0;
    for (qsizetype at = 0; at < whole.size(); at += 7)
        running = Crc32(running, whole.constData() + at, std::size_t(std::min<qsizetype>(7, whole.size() - at)));
    QCOMPARE(running, Crc32(0, whole.constData(), std::size_t(whole.size())));
    QCOMPARE(Crc32(0x12345678u, nullptr, 10), 0u);
}

void WireFormatTest::transferHeader_data()
{
    QTest::addColumn<int>("imageSize");
    QTest::addColumn<QByteArray>("firstTenBytes");
    QTest::newRow("database image") << 294912 << QByteArray("55 55 01 0a 04 80 00 04 80 00");
    QTest::newRow("three blocks") << 768 << QByteArray("55 55 01 0a 00 03 00 00 03 00");
    QTest::newRow("count rounds down") << 1000 << QByteArray("55 55 01 0a 00 03 00 00 03 e8");
}

void WireFormatTest::transferHeader()
{
    QFETCH(int, imageSize);
    QFETCH(QByteArray, firstTenBytes);
    const auto wire = TransferHeader::forImage(std::size_t(imageSize)).toWire();
    const QByteArray bytes(reinterpret_cast<const char *>(wire.data()), qsizetype(wire.size()));
    QCOMPARE(bytes.left(10).toHex(' '), firstTenBytes);
    QCOMPARE(loadBe32(&wire[10]), Crc32(0, wire.data(), 10));
    if (imageSize == 294912)
        QCOMPARE(bytes.toHex(' '), QByteArray("55 55 01 0a 04 80 00 04 80 00 fa 55 bc 80"));
}

void WireFormatTest::blockHeaders_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("headerBytes");
    QTest::newRow("block 0") << 0 << QByteArray("aa aa 00 00 7f fb 00 00 01 00 f0 f1 15 05");
    QTest::newRow("block 1") << 1 << QByteArray("aa aa 00 01 7f fb 01 00 01 00 ee 3a 79 d4");
    QTest::newRow("block 1151") << 1151 << QByteArray("aa aa 04 7f 7f ff 7f 00 01 00");
}

void WireFormatTest::blockHeaders()
{
    QFETCH(int, index);
    QFETCH(QByteArray, headerBytes);
    std::array<std::uint8_t, 256> data{};
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = std::uint8_t(i ^ std::size_t(index));
    const auto wire = BlockHeader::forBlock(std::uint16_t(index), data).toWire();
    const QByteArray bytes(reinterpret_cast<const char *>(wire.data()), qsizetype(wire.size()));
    QCOMPARE(bytes.left(headerBytes.count(' ') + 1).toHex(' '), headerBytes);
    QCOMPARE(loadBe32(&wire[14]), Crc32(0, data.data(), data.size()));
}

void WireFormatTest::progress_data()
{
    QTest::addColumn<int>("block");
    QTest::addColumn<int>("blockCount");
    QTest::addColumn<int>("percent");
    QTest::newRow("first of 1152") << 0 << 1152 << 0;
    QTest::newRow("block 11 of 1152") << 11 << 1152 << 0;
    QTest::newRow("block 12 of 1152") << 12 << 1152 << 1;
    QTest::newRow("last of 1152") << 1151 << 1152 << 99;
    QTest::newRow("last of 3") << 2 << 3 << 66;
    QTest::newRow("only block") << 0 << 1 << 0;
    QTest::newRow("last of 65535") << 65534 << 65535 << 99;
}

void WireFormatTest::progress()
{
    QFETCH(int, block);
    QFETCH(int, blockCount);
    QFETCH(int, percent);
    QCOMPARE(progressPercent(std::uint32_t(block), std::uint32_t(blockCount)), percent);
}

void WireFormatTest::portDevices_data()
{
    QTest::addColumn<QString>("portName");
    QTest::addColumn<QString>("override");
    QTest::addColumn<QString>("device");
#ifdef Q_OS_WIN
    // Windows opens every port by its own name, as the system lists it.
    QTest::newRow("COM1") << "COM1" << "" << "COM1";
    QTest::newRow("COM4, K510_COM4 not looked at") << "COM4" << "COM9" << "COM4";
    QTest::newRow("COM12") << "COM12" << "" << "COM12";
#else
    QTest::newRow("COM1") << "COM1" << "" << "/dev/ttyS0";
    QTest::newRow("COM4") << "COM4" << "" << "/dev/ttyS3";
    QTest::newRow("COM2 on a USB adapter") << "COM2" << "/dev/ttyUSB0" << "/dev/ttyUSB0";
    QTest::newRow("device path") << "/dev/pts/7" << "" << "/dev/pts/7";
    // Any other name is a system name, which lives under /dev.
    QTest::newRow("system name") << "ttyUSB0" << "" << "/dev/ttyUSB0";
    QTest::newRow("COM5 is a system name") << "COM5" << "" << "/dev/COM5";
    QTest::newRow("lower case is a system name") << "com1" << "" << "/dev/com1";
#endif
}

void WireFormatTest::portDevices()
{
    QFETCH(QString, portName);
    QFETCH(QString, override);
    QFETCH(QString, device);
    for (int n = 1; n <= 4; ++n)
        qunsetenv(qPrintable(QStringLiteral("K510_COM%1").arg(n)));
    if (!override.isEmpty())
        qputenv(qPrintable(QStringLiteral("K510_") + portName), override.toLocal8Bit());
    QCOMPARE(deviceForPort(portName), device);
}

void WireFormatTest::storedPositions_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("selected");
    QTest::newRow("in range") << 3 << 7 << 3;
    QTest::newRow("last") << 6 << 7 << 6;
    QTest::newRow("at the end") << 7 << 7 << 0;
    QTest::newRow("far beyond") << 9 << 4 << 0;
    QTest::newRow("negative selects nothing") << -1 << 4 << -1;
}

void WireFormatTest::storedPositions()
{
    QFETCH(int, stored);
    QFETCH(int, count);
    QFETCH(int, selected);
    QCOMPARE(selectedPosition(stored, count), selected);
}

QTEST_GUILESS_MAIN(WireFormatTest)
#include "tst_wireformat.moc"
