// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "TestImages.h"
#include "model/ImageCheck.h"
#include "model/Repair.h"
#include "tools/samples/DatabaseBuilder.h"
#include "tools/samples/SampleDatabases.h"

using namespace k510;
using namespace k510::testing;
using Order = std::vector<std::uint16_t>;

Q_DECLARE_METATYPE(Order)

namespace {

// TV channels 1..5 in the order 3, 1, 5, 2, 4, radio 1..3 in the order 2, 3,
// 1; TV group 1 holds 5, 2, 2 and radio group 2 holds 3.
ChannelDatabase smallDatabase()
{
    samples::DatabaseBuilder builder;
    builder.addSatellite({"A"});
    builder.addTransponder(1, 10700, 'H', 27500, 3);
    for (int n = 1; n <= 5; ++n)
        builder.addTv(1, {"tv", 100 + n});
    for (int r = 1; r <= 3; ++r)
        builder.addRadio(1, {"radio", 200 + r});
    builder.setTvOrder({3, 1, 5, 2, 4});
    builder.setRadioOrder({2, 3, 1});
    builder.setTvGroup(1, "TV", {5, 2, 2});
    builder.setRadioGroup(2, "Radio", {3});
    return builder.build();
}

} // namespace

class TestImageCheck : public QObject {
    Q_OBJECT

private slots:
    void consistentImagesAreClean()
    {
        for (const auto &db : {samples::demoDatabase(), samples::fullCapacityDatabase(), ChannelDatabase{}}) {
            const CheckResult result = checkImage(imageOf(db));
            QVERIFY(result.readable);
            QVERIFY2(result.problems.empty(), result.problems.empty() ? "" : result.problems.front().c_str());
        }
    }

    void everyBreakIsReported_data()
    {
        QTest::addColumn<int>("breakage");
        QTest::addColumn<QString>("problem");
        QTest::newRow("transponder on no satellite") << 0 << "транспондер 3: спутник 0 не существует";
        QTest::newRow("channel on no transponder") << 1 << "канал 2: транспондер 31 не существует";
        QTest::newRow("tv order repeats") << 2 << "порядок ТВ: номер 23 встречается больше одного раза";
        QTest::newRow("radio order out of range") << 3 << "порядок радио: запись 1 = 18 вне диапазона 1..17";
        QTest::newRow("favourite names no channel") << 4 << "избранные ТВ 2, позиция 1: канал 42 не существует";
        QTest::newRow("invalid type") << 5 << "канал 1: неверный тип канала 3";
        QTest::newRow("radio in the TV block") << 6 << "канал 1: радиоканал среди ТВ каналов";
        QTest::newRow("long name") << 7 << "канал 4: длина имени 20 больше 16";
        QTest::newRow("satellite long name") << 8 << "спутник 6: длина имени 17 больше 16";
    }
    void everyBreakIsReported()
    {
        QFETCH(int, breakage);
        QFETCH(QString, problem);
        Image image = imageOf(samples::demoDatabase());
        const ImageOffsets at(image);
        switch (breakage) {
        case 0: image[at.transponder(2)] = 0; break;
        case 1: poke16(image, at.channel(1) + 2, 31); break;
        case 2: poke16(image, layout::kOrdersOffset + 2, 23); break;
        case 3: poke16(image, layout::kOrdersOffset + 2 * 41, 18); break;
        case 4: poke16(image, at.tvFavourites + 160, 42); break;
        case 5: image[at.channel(0) + 29] = 0x0C; break;
        case 6: image[at.channel(0) + 29] = 0x08; break;
        case 7: image[at.channel(3) + 12] = 20; break;
        case 8: image[at.satellite(5) + 1] = 17; break;
        }
        const CheckResult result = checkImage(image);
        QVERIFY(result.readable);
        QVERIFY2(std::find(result.problems.begin(), result.problems.end(), problem.toStdString()) != result.problems.end(),
                 qPrintable(QString::fromStdString(result.problems.empty() ? "(none)" : result.problems.front())));
    }

    void countsThatDoNotAddUp()
    {
        Image image = imageOf(samples::demoDatabase());
        poke16(image, layout::kChannelCountOffset, 57);
        const CheckResult result = checkImage(image);
        QVERIFY(std::find(result.problems.begin(), result.problems.end(),
                          std::string("каналов 57, а в списках порядка 41 ТВ и 17 радио")) != result.problems.end());
    }

    void numberingProblemsOfADatabase_data()
    {
        QTest::addColumn<int>("breakage");
        QTest::addColumn<QString>("problem");
        QTest::newRow("sound") << 0 << QString();
        QTest::newRow("tv order repeats") << 1 << "порядок ТВ: номер 23 встречается больше одного раза";
        QTest::newRow("radio favourite names no channel") << 2 << "избранные радио 3, позиция 1: канал 18 не существует";
        QTest::newRow("group over capacity") << 3 << "избранные ТВ 12: больше 80 записей";
        QTest::newRow("channel on no transponder") << 4 << "канал 2: транспондер 99 не существует";
        QTest::newRow("transponder on no satellite") << 5 << "транспондер 1: спутник 7 не существует";
        QTest::newRow("TV channel in the radio block") << 6 << "канал 58: ТВ канал среди радиоканалов";
        QTest::newRow("records and order lists disagree") << 7 << "каналов 57, а в списках порядка 41 ТВ и 17 радио";
        QTest::newRow("stale index list") << 8 << "транспондер 1: список каналов устарел";
    }
    void numberingProblemsOfADatabase()
    {
        QFETCH(int, breakage);
        QFETCH(QString, problem);
        ChannelDatabase db = samples::demoDatabase();
        switch (breakage) {
        case 1: db.tvOrder[1] = db.tvOrder[0]; break;
        case 2: db.radioFavourites[2] = {18}; break;
        case 3: db.tvFavourites[11].assign(81, 1); break;
        case 4: db.channels[1].tpNumber = 99; break;
        case 5: db.transponders[0].satNumber = 7; break;
        case 6: db.channels.back().setServiceType(ServiceType::Tv); break;
        case 7: db.channels.pop_back(); break;
        case 8: db.transponders[0].tvChannelIndices.clear(); break;
        }
        std::vector<std::string> problems = numberingProblems(db);
        if (problem.isEmpty()) {
            QVERIFY2(problems.empty(), problems.empty() ? "" : problems.front().c_str());
            return;
        }
        QVERIFY2(std::find(problems.begin(), problems.end(), problem.toStdString()) != problems.end(),
                 problems.empty() ? "no problem found" : problems.front().c_str());
    }

    // Each kind of break the reader lets through, patched into a written
    // image: the repair says what it changed, and its database passes both
    // checks; an image without a break comes back byte for byte.
    void repairMakesTheNumberingSound_data()
    {
        QTest::addColumn<int>("breakage");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<Order>("tvOrder");
        QTest::addColumn<Order>("radioOrder");
        const Order tv{3, 1, 5, 2, 4}, radio{2, 3, 1};
        QTest::newRow("nothing broken") << 0 << QStringList{} << tv << radio;
        QTest::newRow("TV order entry 0")
            << 1 << QStringList{"порядок ТВ: убрана запись 2 = 0 (вне диапазона 1..5)", "порядок ТВ: в конец добавлен номер 1"}
            << Order{3, 5, 2, 4, 1} << radio;
        QTest::newRow("TV order entry beyond T")
            << 2 << QStringList{"порядок ТВ: убрана запись 1 = 7 (вне диапазона 1..5)", "порядок ТВ: в конец добавлен номер 3"}
            << Order{1, 5, 2, 4, 3} << radio;
        QTest::newRow("TV order repeats")
            << 3
            << QStringList{"порядок ТВ: убрана запись 2 = 3 (повтор)", "порядок ТВ: убрана запись 3 = 3 (повтор)",
                           "порядок ТВ: убрана запись 4 = 3 (повтор)", "порядок ТВ: в конец добавлены номера 1-2, 5"}
            << Order{3, 4, 1, 2, 5} << radio;
        QTest::newRow("radio order out of range and repeating")
            << 4
            << QStringList{"порядок радио: убрана запись 1 = 65535 (вне диапазона 1..3)",
                           "порядок радио: убрана запись 3 = 1 (повтор)", "порядок радио: в конец добавлены номера 2-3"}
            << tv << Order{1, 2, 3};
        // The TV group's repeated 2 is no break and stays.
        QTest::newRow("favourites naming no channel")
            << 5
            << QStringList{"избранные ТВ 1: убрана позиция 1 (канал 0 не существует)",
                           "избранные ТВ 3: убрана позиция 1 (канал 6 не существует)",
                           "избранные радио 2: убрана позиция 2 (канал 4 не существует)"}
            << tv << radio;
    }
    void repairMakesTheNumberingSound()
    {
        QFETCH(int, breakage);
        QFETCH(QStringList, changes);
        Image image = imageOf(smallDatabase());
        const ImageOffsets at(image);
        const auto tvEntry = [](std::size_t k) { return layout::kOrdersOffset + 2 * k; };
        const auto radioEntry = [](std::size_t k) { return layout::kOrdersOffset + 2 * (5 + k); };
        switch (breakage) {
        case 1: poke16(image, tvEntry(1), 0); break;
        case 2: poke16(image, tvEntry(0), 7); break;
        case 3:
            for (std::size_t k : {1, 2, 3})
                poke16(image, tvEntry(k), 3);
            poke16(image, tvEntry(4), 4);
            break;
        case 4: poke16(image, radioEntry(0), 0xFFFF); poke16(image, radioEntry(1), 1); break;
        case 5:
            poke16(image, at.tvFavourites, 0);
            poke16(image, at.tvFavourites + 2 * 160, 6);
            poke16(image, at.radioFavourites + 160 + 2, 4);
            break;
        }
        QCOMPARE(checkImage(image).problems.empty(), breakage == 0);

        ChannelDatabase db = databaseOf(image);
        QStringList made;
        for (const std::string &change : repairNumbering(db))
            made << QString::fromStdString(change);
        QCOMPARE(made, changes);
        QTEST(db.tvOrder, "tvOrder");
        QTEST(db.radioOrder, "radioOrder");
        const std::vector<std::string> problems = numberingProblems(db);
        QVERIFY2(problems.empty(), problems.empty() ? "" : problems.front().c_str());
        const Image repaired = imageOf(db);
        const CheckResult check = checkImage(repaired);
        QVERIFY2(check.problems.empty(), check.problems.empty() ? "" : check.problems.front().c_str());
        if (changes.isEmpty())
            QVERIFY(repaired == image);
        QVERIFY(repairNumbering(db).empty());
    }

    void wrongSizeIsNotAnImage()
    {
        QVERIFY(!checkImage(Image(100, 0xFF)).readable);
    }
};

QTEST_APPLESS_MAIN(TestImageCheck)
#include "tst_imagecheck.moc"
