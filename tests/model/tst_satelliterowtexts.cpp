// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include <cstring>

#include "model/DisplayTexts.h"

using namespace k510;

namespace {

using Record = std::array<std::uint8_t, kSatelliteRecordSize>;

// The satellite a read makes of the record.
Satellite satelliteOf(const Record &record) { return decodeSatellite(record); }

Satellite satelliteWith(std::array<std::uint8_t, 3> longitude, bool west)
{
    Record record{};
    std::copy(longitude.begin(), longitude.end(), &record[29]);
    record[27] = west ? LnbFlag::West : 0;
    return satelliteOf(record);
}

} // namespace

class TestSatelliteRowTexts : public QObject {
    Q_OBJECT

private slots:
    void lnbType_data()
    {
        QTest::addColumn<QByteArray>("lnbLow");
        QTest::addColumn<QString>("type");
        QTest::newRow("single") << QByteArray("\x00\x00\x00\x00", 4) << "Single";
        QTest::newRow("9000 universal") << QByteArray("\x00\x90\x00\x00", 4) << "Universal";
        QTest::newRow("9750 universal") << QByteArray("\x00\x97\x50\x00", 4) << "Universal";
        QTest::newRow("8999 ocs") << QByteArray("\x00\x89\x99\x00", 4) << "OCS";
        QTest::newRow("5150 ocs") << QByteArray("\x00\x51\x50\x00", 4) << "OCS";
        QTest::newRow("carried byte only is still single") << QByteArray("\x00\x00\x00\x12", 4) << "Single";
    }
    void lnbType()
    {
        QFETCH(QByteArray, lnbLow);
        QFETCH(QString, type);
        Bcd4 field{};
        std::memcpy(field.data(), lnbLow.constData(), 4);
        QCOMPARE(QString::fromStdString(lnbTypeText(field)), type);
    }

    void longitude_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("west");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hemisphere");
        QTest::newRow("36,0 E") << QByteArray("\x00\x03\x60", 3) << false << "36,0" << "E";
        QTest::newRow("5,5 W") << QByteArray("\x00\x00\x55", 3) << true << "5,5" << "W";
        QTest::newRow("0,0") << QByteArray("\x00\x00\x00", 3) << false << "0,0" << "E";
        QTest::newRow("180,0 stays") << QByteArray("\x00\x18\x00", 3) << false << "180,0" << "E";
        QTest::newRow("180,9 stays") << QByteArray("\x00\x18\x09", 3) << false << "180,9" << "E";
        QTest::newRow("181,0 mirrored") << QByteArray("\x00\x18\x10", 3) << false << "179,0" << "W";
        QTest::newRow("200,3 mirrored") << QByteArray("\x00\x20\x03", 3) << false << "159,7" << "W";
        QTest::newRow("200,0 mirrored") << QByteArray("\x00\x20\x00", 3) << false << "160,0" << "W";
        QTest::newRow("350,5 mirrored") << QByteArray("\x00\x35\x05", 3) << false << "9,5" << "W";
        QTest::newRow("damaged tenths nibble: as stored") << QByteArray("\x00\x16\x8C", 3) << false << "00 16 8C" << "E";
        QTest::newRow("erased: as stored, not swapped") << QByteArray("\xFF\xFF\xFF", 3) << true << "FF FF FF" << "W";
        QTest::newRow("359,9 still mirrored") << QByteArray("\x00\x35\x99", 3) << false << "0,1" << "W";
        QTest::newRow("360,0: digits as stored") << QByteArray("\x00\x36\x00", 3) << false << "360,0" << "E";
        QTest::newRow("400,0: digits as stored") << QByteArray("\x00\x40\x00", 3) << true << "400,0" << "W";
        QTest::newRow("359,9 west becomes east") << QByteArray("\x00\x35\x99", 3) << true << "0,1" << "E";
    }
    void longitude()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, west);
        QFETCH(QString, text);
        QFETCH(QString, hemisphere);
        const auto texts = rowTextsOf(satelliteWith({std::uint8_t(bytes[0]), std::uint8_t(bytes[1]),
                                                     std::uint8_t(bytes[2])}, west));
        QCOMPARE(QString::fromStdString(texts.longitude), text);
        QCOMPARE(QString::fromStdString(texts.hemisphere), hemisphere);
    }

    void switchingTexts_data()
    {
        QTest::addColumn<int>("lnbFlags");
        QTest::addColumn<int>("ports");
        QTest::addColumn<QString>("power");
        QTest::addColumn<QString>("switchType");
        QTest::addColumn<QString>("diseqc10");
        QTest::addColumn<QString>("diseqc11");
        QTest::newRow("nothing") << 0 << 0 << "-" << "-" << "-" << "-";
        QTest::newRow("1.0 port C, 12 V") << (0x08 | 0x02) << 3 << "+" << "1.0" << "C" << "-";
        QTest::newRow("1.1 port 12") << 0x10 << (12 << 3) << "-" << "1.1" << "-" << "12";
        QTest::newRow("motor") << 0x18 << 0 << "-" << "MOTOR" << "-" << "-";
        QTest::newRow("usals, port D and 16") << 0x20 << (4 | (16 << 3)) << "-" << "USALS" << "D" << "16";
        QTest::newRow("switch type 6, port 7: empty") << 0x30 << 7 << "-" << "" << "" << "-";
    }
    void switchingTexts()
    {
        QFETCH(int, lnbFlags);
        QFETCH(int, ports);
        Record record{};
        record[27] = std::uint8_t(lnbFlags);
        record[28] = std::uint8_t(ports);
        const auto texts = rowTextsOf(satelliteOf(record));
        QTEST(QString::fromStdString(texts.power12v), "power");
        QTEST(QString::fromStdString(texts.switchType), "switchType");
        QTEST(QString::fromStdString(texts.diseqc10), "diseqc10");
        QTEST(QString::fromStdString(texts.diseqc11), "diseqc11");
    }

    void numberAndNameComeFromTheRecord()
    {
        Record record{};
        record[0] = 17;
        record[1] = 5;
        std::memcpy(&record[2], "Astra-junk", 10);
        const auto texts = rowTextsOf(satelliteOf(record));
        QCOMPARE(texts.number, std::string("17"));
        QCOMPARE(texts.name, std::string("Astra"));
    }

    void fecTexts()
    {
        const char *expected[] = {"AUTO", "1/2", "2/3", "3/4", "5/6", "7/8", "", ""};
        for (int code = 0; code < 8; ++code)
            QCOMPARE(fecText(code), std::string(expected[code]));
    }
};

QTEST_APPLESS_MAIN(TestSatelliteRowTexts)
#include "tst_satelliterowtexts.moc"
