// SPDX-License-Identifier: GPL-3.0-or-later
// Transponders from a satellites.xml list: reading the list, planning the
// update of one satellite, and applying the rows chosen.

#include <QFile>
#include <QTest>

#include <algorithm>

#include "RealSatellitesList.h"
#include "lists/SatellitesXml.h"
#include "model/Conversions.h"
#include "model/ImageCheck.h"
#include "model/ImageWriter.h"
#include "model/TransponderUpdate.h"
#include "tools/samples/DatabaseBuilder.h"
#include "tools/samples/SampleDatabases.h"

using namespace k510;

namespace {

QByteArray listOf(const QByteArray &transponders, const QByteArray &position = "130")
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<satellites>\n<sat name=\"Hot Bird (13.0E)\" flags=\"0\" position=\""
           + position + "\">\n" + transponders + "\n</sat>\n</satellites>\n";
}

// Hot Bird at 13.0E with 11727 H 27500 and 12000 V 27500, and a second satellite.
ChannelDatabase hotBirdDatabase()
{
    samples::DatabaseBuilder builder;
    builder.addSatellite({"Hot Bird", 9750, 10600, SwitchType::None, 0, 0, 130});
    builder.addSatellite({"Astra", 9750, 10600, SwitchType::None, 0, 0, 192});
    builder.addTransponder(1, 11727, 'H', 27500, 3);
    builder.addTransponder(1, 12000, 'V', 27500, 3);
    builder.addTransponder(2, 11766, 'H', 27500, 3);
    return builder.build();
}

bool imageChecks(const ChannelDatabase &db)
{
    const WriteResult written = writeImage(db);
    return written.ok() && checkImage(written.image).problems.empty() && numberingProblems(db).empty();
}

// A list the size real ones reach: satellites of 60 transponders each,
// about 3 MB; one transponder of the middle satellite has no frequency.
QByteArray realSizeList(int satellites)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- made by the test -->\n<satellites>\n";
    for (int s = 0; s < satellites; ++s) {
        xml += "\t<sat name=\"Satellite " + QByteArray::number(s) + "\" flags=\"0\" position=\""
               + QByteArray::number(s * 7 % 3600 - 1800) + "\">\n";
        for (int t = 0; t < 60; ++t) {
            const bool broken = s == satellites / 2 && t == 30;
            xml += "\t\t<transponder " + QByteArray(broken ? "" : "frequency=\"" + QByteArray::number(10700000 + t * 29500) + "\" ")
                   + "symbol_rate=\"27500000\" polarization=\"" + QByteArray::number(t % 4) + "\" fec_inner=\""
                   + QByteArray::number(t % 10) + "\" system=\"" + QByteArray::number(t % 9 == 0) + "\" modulation=\"1\" "
                   + "tsid=\"" + QByteArray::number(t) + "\" onid=\"1\"/>\n";
        }
        xml += "\t</sat>\n";
    }
    return xml + "</satellites>\n";
}

} // namespace

class TestSatellitesXml : public QObject {
    Q_OBJECT

private slots:
    void reading_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("error");   // start of the refusal, or empty
        QTest::addColumn<int>("transponders");
        QTest::addColumn<QStringList>("unusable");   // of the satellite, then of the file

        const QByteArray good = "<transponder frequency=\"11727000\" symbol_rate=\"27500000\" polarization=\"0\" fec_inner=\"3\"/>";
        QTest::newRow("sound") << listOf(good) << QString() << 1 << QStringList();
        QTest::newRow("unknown attributes are ignored")
            << listOf("<transponder frequency=\"11727000\" symbol_rate=\"27500000\" polarization=\"0\" pls_mode=\"0\" t2mi_plp_id=\"1\"/>")
            << QString() << 1 << QStringList();
        QTest::newRow("comments and blank lines") << listOf("<!-- new -->\n\n" + good + "\n\n") << QString() << 1 << QStringList();
        QTest::newRow("unknown element inside a satellite")
            << listOf(good + "\n<beam name=\"x\"><t/></beam>") << QString() << 1
            << QStringList{"строка 5: неизвестный элемент <beam>"};
        QTest::newRow("missing frequency")
            << listOf("<transponder symbol_rate=\"27500000\" polarization=\"0\"/>\n" + good) << QString() << 1
            << QStringList{"строка 4: транспондер без частоты"};
        QTest::newRow("frequency not a number")
            << listOf("<transponder frequency=\"11,7 GHz\" symbol_rate=\"27500000\" polarization=\"0\"/>") << QString() << 0
            << QStringList{"строка 4: частота «11,7 GHz» не число"};
        QTest::newRow("symbol rate that rounds to nothing")
            << listOf("<transponder frequency=\"11727000\" symbol_rate=\"499\" polarization=\"0\"/>") << QString() << 0
            << QStringList{"строка 4: символьная скорость «499» вне диапазона 500…999999499"};
        QTest::newRow("polarisation out of range")
            << listOf("<transponder frequency=\"11727000\" symbol_rate=\"27500000\" polarization=\"4\"/>") << QString() << 0
            << QStringList{"строка 4: поляризация «4» вне диапазона 0…3"};
        QTest::newRow("satellite whose position is no number")
            << listOf(good, "east") << QString() << -1
            << QStringList{"строка 3: спутник «Hot Bird (13.0E)»: позиция «east» не число; транспондеров пропущено: 1"};
        QTest::newRow("satellite whose position is out of range")
            << listOf(good, "1801") << QString() << -1
            << QStringList{"строка 3: спутник «Hot Bird (13.0E)»: позиция «1801» вне диапазона -1800…1800; "
                           "транспондеров пропущено: 1"};
        QTest::newRow("system out of range")
            << listOf("<transponder frequency=\"11727000\" symbol_rate=\"27500000\" polarization=\"0\" system=\"2\"/>")
            << QString() << 0 << QStringList{"строка 4: система «2» вне диапазона 0…1"};
        QTest::newRow("unknown element beside the satellites")
            << QByteArray("<satellites><region/>\n<sat name=\"A\" position=\"10\"><transponder frequency=\"11000000\" "
                          "symbol_rate=\"27500000\" polarization=\"1\"/></sat></satellites>")
            << QString() << 1 << QStringList{"строка 1: неизвестный элемент <region>"};
        QTest::newRow("not XML") << QByteArray("frequency;symbol_rate\n11727;27500\n")
                                 << QStringLiteral("Файл не является списком satellites.xml: строка 1, столбец 1: "
                                                   "ошибка в разметке XML") << -1 << QStringList();
        QTest::newRow("empty") << QByteArray("\n") << QStringLiteral("Файл не является списком satellites.xml: файл пуст")
                               << -1 << QStringList();
        QTest::newRow("cut off") << listOf(good).left(120)
                                 << QStringLiteral("Файл не является списком satellites.xml: строка 4, столбец 13: "
                                                   "файл обрывается, не закончив список") << -1 << QStringList();
        QTest::newRow("a second root after the list")
            << listOf(good) + "<satellites/>\n"
            << QStringLiteral("Файл не является списком satellites.xml: строка 7, столбец 13: после конца списка "
                              "</satellites> идёт ещё текст (например, второй документ XML)") << -1 << QStringList();
        QTest::newRow("a comment after the list") << listOf(good) + "<!-- end -->\n" << QString() << 1 << QStringList();
        QTest::newRow("another root") << QByteArray("<channels><sat/></channels>")
                                      << QStringLiteral("Файл не является списком satellites.xml: строка 1, столбец 10: "
                                                        "корневой элемент <channels>, а не <satellites>")
                                      << -1 << QStringList();
    }

    void reading()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, error);
        QFETCH(int, transponders);
        QFETCH(QStringList, unusable);

        const SatellitesList list = readSatellitesXml(xml);
        const QString refusal = list.ok() ? QString() : QString::fromStdString(refusalText(*list.refusal));
        QCOMPARE(refusal, error);
        if (!list.ok()) {
            QVERIFY(list.satellites.empty() && list.unusable.empty());
            return;
        }
        QStringList named;
        for (const ListSatellite &satellite : list.satellites)
            for (const UnusableEntry &entry : satellite.unusable)
                named << QString::fromStdString(entry.text());
        for (const UnusableEntry &entry : list.unusable)
            named << QString::fromStdString(entry.text());
        QCOMPARE(named, unusable);
        if (transponders < 0) {
            QVERIFY(list.satellites.empty());
            return;
        }
        QCOMPARE(list.satellites.size(), std::size_t(1));
        QCOMPARE(int(list.satellites.front().transponders.size()), transponders);
    }

    void planning_data()
    {
        QTest::addColumn<QByteArray>("transponder");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("polarisation");   // the receiver's
        QTest::addColumn<int>("fec");
        QTest::addColumn<bool>("ticked");   // when offered

        const auto row = [](const char *name, int frequency, int rate, int polarisation, int fec, int system = 0) -> QTestData & {
            return QTest::newRow(name) << (QByteArray("<transponder frequency=\"") + QByteArray::number(frequency)
                                           + "\" symbol_rate=\"" + QByteArray::number(rate) + "\" polarization=\""
                                           + QByteArray::number(polarisation) + "\" fec_inner=\""
                                           + QByteArray::number(fec) + "\" system=\"" + QByteArray::number(system) + "\"/>");
        };
        row("H present", 11727000, 27500000, 0, 3) << "уже есть" << 0 << 3 << false;
        row("V present", 12000000, 27500000, 1, 3) << "уже есть" << 1 << 3 << false;
        row("L is H", 11727000, 27500000, 2, 3) << "уже есть" << 0 << 3 << false;
        row("R is V", 12000000, 27500000, 3, 3) << "уже есть" << 1 << 3 << false;
        row("other polarisation is new", 11727000, 27500000, 1, 2) << "новый" << 1 << 2 << true;
        row("R beside an H one is new", 11727000, 27500000, 3, 2) << "новый" << 1 << 2 << true;
        row("frequency shift", 11728000, 27500000, 0, 3) << "частота изменится: 11727 → 11728" << 0 << 3 << false;
        row("half megahertz rounds up", 11728500, 27500000, 0, 3) << "частота изменится: 11727 → 11729" << 0 << 3 << false;
        row("2 MHz is the same transponder", 11998000, 27500000, 1, 3) << "частота изменится: 12000 → 11998" << 1 << 3 << false;
        row("3 MHz is another", 11724000, 27500000, 0, 1) << "новый" << 0 << 1 << true;
        row("symbol rate change", 11727000, 30000000, 0, 3) << "символьная скорость изменится: 27500 → 30000" << 0 << 3 << false;
        row("both change", 11726000, 22000000, 0, 3)
            << "частота изменится: 11727 → 11726, символьная скорость: 27500 → 22000" << 0 << 3 << false;
        row("DVB-S2", 11900000, 27500000, 0, 3, 1) << "DVB-S2: приёмник не принимает" << 0 << 3 << false;
        row("DVB-S2 of a present one", 11727000, 27500000, 0, 3, 1) << "DVB-S2: приёмник не принимает" << 0 << 3 << false;
        row("fec AUTO", 11500000, 27500000, 0, 0) << "новый" << 0 << 0 << true;
        row("fec 7/8", 11500000, 27500000, 0, 5) << "новый" << 0 << 5 << true;
        row("fec 8/9 becomes AUTO", 11500000, 27500000, 0, 6) << "новый" << 0 << 0 << true;
        row("fec 9/10 becomes AUTO", 11500000, 27500000, 0, 9) << "новый" << 0 << 0 << true;
        row("fec none becomes AUTO", 11500000, 27500000, 0, 15) << "новый" << 0 << 0 << true;
        row("fec negative becomes AUTO", 11500000, 27500000, 0, -1) << "новый" << 0 << 0 << true;
        row("1000 ks/s is ticked", 11500000, 1000000, 0, 3) << "новый" << 0 << 3 << true;
        row("999 ks/s is offered unticked", 11500000, 999000, 0, 3) << "новый, скорость ниже 1000 кс/с" << 0 << 3
                                                                    << false;
    }

    // Each row planned against Hot Bird, then applied ticked: a new one
    // adds exactly that record, a change rewrites its transponder, and the
    // image stays sound either way.
    void planning()
    {
        QFETCH(QByteArray, transponder);
        QFETCH(QString, text);
        QFETCH(int, polarisation);
        QFETCH(int, fec);
        QFETCH(bool, ticked);

        const SatellitesList list = readSatellitesXml(listOf(transponder));
        QVERIFY(list.ok());
        ChannelDatabase db = hotBirdDatabase();
        const TransponderUpdatePlan plan = planTransponderUpdate(db, 0, list, 0);
        QCOMPARE(plan.rows.size(), std::size_t(1));
        const PlannedTransponder &row = plan.rows.front();
        QCOMPARE(QString::fromStdString(row.text), text);
        QCOMPARE(int(row.polarisation), polarisation);
        QCOMPARE(int(row.fec), fec);
        QCOMPARE(defaultChoice(plan), std::vector<bool>{ticked});

        const ChannelDatabase before = db;
        const auto outcome = applyTransponderUpdate(db, plan, {true});
        QVERIFY(outcome);
        QCOMPARE(outcome->added, row.fate == ListTransponderFate::New ? 1 : 0);
        QCOMPARE(outcome->changed, row.fate == ListTransponderFate::Changes ? 1 : 0);
        QVERIFY(imageChecks(db));
        if (row.fate == ListTransponderFate::New) {
            QCOMPARE(db.transponders.size(), before.transponders.size() + 1);
            const Transponder &added = db.transponders.back();
            QCOMPARE(int(added.satNumber), 1);
            QCOMPARE(int(added.polarisation), polarisation);
            QCOMPARE(int(added.fec), fec);
            QCOMPARE(db.satellites[0].transponderIndices.back(), int(db.transponders.size()) - 1);
        } else if (row.fate != ListTransponderFate::Changes) {
            QVERIFY(db == before);
        }
        // Planned again, what was applied is there.
        const TransponderUpdatePlan again = planTransponderUpdate(db, 0, list, 0);
        if (row.fate == ListTransponderFate::New || row.fate == ListTransponderFate::Changes)
            QCOMPARE(QString::fromStdString(again.rows.front().text), QStringLiteral("уже есть"));
    }

    void fullImageRefusesWhole()
    {
        ChannelDatabase db = samples::fullCapacityDatabase();
        QByteArray rows;
        for (int t = 0; t < 5; ++t)
            rows += "<transponder frequency=\"" + QByteArray::number(3000000 + t * 10000)
                    + "\" symbol_rate=\"27500000\" polarization=\"0\"/>\n";
        const SatellitesList list = readSatellitesXml(listOf(rows));
        const TransponderUpdatePlan plan = planTransponderUpdate(db, 0, list, 0);
        QCOMPARE(plan.count(ListTransponderFate::New), 5);
        const ChannelDatabase before = db;
        QVERIFY(!applyTransponderUpdate(db, plan, defaultChoice(plan)));
        QVERIFY(db == before);
    }

    void realSizeList()
    {
        const QByteArray xml = ::realSizeList(500);
        QVERIFY(xml.size() > 2'500'000);
        const SatellitesList list = readSatellitesXml(xml);
        QVERIFY(list.ok());
        QCOMPARE(list.satellites.size(), std::size_t(500));
        int transponders = 0;
        for (const ListSatellite &satellite : list.satellites)
            transponders += int(satellite.transponders.size());
        QCOMPARE(transponders, 500 * 60 - 1);
        QCOMPARE(list.satellites[250].unusable.size(), std::size_t(1));
        QCOMPARE(list.satellites[250].unusable.front().reason, std::string("транспондер без частоты"));
        QCOMPARE(list.satellites[499].position, 499 * 7 % 3600 - 1800);
    }

    void theRealList()
    {
        const QByteArray xml = realList::bytes();
        if (xml.isEmpty())
            QSKIP("the shared satellites.xml is not beside this clone");
        const SatellitesList list = readSatellitesXml(xml);
        QVERIFY(list.ok());
        QCOMPARE(list.satellites.size(), std::size_t(52));
        int transponders = 0, dvbS2 = 0, circular = 0, unusable = int(list.unusable.size());
        for (const ListSatellite &satellite : list.satellites) {
            transponders += int(satellite.transponders.size());
            unusable += int(satellite.unusable.size());
            for (const ListTransponder &transponder : satellite.transponders) {
                dvbS2 += transponder.system == ListSystem::DvbS2;
                circular += transponder.polarisation >= ListPolarisation::CircularLeft;
            }
        }
        QCOMPARE(transponders, 1916);
        QCOMPARE(dvbS2, 52);
        QVERIFY(circular > 0);
        QCOMPARE(unusable, 0);

        // Every DVB-S transponder of 13.0E goes onto an empty satellite but
        // for the slow ones, the image stays sound, and a second run finds
        // them all there.
        const int hotBird = listSatelliteAt(list, 130);
        QVERIFY(hotBird >= 0);
        samples::DatabaseBuilder builder;
        builder.addSatellite({"Hot Bird", 9750, 10600, SwitchType::None, 0, 0, 130});
        ChannelDatabase db = builder.build();
        QCOMPARE(satellitePosition(db.satellites[0]), std::optional<int>(130));
        const TransponderUpdatePlan plan = planTransponderUpdate(db, 0, list, hotBird);
        const auto slow = std::count_if(plan.rows.begin(), plan.rows.end(), [](const PlannedTransponder &row) {
            return row.fate == ListTransponderFate::New && row.symbolRateKs < kSlowestTickedRateKs;
        });
        const auto outcome = applyTransponderUpdate(db, plan, defaultChoice(plan));
        QVERIFY(outcome && outcome->added > 0);
        QCOMPARE(outcome->added + plan.count(ListTransponderFate::DvbS2) + int(slow),
                 int(list.satellites[std::size_t(hotBird)].transponders.size()));
        QVERIFY(imageChecks(db));
        const TransponderUpdatePlan again = planTransponderUpdate(db, 0, list, hotBird);
        QCOMPARE(again.count(ListTransponderFate::New), int(slow));
        QCOMPARE(again.count(ListTransponderFate::Changes), 0);
    }

    // The lists users met, made from the real one: two documents one after
    // the other are refused at the second's declaration; a byte that is no
    // UTF-8 spoils one name, not the file; a list without 19.2E has no
    // satellite there to offer.
    void damagedRealLists_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<int>("refusedAtLine");   // 0: read
        QTest::addColumn<QList<int>>("replacedLines");
        QTest::addColumn<int>("satellites");
        QTest::addColumn<int>("astra");           // the list's satellite at 19.2E

        const QByteArray real = realList::bytes();
        if (real.isEmpty())
            QSKIP("the shared satellites.xml is not beside this clone");
        const int lines = int(real.count('\n'));
        const int astraLine = realList::satelliteLine(real, 192);
        QTest::newRow("as it is") << real << 0 << QList<int>() << 52 << 24;
        QTest::newRow("two documents") << realList::twoDocuments(real) << lines + 1 << QList<int>() << 0 << -1;
        QTest::newRow("a byte that is no UTF-8") << realList::withBadByte(real, 192) << 0 << QList<int>{astraLine} << 52 << 24;
        QTest::newRow("without 19.2E") << realList::withoutPosition(real, 192) << 0 << QList<int>() << 51 << -1;
    }
    void damagedRealLists()
    {
        QFETCH(QByteArray, xml);
        QFETCH(int, refusedAtLine);
        QFETCH(QList<int>, replacedLines);
        QFETCH(int, satellites);
        QFETCH(int, astra);

        const SatellitesList list = readSatellitesXml(xml);
        QCOMPARE(list.refusal ? list.refusal->line : 0, refusedAtLine);
        if (list.refusal)
            QCOMPARE(list.refusal->fault, ListFault::AfterTheList);
        QCOMPARE(QList<int>(list.replacedBytesLines.begin(), list.replacedBytesLines.end()), replacedLines);
        QCOMPARE(int(list.satellites.size()), satellites);
        QCOMPARE(listSatelliteAt(list, 192), astra);
        if (astra < 0)
            return;
        const ListSatellite &satellite = list.satellites[std::size_t(astra)];
        QCOMPARE(QString::fromStdString(satellite.name),
                 replacedLines.isEmpty() ? QStringLiteral("Astra (19.2E)") : QStringLiteral("\uFFFDstra (19.2E)"));
        QCOMPARE(satellite.transponders.size(), std::size_t(realList::satelliteLine(xml, 215) - satellite.line - 2));
    }

    // Several list entries within reach of one transponder (11766 H): the
    // one it matches exactly keeps it, else the nearest moves it (the lower
    // frequency of two as near); the others leave it alone, so that a second
    // run with every change ticked changes nothing.
    void updateSettles_data()
    {
        QTest::addColumn<QList<int>>("frequenciesKhz");   // each 27500 ks/s H, but for 11766000 + 1 at 30000
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("changed");
        QTest::addColumn<QString>("settledAt");

        QTest::newRow("exact and near") << QList<int>{11768000, 11766000}
                                        << QStringList{"уже есть, учтён по записи 11766", "уже есть"} << 0 << "11766";
        QTest::newRow("two near: the nearer") << QList<int>{11768000, 11767000}
                                              << QStringList{"уже есть, учтён по записи 11767",
                                                             "частота изменится: 11766 → 11767"}
                                              << 1 << "11767";
        QTest::newRow("as near: the lower") << QList<int>{11767000, 11765000}
                                            << QStringList{"уже есть, учтён по записи 11765",
                                                           "частота изменится: 11766 → 11765"}
                                            << 1 << "11765";
        QTest::newRow("the same frequency at another rate beats a near one")
            << QList<int>{11767000, 11766001}
            << QStringList{"уже есть, учтён по записи 11766", "символьная скорость изменится: 27500 → 30000"} << 1
            << "11766";
        QTest::newRow("one entry alone") << QList<int>{11768000} << QStringList{"частота изменится: 11766 → 11768"} << 1
                                         << "11768";
    }
    void updateSettles()
    {
        QFETCH(QList<int>, frequenciesKhz);
        QFETCH(QStringList, texts);
        QFETCH(int, changed);
        QFETCH(QString, settledAt);

        QByteArray rows;
        for (const int frequency : frequenciesKhz)
            rows += "<transponder frequency=\"" + QByteArray::number(frequency / 1000 * 1000) + "\" symbol_rate=\""
                    + (frequency % 1000 ? "30000000" : "27500000") + "\" polarization=\"0\"/>\n";
        const SatellitesList list = readSatellitesXml(listOf(rows, "192"));
        ChannelDatabase db = hotBirdDatabase();
        const TransponderUpdatePlan plan = planTransponderUpdate(db, 1, list, 0);
        QStringList shown;
        for (const PlannedTransponder &row : plan.rows)
            shown << QString::fromStdString(row.text);
        QCOMPARE(shown, texts);
        QCOMPARE(transponderUpdateCounts(plan, defaultChoice(plan, true))[2],
                 "изменятся частота или символьная скорость: " + std::to_string(changed) + ", отмечено: "
                     + std::to_string(changed));
        const auto outcome = applyTransponderUpdate(db, plan, defaultChoice(plan, true));
        QVERIFY(outcome);
        QCOMPARE(outcome->changed, changed);
        QCOMPARE(QString::fromStdString(bcdText(db.transponders[2].frequency)), settledAt);

        const ChannelDatabase settled = db;
        const TransponderUpdatePlan again = planTransponderUpdate(db, 1, list, 0);
        QCOMPARE(again.count(ListTransponderFate::Changes), 0);
        const auto second = applyTransponderUpdate(db, again, defaultChoice(again, true));
        QVERIFY(second && second->changed == 0 && second->added == 0);
        QVERIFY(db == settled);
    }

    // A transponder names its satellite in one byte: nothing can be added
    // to a satellite past the 255th, and no row for it can be ticked.
    void noTranspondersPastThe255thSatellite()
    {
        samples::DatabaseBuilder builder;
        for (int s = 0; s < 300; ++s)
            builder.addSatellite({"S" + std::to_string(s)});
        ChannelDatabase db = builder.build();
        const SatellitesList list = readSatellitesXml(
            listOf("<transponder frequency=\"11727000\" symbol_rate=\"27500000\" polarization=\"0\"/>"));
        for (const int satellite : {254, 255, 299}) {
            const TransponderUpdatePlan plan = planTransponderUpdate(db, satellite, list, 0);
            QCOMPARE(plan.satelliteHoldsTransponders, satellite < 255);
            QCOMPARE(isTickable(plan, 0), satellite < 255);
            QCOMPARE(defaultChoice(plan), std::vector<bool>{satellite < 255});
        }
        const ChannelDatabase before = db;
        const auto outcome = applyTransponderUpdate(db, planTransponderUpdate(db, 299, list, 0), {true});
        QVERIFY(outcome && outcome->added == 0);
        QVERIFY(db == before);
    }
};

QTEST_APPLESS_MAIN(TestSatellitesXml)
#include "tst_satellitesxml.moc"
