// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include <cstring>

#include "TestImages.h"
#include "model/Conversions.h"
#include "model/DisplayTexts.h"
#include "tools/samples/DatabaseBuilder.h"
#include "tools/samples/SampleDatabases.h"

using namespace k510;
using namespace k510::testing;

namespace {

ChannelDatabase oneSatellite(const samples::SatelliteParams &params)
{
    samples::DatabaseBuilder b;
    b.addSatellite(params);
    return b.build();
}

std::array<std::uint8_t, 4> satelliteTail(const Image &image)
{
    const std::size_t at = ImageOffsets(image).satellite(0) + 28;
    return {image[at], image[at + 1], image[at + 2], image[at + 3]};
}

bool allFill(const Image &image, std::size_t from, std::size_t to)
{
    return std::all_of(image.begin() + std::ptrdiff_t(from), image.begin() + std::ptrdiff_t(to),
                       [](std::uint8_t b) { return b == 0xFF; });
}

} // namespace

class TestImageWriter : public QObject {
    Q_OBJECT

private slots:
    void emptyDatabaseGivesTheBareLayout()
    {
        ChannelDatabase db;
        db.groupNames[17] = 'A';
        const Image image = imageOf(db);
        QCOMPARE(image.size(), std::size_t(294912));

        const Image head(image.begin(), image.begin() + 30);
        const Image expectedHead = {0, 0, 0, 0, 0, 0, 'A', 'A', 'A', 'A', 5, 5, 5, 5, 'A', 'A', 'A', 'A', 5, 5, 5, 5,
                                    'A', 'A', 'A', 'A', 5, 5, 5, 5};
        QCOMPARE(head, expectedHead);
        QVERIFY(allFill(image, 30, 0x40000));

        const std::size_t b = 0x40000;
        const Image regionB(image.begin() + b, image.begin() + b + 16);
        QCOMPARE(regionB, (Image{'A', 'A', 'A', 'A', 0, 0, 0, 0, 5, 5, 5, 5, 'A', 'A', 'A', 'A'}));
        QVERIFY(allFill(image, b + 16, b + 16 + 3840));
        const std::size_t names = b + 16 + 3840;
        QCOMPARE(int(image[names + 17]), int('A'));
        QVERIFY(std::all_of(image.begin() + std::ptrdiff_t(names + 18), image.begin() + std::ptrdiff_t(names + 442),
                            [](std::uint8_t x) { return x == 0; }));
        QCOMPARE(Image(image.begin() + std::ptrdiff_t(names + 442), image.begin() + std::ptrdiff_t(names + 446)),
                 (Image{5, 5, 5, 5}));
        QVERIFY(allFill(image, names + 446, image.size()));
    }

    void satelliteSwitchingBytes_data()
    {
        QTest::addColumn<int>("port10");
        QTest::addColumn<int>("port11");
        QTest::addColumn<int>("longitude");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("port C and 1.1 port 12") << 3 << 12 << 0 << QByteArray("\x63\x00\x00\x00", 4);
        QTest::newRow("USALS 0,0 with port A") << 1 << 0 << 0 << QByteArray("\x01\x00\x00\x00", 4);
        QTest::newRow("36,0") << 0 << 0 << 360 << QByteArray("\x00\x00\x03\x60", 4);
        QTest::newRow("180,0 and port 16") << 0 << 16 << 1800 << QByteArray("\x80\x00\x18\x00", 4);
    }
    void satelliteSwitchingBytes()
    {
        QFETCH(int, port10);
        QFETCH(int, port11);
        QFETCH(int, longitude);
        QFETCH(QByteArray, expected);
        const Image image = imageOf(oneSatellite({"S", 9750, 10600, SwitchType::Usals, port10, port11, longitude}));
        const auto tail = satelliteTail(image);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(tail.data()), 4), expected);
    }

    void satelliteIsEncodedFromItsFields()
    {
        ChannelDatabase db = oneSatellite({"Old", 9750, 10600});
        Satellite &satellite = db.satellites[0];
        satellite.number = 7;
        satellite.name = "Renamed satellite name";   // longer than the field
        satellite.switchType = int(SwitchType::Motor);
        satellite.west = true;
        satellite.diseqc10Port = 4;
        satellite.diseqc11Port = 3;
        satellite.usalsLongitude = longitudeOfTenths(55);
        const Image image = imageOf(db);
        const std::size_t at = ImageOffsets(image).satellite(0);
        QCOMPARE(int(image[at]), 7);
        QCOMPARE(int(image[at + 26]), 7);
        QCOMPARE(int(image[at + 1]), 16);
        QCOMPARE(std::string(reinterpret_cast<const char *>(&image[at + 2]), 16), std::string("Renamed satellit"));
        QCOMPARE(int(image[at + 27]) & 0x78, 0x18 | 0x40);
        QCOMPARE(satelliteTail(image), (std::array<std::uint8_t, 4>{4 | (3 << 3), 0x00, 0x00, 0x55}));
    }

    // A satellite's fields always encode; what can still keep a database
    // from being written is its size, and the refusal says why.
    void refusedWriteSaysWhy_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("tvOrder");
        QTest::addColumn<QString>("message");
        QTest::newRow("region A") << 8192 << 0
                                  << "Ошибка записи образа: спутники, транспондеры и каналы занимают 262206 байт, "
                                     "а в образе для них есть 262144!";
        QTest::newRow("order list") << 0 << 6001 << "Ошибка записи образа: в списке порядка каналов больше 6000 записей!";
    }
    void refusedWriteSaysWhy()
    {
        QFETCH(int, channels);
        QFETCH(int, tvOrder);
        ChannelDatabase db = oneSatellite({"S"});
        db.channels.resize(std::size_t(channels));
        db.tvOrder.resize(std::size_t(tvOrder), 1);
        const WriteResult result = writeImage(db);
        QVERIFY(!result.ok());
        QVERIFY(result.image.empty());
        QTEST(QString::fromStdString(result.error), "message");
    }

    void databasesThatDoNotFitAreRefused_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("tvOrder");
        QTest::newRow("region A one record too long") << 8192 << 0;
        QTest::newRow("6001 order entries") << 0 << 6001;
    }
    void databasesThatDoNotFitAreRefused()
    {
        QFETCH(int, channels);
        QFETCH(int, tvOrder);
        ChannelDatabase db;
        db.channels.resize(std::size_t(channels));
        db.tvOrder.resize(std::size_t(tvOrder), 1);
        const WriteResult result = writeImage(db);
        QVERIFY(!result.ok());
        QVERIFY(result.image.empty());
    }

    void favouriteGroupsAlwaysTakeEightySlots()
    {
        ChannelDatabase db;
        for (int k = 0; k < 85; ++k)
            db.tvFavourites[0].push_back(std::uint16_t(k + 1));
        db.tvFavourites[1] = {9};
        const Image image = imageOf(db);
        const ImageOffsets at(image);
        for (int slot = 0; slot < 80; ++slot)
            QCOMPARE(int(peek16(image, at.tvFavourites + 2 * std::size_t(slot))), slot + 1);
        QCOMPARE(int(peek16(image, at.tvFavourites + 160)), 9);
        QCOMPARE(int(peek16(image, at.tvFavourites + 162)), 0xFFFF);
        QVERIFY(allFill(image, at.radioFavourites, at.radioFavourites + 1920));
    }

    void groupNamesAreConvertedOnACopy()
    {
        ChannelDatabase db;
        db.groupNames[17] = 0xB8;   // ё: below the converted range
        db.groupNames[18] = 0xC0;   // А
        const Image image = imageOf(db);
        const std::size_t names = ImageOffsets(image).groupNames;
        QCOMPARE(int(image[names + 17]), 0xB8);
        QCOMPARE(int(image[names + 18]), 0xB0);
        QCOMPARE(int(db.groupNames[17]), 0xB8);
        QCOMPARE(int(db.groupNames[18]), 0xC0);
        QCOMPARE(int(databaseOf(image).groupNames[17]), 0xC8);
    }

    void writingWhatWasReadGivesTheSameBytes_data()
    {
        QTest::addColumn<bool>("full");
        QTest::newRow("demo") << false;
        QTest::newRow("full capacity") << true;
    }
    void writingWhatWasReadGivesTheSameBytes()
    {
        QFETCH(bool, full);
        const Image first = imageOf(full ? samples::fullCapacityDatabase() : samples::demoDatabase());
        QVERIFY(imageOf(databaseOf(first)) == first);
    }

    void foreignImageIsBroughtToCanonicalForm()
    {
        Image image = imageOf(samples::demoDatabase());
        const Image canonical = image;
        const ImageOffsets at(image);
        Image foreign = image;
        foreign[6] = 'B';                                        // start marker
        foreign[at.transponders - 8] = 0;                        // end marker
        foreign[at.channel(58)] = 0x77;                          // end marker after the channels
        foreign[at.channel(58) + 10] = 0x00;                     // fill in region A
        std::fill(foreign.begin() + 0x44000, foreign.end(), 0x00);
        foreign[at.satellite(0) + 26] = 99;                      // number copy
        foreign[at.satellite(1) + 2 + 15] = 'Z';                 // name byte beyond nameLen
        foreign[at.channel(0) + 13 + 15] = 'Z';
        QVERIFY(foreign != canonical);
        QVERIFY(imageOf(databaseOf(foreign)) == canonical);
    }

    void canonicalFormRewritesOddValues()
    {
        Image image = imageOf(oneSatellite({"Sat", 9750, 10600, SwitchType::Diseqc10, 2, 0, 130}));
        const std::size_t sat = ImageOffsets(image).satellite(0);
        image[sat + 28] = 0x07;                                   // DiSEqC 1.0 port 7
        image[sat + 29] = 0x00; image[sat + 30] = 0x20; image[sat + 31] = 0x03;   // 200,3 East
        image[sat + 2] = 0xF5;                                    // name byte above the letters
        const ChannelDatabase db = databaseOf(image);
        const Image written = imageOf(db);
        QCOMPARE(int(written[sat + 28]), 0x00);
        QCOMPARE(int(written[sat + 30]), 0x15);                   // mirrored to 159,7
        QCOMPARE(int(written[sat + 31]), 0x97);
        QVERIFY(written[sat + 27] & LnbFlag::West);
        QCOMPARE(int(written[sat + 2]), 0xE5);
        // The canonical form is stable.
        QVERIFY(imageOf(databaseOf(written)) == written);
    }

    void longitudesTheRowCannotShowGoBackAsTheyCame_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("west");
        QTest::addColumn<QString>("shown");
        QTest::newRow("erased") << QByteArray("\xFF\xFF\xFF", 3) << false << "FF FF FF";
        QTest::newRow("erased, west") << QByteArray("\xFF\xFF\xFF", 3) << true << "FF FF FF";
        QTest::newRow("damaged tenths") << QByteArray("\x00\x16\x8C", 3) << false << "00 16 8C";
        QTest::newRow("400,0") << QByteArray("\x00\x40\x00", 3) << false << "400,0";
        QTest::newRow("360,5 west") << QByteArray("\x00\x36\x05", 3) << true << "360,5";
    }
    void longitudesTheRowCannotShowGoBackAsTheyCame()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, west);
        Image image = imageOf(oneSatellite({"Sat", 9750, 10600, SwitchType::Usals, 2, 5, 130}));
        const std::size_t sat = ImageOffsets(image).satellite(0);
        std::memcpy(&image[sat + 29], stored.constData(), 3);
        image[sat + 27] = std::uint8_t(west ? image[sat + 27] | LnbFlag::West : image[sat + 27] & ~LnbFlag::West);

        ChannelDatabase db = databaseOf(image);
        QTEST(QString::fromStdString(rowTextsOf(db.satellites[0]).longitude), "shown");
        QCOMPARE(rowTextsOf(db.satellites[0]).hemisphere, std::string(west ? "W" : "E"));
        QVERIFY(imageOf(db) == image);

        // Edited by the satellite dialog, it takes what the user typed.
        db.satellites[0].usalsLongitude = longitudeOfTenths(192);
        db.satellites[0].west = false;
        const Image edited = imageOf(db);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(&edited[sat + 29]), 3), QByteArray("\x00\x01\x92", 3));
    }

    void emptyFavouriteSlotsMoveBehind()
    {
        Image image = imageOf(samples::demoDatabase());
        const std::size_t group = ImageOffsets(image).tvFavourites + 160 * 5;
        poke16(image, group + 10, 3);                             // slots 0..4 empty, then 3
        const Image written = imageOf(databaseOf(image));
        QCOMPARE(int(peek16(written, group)), 3);
        QCOMPARE(int(peek16(written, group + 10)), 0xFFFF);
    }

    void writerLeavesTheDatabaseUnchanged()
    {
        const ChannelDatabase db = samples::demoDatabase();
        const ChannelDatabase copy = db;
        (void)imageOf(db);
        QCOMPARE(db.groupNames, copy.groupNames);
        QCOMPARE(db.channels[0].name, copy.channels[0].name);
        QVERIFY(db.satellites == copy.satellites);
    }
};

QTEST_APPLESS_MAIN(TestImageWriter)
#include "tst_imagewriter.moc"
