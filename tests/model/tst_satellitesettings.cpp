// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include <cstring>
#include <stdexcept>

#include "TestImages.h"
#include "model/DisplayTexts.h"
#include "model/EditConversions.h"
#include "model/SatelliteSettings.h"
#include "tools/samples/DatabaseBuilder.h"

using namespace k510;
using namespace k510::testing;

Q_DECLARE_METATYPE(k510::SatelliteSettings)

namespace {

// A satellite whose every setting differs from what the cases apply, with the
// carried bit 7 of the flags set as an image may have it.
ChannelDatabase edited()
{
    samples::DatabaseBuilder builder;
    builder.addSatellite({"Старое имя", 9750, 10600, SwitchType::Usals, 2, 5, 1300, true, true, true, true});
    ChannelDatabase db = builder.build();
    db.satellites[0].carriedFlagBits |= 0x80;
    return db;
}

SatelliteSettings settings(const char *low, const char *high, int switchType, int port10, int port11,
                           const char *longitude, bool west = false)
{
    SatelliteSettings s;
    s.name = "Sat";
    s.lnbLow = bcdFromDecimalDigits(low);
    s.lnbHigh = bcdFromDecimalDigits(high);
    s.switchType = switchType;
    s.diseqc10Port = port10;
    s.diseqc11Port = port11;
    s.longitude = longitude;
    s.west = west;
    return s;
}

SatelliteSettings withBoxes(SatelliteSettings s, bool tone22k, bool power12v, bool lnbp)
{
    s.tone22k = tone22k;
    s.power12v = power12v;
    s.lnbp = lnbp;
    return s;
}

QByteArray bytesAt(const Image &image, std::size_t from, std::size_t count)
{
    return QByteArray(reinterpret_cast<const char *>(&image[from]), qsizetype(count));
}

QStringList switchingTexts(const SatelliteRowTexts &t)
{
    return {QString::fromStdString(t.lnbType), QString::fromStdString(t.power12v),
            QString::fromStdString(t.switchType), QString::fromStdString(t.diseqc10),
            QString::fromStdString(t.diseqc11), QString::fromStdString(t.hemisphere),
            QString::fromStdString(t.longitude)};
}

} // namespace

class TestSatelliteSettings : public QObject {
    Q_OBJECT

private slots:
    void appliedSettingsReachTheImage_data()
    {
        QTest::addColumn<SatelliteSettings>("applied");
        QTest::addColumn<QByteArray>("tail");   // record bytes 18..31
        QTest::addColumn<QStringList>("texts");  // "Тип LNB", "0/12В", "DiSEqC", "1.0", "1.1", "E/W", "USALS"

        QTest::newRow("DiSEqC 1.1, 1.0 port C, 1.1 port 12")
            << withBoxes(settings("9750", "10600", 2, 3, 12, "0,0"), true, false, false)
            << QByteArray("\x01\x06\x00\x00" "\x00\x97\x50\x00" "\x01\x14\x63" "\x00\x00\x00", 14)
            << QStringList{"Universal", "-", "1.1", "C", "12", "E", "0,0"};
        QTest::newRow("USALS west 19,2")
            << withBoxes(settings("9750", "10600", 4, 1, 0, "19,2", true), false, true, false)
            << QByteArray("\x01\x06\x00\x00" "\x00\x97\x50\x00" "\x01\x62\x01" "\x00\x01\x92", 14)
            << QStringList{"Universal", "+", "USALS", "A", "-", "W", "19,2"};
        QTest::newRow("single LNB, everything off")
            << settings("0", "11475", 0, 0, 0, "0,0")
            << QByteArray("\x01\x14\x75\x00" "\x00\x00\x00\x00" "\x01\x00\x00" "\x00\x00\x00", 14)
            << QStringList{"Single", "-", "-", "-", "-", "E", "0,0"};
        QTest::newRow("OCS, motor on port D, LNBP")
            << withBoxes(settings("5150", "5750", 3, 4, 0, "5,5"), false, false, true)
            << QByteArray("\x00\x57\x50\x00" "\x00\x51\x50\x00" "\x01\x19\x04" "\x00\x00\x55", 14)
            << QStringList{"OCS", "-", "MOTOR", "D", "-", "E", "5,5"};
        QTest::newRow("8999 is still OCS")
            << settings("8999", "10600", 1, 2, 0, "0,0")
            << QByteArray("\x01\x06\x00\x00" "\x00\x89\x99\x00" "\x01\x08\x02" "\x00\x00\x00", 14)
            << QStringList{"OCS", "-", "1.0", "B", "-", "E", "0,0"};
        QTest::newRow("1.1 port 16, three boxes, 180,0")
            << withBoxes(settings("9000", "10600", 2, 0, 16, "180,0"), true, true, true)
            << QByteArray("\x01\x06\x00\x00" "\x00\x90\x00\x00" "\x01\x17\x80" "\x00\x18\x00", 14)
            << QStringList{"Universal", "+", "1.1", "-", "16", "E", "180,0"};
        // Disabled port boxes keep their values and are applied all the same.
        QTest::newRow("no switch type chosen")
            << settings("9750", "10600", -1, 2, 5, "0,0")
            << QByteArray("\x01\x06\x00\x00" "\x00\x97\x50\x00" "\x01\x00\x2A" "\x00\x00\x00", 14)
            << QStringList{"Universal", "-", "", "B", "5", "E", "0,0"};
        QTest::newRow("typed longitude normalised")
            << settings("9750", "10600", 4, 0, 0, " 5,")
            << QByteArray("\x01\x06\x00\x00" "\x00\x97\x50\x00" "\x01\x20\x00" "\x00\x00\x50", 14)
            << QStringList{"Universal", "-", "USALS", "-", "-", "E", "5,0"};
    }
    void appliedSettingsReachTheImage()
    {
        QFETCH(SatelliteSettings, applied);
        QFETCH(QByteArray, tail);
        ChannelDatabase db = edited();
        Satellite &sat = db.satellites[0];

        applySatelliteSettings(sat, applied);
        const Image image = imageOf(db);
        const std::size_t at = ImageOffsets(image).satellite(0);

        QCOMPARE(bytesAt(image, at + 18, 14), tail);
        QTEST(switchingTexts(rowTextsOf(sat)), "texts");
        QCOMPARE(rowTextsOf(sat).number, std::string("1"));

        // The satellite's record says what the writer made of it.
        std::array<std::uint8_t, kSatelliteRecordSize> record{};
        encodeSatellite(sat, record);
        QCOMPARE(int(record[27]), int(image[at + 27]));
        QCOMPARE(int(record[28]), int(image[at + 28]));
        QCOMPARE(bytesAt(image, at + 29, 3), QByteArray(reinterpret_cast<const char *>(sat.usalsLongitude.data()), 3));

        // Read back, the satellite shows what was applied; a switch type that
        // was never chosen is stored as none.
        SatelliteRowTexts expected = rowTextsOf(sat);
        if (applied.switchType < 0)
            expected.switchType = "-";
        QCOMPARE(rowTextsOf(databaseOf(image).satellites[0]), expected);
    }

    void nameGoesToRecordAndRow_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("imageName");
        QTest::newRow("cyrillic") << "Амос 4W" << QByteArray("\xB0\xDC\xDE\xE1 4W");
        QTest::newRow("empty") << "" << QByteArray();
        QTest::newRow("cut to sixteen bytes") << "Телеканал Россия-24" << QByteArray("\xC2\xD5\xDB\xD5\xDA\xD0\xDD\xD0\xDB "
                                                                                    "\xC0\xDE\xE1\xE1\xD8\xEF");
    }
    void nameGoesToRecordAndRow()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, imageName);
        ChannelDatabase db = edited();
        Satellite &sat = db.satellites[0];
        SatelliteSettings s = settings("9750", "10600", 0, 0, 0, "0,0");
        s.name = nameToWindows1251(typed.toStdString());

        applySatelliteSettings(sat, s);
        const Image image = imageOf(db);
        const std::size_t at = ImageOffsets(image).satellite(0);

        QCOMPARE(int(image[at + 1]), int(imageName.size()));
        QCOMPARE(bytesAt(image, at + 2, std::size_t(imageName.size())), imageName);
        QVERIFY(std::all_of(&image[at + 2 + std::size_t(imageName.size())], &image[at + 18],
                            [](std::uint8_t b) { return b == 0; }));
        QCOMPARE(rowTextsOf(sat).name, sat.name);
        QCOMPARE(int(sat.name.size()), int(imageName.size()));
        QCOMPARE(databaseOf(image).satellites[0].name, sat.name);
    }

    void anUntouchedStoredLongitudeIsKept()
    {
        // Erased longitude bytes are shown as stored; an edit of the name
        // alone writes them back as they were.
        ChannelDatabase db = edited();
        Image image = imageOf(db);
        const std::size_t at = ImageOffsets(image).satellite(0);
        std::fill_n(&image[at + 29], 3, std::uint8_t(0xFF));
        db = databaseOf(image);
        QCOMPARE(rowTextsOf(db.satellites[0]).longitude, std::string("FF FF FF"));

        SatelliteSettings s = settings("9750", "10600", 4, 0, 0, "0,0");
        s.longitude.reset();
        applySatelliteSettings(db.satellites[0], s);
        const Image written = imageOf(db);
        QCOMPARE(bytesAt(written, at + 29, 3), QByteArray("\xFF\xFF\xFF", 3));
        QCOMPARE(rowTextsOf(db.satellites[0]).longitude, std::string("FF FF FF"));
    }

    void refusedSettingsChangeNothing_data()
    {
        QTest::addColumn<SatelliteSettings>("applied");
        QTest::newRow("longitude with two tenths") << settings("9750", "10600", 4, 0, 0, "1,23");
        QTest::newRow("longitude beyond a full turn") << settings("9750", "10600", 4, 0, 0, "400,0");
        QTest::newRow("switch type 5") << settings("9750", "10600", 5, 0, 0, "0,0");
        QTest::newRow("switch type below none") << settings("9750", "10600", -2, 0, 0, "0,0");
        QTest::newRow("1.0 port 5") << settings("9750", "10600", 1, 5, 0, "0,0");
        QTest::newRow("1.1 port 17") << settings("9750", "10600", 2, 0, 17, "0,0");
        QTest::newRow("1.1 port -1") << settings("9750", "10600", 2, 0, -1, "0,0");
    }
    void refusedSettingsChangeNothing()
    {
        QFETCH(SatelliteSettings, applied);
        ChannelDatabase db = edited();
        const Image before = imageOf(db);
        const Satellite satelliteBefore = db.satellites[0];

        QVERIFY_THROWS_EXCEPTION(std::exception, applySatelliteSettings(db.satellites[0], applied));

        QCOMPARE(rowTextsOf(db.satellites[0]), rowTextsOf(satelliteBefore));
        QVERIFY(db.satellites[0] == satelliteBefore);
        QVERIFY(imageOf(db) == before);
    }
};

QTEST_APPLESS_MAIN(TestSatelliteSettings)
#include "tst_satellitesettings.moc"
