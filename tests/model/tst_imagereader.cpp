// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "TestImages.h"
#include "model/DisplayTexts.h"
#include "model/TextCodec.h"
#include "tools/samples/DatabaseBuilder.h"
#include "tools/samples/SampleDatabases.h"

using namespace k510;
using namespace k510::testing;

namespace {

Image emptyImage() { return imageOf(ChannelDatabase{}); }

// Two satellites, three transponders, four TV and two radio channels.
ChannelDatabase smallDatabase()
{
    samples::DatabaseBuilder b;
    b.addSatellite({"Hot Bird", 9750, 10600, SwitchType::Diseqc10, 1, 0, 130});
    b.addSatellite({"Amos", 0, 10750, SwitchType::Usals, 0, 0, 40, true});
    b.addTransponder(1, 11200, 'V', 27500, 3);
    b.addTransponder(2, 10722, 'H', 27500, 2);
    b.addTransponder(1, 12111, 'V', 27500, 5);
    b.addTv(1, {"Rai 1", 1});
    b.addTv(2, {"Первый", 2});
    b.addTv(3, {"Arte", 3});
    b.addTv(1, {"Euronews", 4});
    b.addRadio(2, {"Маяк", 5});
    b.addRadio(3, {"SWR3", 6});
    b.setTvGroup(1, "Новости", {4, 2});
    b.setRadioGroup(12, "Радио", {2});
    return b.build();
}

} // namespace

class TestImageReader : public QObject {
    Q_OBJECT

private slots:
    void wrongSizesAreRefused_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("one short") << 294911;
        QTest::newRow("one over") << 294913;
        QTest::newRow("1000 bytes") << 1000;
        QTest::newRow("empty") << 0;
    }
    void wrongSizesAreRefused()
    {
        QFETCH(int, size);
        Image image = imageOf(smallDatabase());
        image.resize(std::size_t(size), 0xFF);
        const ReadResult result = readImage(image);
        QVERIFY(!result.ok());
        QCOMPARE(QString::fromStdString(result.error), QString("Загрузка файла: Ошибка, файл имеет не тот размер!"));
    }

    void readsEveryPartOfTheImage()
    {
        const ChannelDatabase db = databaseOf(imageOf(smallDatabase()));
        QCOMPARE(db.satellites.size(), std::size_t(2));
        QCOMPARE(db.transponders.size(), std::size_t(3));
        QCOMPARE(db.channels.size(), std::size_t(6));
        QCOMPARE(db.tvOrder, (std::vector<std::uint16_t>{1, 2, 3, 4}));
        QCOMPARE(db.radioOrder, (std::vector<std::uint16_t>{1, 2}));
        QCOMPARE(db.channels[1].nameText(), utf8ToWindows1251("Первый"));
        QCOMPARE(rowTextsOf(db.satellites[1]).name, std::string("Amos"));
        QCOMPARE(rowTextsOf(db.satellites[1]).hemisphere, std::string("W"));
        QCOMPARE(db.satellites[0].transponderIndices, (std::vector<int>{0, 2}));
        QCOMPARE(db.transponders[0].tvChannelIndices, (std::vector<int>{0, 3}));
        QCOMPARE(db.transponders[1].radioChannelIndices, (std::vector<int>{4}));
        QCOMPARE(db.tvFavourites[0], (FavouriteGroup{4, 2}));
        QCOMPARE(db.radioFavourites[11], (FavouriteGroup{2}));
        QCOMPARE(db.tvGroupName(1), utf8ToWindows1251("Новости"));
        QCOMPARE(db.radioGroupName(12), utf8ToWindows1251("Радио"));
    }

    void emptyImageStillRebuildsFavourites()
    {
        Image image = emptyImage();
        const ImageOffsets at(image);
        poke16(image, at.tvFavourites, 7);
        poke16(image, at.radioFavourites + 160 * 11 + 2 * 79, 3);
        const ChannelDatabase db = databaseOf(image);
        QVERIFY(db.satellites.empty() && db.channels.empty() && db.tvOrder.empty());
        QCOMPARE(db.tvFavourites[0], (FavouriteGroup{7}));
        QCOMPARE(db.radioFavourites[11], (FavouriteGroup{3}));
    }

    void favouriteSlotsCloseUp()
    {
        Image image = emptyImage();
        const ImageOffsets at(image);
        poke16(image, at.tvFavourites + 160 * 2, 5);
        poke16(image, at.tvFavourites + 160 * 2 + 4, 7);
        poke16(image, at.tvFavourites + 160 * 2 + 8, 0);   // 0 is a value, not an empty slot
        const ChannelDatabase db = databaseOf(image);
        QCOMPARE(db.tvFavourites[2], (FavouriteGroup{5, 7, 0}));
    }

    void markersAndTheUnusedBlockDoNotMatter()
    {
        Image image = imageOf(smallDatabase());
        const Image original = image;
        image[6] = 'X';
        image[layout::kRegionBStart] = 0;
        std::fill(image.begin() + layout::kUnusedBlockOffset, image.end(), 0x42);
        const WriteResult again = writeImage(databaseOf(image));
        QVERIFY(again.ok());
        QVERIFY(again.image == original);
    }

    void zeroTransponderRefusesWithItsPosition_data()
    {
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("message");
        QTest::newRow("first") << 0 << "Сейчас программа упадет! Найден 0-ой транспондер на канале 0";
        QTest::newRow("fifth") << 4 << "Сейчас программа упадет! Найден 0-ой транспондер на канале 4";
    }
    void zeroTransponderRefusesWithItsPosition()
    {
        QFETCH(int, channel);
        Image image = imageOf(smallDatabase());
        poke16(image, ImageOffsets(image).channel(std::size_t(channel)) + 2, 0);
        const ReadResult result = readImage(image);
        QVERIFY(!result.ok());
        QTEST(QString::fromStdString(result.error), "message");
    }

    void brokenReferencesRefuseTheImage_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("transponder on satellite 0") << 0 << 0
            << "Загрузка файла: Ошибка, транспондер 2 ссылается на несуществующий спутник 0!";
        QTest::newRow("transponder on satellite 3 of 2") << 0 << 3
            << "Загрузка файла: Ошибка, транспондер 2 ссылается на несуществующий спутник 3!";
        QTest::newRow("channel on transponder 4 of 3") << 1 << 4
            << "Загрузка файла: Ошибка, канал 5 ссылается на несуществующий транспондер 4!";
        QTest::newRow("tv order of 6001") << 2 << 6001
            << "Загрузка файла: Ошибка, список порядка каналов длиннее 6000 записей (ТВ: 6001, радио: 2)!";
        QTest::newRow("region A overrun") << 3 << 8190
            << "Загрузка файла: Ошибка, записи спутников (2), транспондеров (3) и каналов (8190) не помещаются в образ!";
    }
    void brokenReferencesRefuseTheImage()
    {
        QFETCH(int, field);
        QFETCH(int, value);
        Image image = imageOf(smallDatabase());
        const ImageOffsets at(image);
        switch (field) {
        case 0: image[at.transponder(1)] = std::uint8_t(value); break;
        case 1: poke16(image, at.channel(5) + 2, std::uint16_t(value)); break;
        case 2: poke16(image, layout::kTvOrderCountOffset, std::uint16_t(value)); break;
        case 3: poke16(image, layout::kChannelCountOffset, std::uint16_t(value)); break;
        }
        const ReadResult result = readImage(image);
        QVERIFY(!result.database.has_value());
        QTEST(QString::fromStdString(result.error), "message");
    }

    void regionABoundary_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<QString>("message");
        // 30 + 32 * 8191 = 262142 bytes still fit below 0x40000, so the
        // records are read: the first lies on the markers (transponder 0x0505).
        QTest::newRow("8191 fit") << 8191
            << "Загрузка файла: Ошибка, канал 0 ссылается на несуществующий транспондер 1285!";
        QTest::newRow("8192 overrun") << 8192
            << "Загрузка файла: Ошибка, записи спутников (0), транспондеров (0) и каналов (8192) не помещаются в образ!";
    }
    void regionABoundary()
    {
        QFETCH(int, channels);
        Image image = emptyImage();
        poke16(image, layout::kChannelCountOffset, std::uint16_t(channels));
        QTEST(QString::fromStdString(readImage(image).error), "message");
    }

    void fullCapacityImageIsAccepted()
    {
        const ReadResult result = readImage(imageOf(samples::fullCapacityDatabase()));
        QVERIFY2(result.ok(), result.error.c_str());
        QCOMPARE(result.database->tvOrder.size(), std::size_t(6000));
        QCOMPARE(result.database->tvFavourites[11].size(), std::size_t(80));
    }

    void invalidChannelTypeWarnsAndKeepsTheChannel()
    {
        Image image = imageOf(smallDatabase());
        image[ImageOffsets(image).channel(2) + 29] = 0x0C;   // type 3
        const ReadResult result = readImage(image);
        QVERIFY(result.ok());
        QCOMPARE(result.warnings, std::vector<std::string>{"Ошибка типа канала!"});
        const ChannelDatabase &db = *result.database;
        QCOMPARE(db.channels.size(), std::size_t(6));
        QCOMPARE(db.channels[2].serviceType(), 3);
        for (const auto &tp : db.transponders) {
            QVERIFY(std::find(tp.tvChannelIndices.begin(), tp.tvChannelIndices.end(), 2) == tp.tvChannelIndices.end());
            QVERIFY(std::find(tp.radioChannelIndices.begin(), tp.radioChannelIndices.end(), 2)
                    == tp.radioChannelIndices.end());
        }
    }

    void overlongNamesAreCutToTheField()
    {
        Image image = imageOf(smallDatabase());
        const ImageOffsets at(image);
        image[at.satellite(0) + 1] = 200;
        image[at.channel(0) + 12] = 17;
        const ChannelDatabase db = databaseOf(image);
        QCOMPARE(int(db.satellites[0].name.size()), 16);
        QCOMPARE(rowTextsOf(db.satellites[0]).name.size(), std::size_t(16));
        QCOMPARE(int(db.channels[0].nameLen), 16);
    }

    void outOfRangeOrderAndFavouriteEntriesAreAccepted()
    {
        Image image = imageOf(smallDatabase());
        const ImageOffsets at(image);
        poke16(image, layout::kOrdersOffset, 999);
        poke16(image, at.tvFavourites, 0xFFFE);
        const ChannelDatabase db = databaseOf(image);
        QCOMPARE(int(db.tvOrder[0]), 999);
        QCOMPARE(int(db.tvFavourites[0][0]), 0xFFFE);
        QVERIFY(!db.tvChannel(999));
        QCOMPARE(db.channelIndexOfTvOrder(0), -1);
    }
};

QTEST_APPLESS_MAIN(TestImageReader)
#include "tst_imagereader.moc"
