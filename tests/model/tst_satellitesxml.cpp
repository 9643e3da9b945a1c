// SPDX-License-Identifier: GPL-3.0-or-later
// Transponders from a satellites.xml list: reading the list, planning the
// update of one satellite, and applying the rows chosen.

#include <QFile>
#include <QTest>

#include <algorithm>

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
            << QStringList{"строка 4: frequency «11,7 GHz» не подходит"};
        QTest::newRow("symbol rate that rounds to nothing")
            << listOf("<transponder frequency=\"11727000\" symbol_rate=\"499\" polarization=\"0\"/>") << QString() << 0
            << QStringList{"строка 4: symbol_rate «499» не подходит"};
        QTest::newRow("polarisation out of range")
            << listOf("<transponder frequency=\"11727000\" symbol_rate=\"27500000\" polarization=\"4\"/>") << QString() << 0
            << QStringList{"строка 4: polarization «4» не подходит"};
        QTest::newRow("satellite without position")
            << listOf(good, "east") << QString() << -1
            << QStringList{"строка 3: спутник «Hot Bird (13.0E)» без позиции «east»; транспондеров пропущено: 1"};
        QTest::newRow("unknown element beside the satellites")
            << QByteArray("<satellites><region/>\n<sat name=\"A\" position=\"10\"><transponder frequency=\"11000000\" "
                          "symbol_rate=\"27500000\" polarization=\"1\"/></sat></satellites>")
            << QString() << 1 << QStringList{"строка 1: неизвестный элемент <region>"};
        QTest::newRow("not XML") << QByteArray("frequency;symbol_rate\n11727;27500\n")
                                 << QStringLiteral("Файл не является списком satellites.xml: строка 1, столбец 1: ") << -1
                                 << QStringList();
        QTest::newRow("empty") << QByteArray() << QStringLiteral("Файл не является списком satellites.xml: строка 1") << -1
                               << QStringList();
        QTest::newRow("cut off") << listOf(good).left(120)
                                 << QStringLiteral("Файл не является списком satellites.xml: строка 4, столбец ") << -1
                                 << QStringList();
        QTest::newRow("another root") << QByteArray("<channels><sat/></channels>")
                                      << QStringLiteral("Файл не является списком satellites.xml: строка 1, столбец 10: ")
                                      << -1 << QStringList();
    }

    void reading()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, error);
        QFETCH(int, transponders);
        QFETCH(QStringList, unusable);

        const SatellitesList list = readSatellitesXml(xml);
        QVERIFY2(QString::fromStdString(list.error).startsWith(error) && list.error.empty() == error.isEmpty(),
                 list.error.c_str());
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

        const auto row = [](const char *name, int frequency, int rate, int polarisation, int fec, int system = 0) -> QTestData & {
            return QTest::newRow(name) << (QByteArray("<transponder frequency=\"") + QByteArray::number(frequency)
                                           + "\" symbol_rate=\"" + QByteArray::number(rate) + "\" polarization=\""
                                           + QByteArray::number(polarisation) + "\" fec_inner=\""
                                           + QByteArray::number(fec) + "\" system=\"" + QByteArray::number(system) + "\"/>");
        };
        row("H present", 11727000, 27500000, 0, 3) << "уже есть" << 0 << 3;
        row("V present", 12000000, 27500000, 1, 3) << "уже есть" << 1 << 3;
        row("L is H", 11727000, 27500000, 2, 3) << "уже есть" << 0 << 3;
        row("R is V", 12000000, 27500000, 3, 3) << "уже есть" << 1 << 3;
        row("other polarisation is new", 11727000, 27500000, 1, 2) << "новый" << 1 << 2;
        row("R beside an H one is new", 11727000, 27500000, 3, 2) << "новый" << 1 << 2;
        row("frequency shift", 11728000, 27500000, 0, 3) << "частота изменится: 11727 → 11728" << 0 << 3;
        row("half megahertz rounds up", 11728500, 27500000, 0, 3) << "частота изменится: 11727 → 11729" << 0 << 3;
        row("2 MHz is the same transponder", 11998000, 27500000, 1, 3) << "частота изменится: 12000 → 11998" << 1 << 3;
        row("3 MHz is another", 11724000, 27500000, 0, 1) << "новый" << 0 << 1;
        row("symbol rate change", 11727000, 30000000, 0, 3) << "символьная скорость изменится: 27500 → 30000" << 0 << 3;
        row("both change", 11726000, 22000000, 0, 3)
            << "частота изменится: 11727 → 11726, символьная скорость: 27500 → 22000" << 0 << 3;
        row("DVB-S2", 11900000, 27500000, 0, 3, 1) << "DVB-S2: приёмник не принимает" << 0 << 3;
        row("DVB-S2 of a present one", 11727000, 27500000, 0, 3, 1) << "DVB-S2: приёмник не принимает" << 0 << 3;
        row("fec AUTO", 11500000, 27500000, 0, 0) << "новый" << 0 << 0;
        row("fec 7/8", 11500000, 27500000, 0, 5) << "новый" << 0 << 5;
        row("fec 8/9 becomes AUTO", 11500000, 27500000, 0, 6) << "новый" << 0 << 0;
        row("fec 9/10 becomes AUTO", 11500000, 27500000, 0, 9) << "новый" << 0 << 0;
        row("fec none becomes AUTO", 11500000, 27500000, 0, 15) << "новый" << 0 << 0;
        row("fec negative becomes AUTO", 11500000, 27500000, 0, -1) << "новый" << 0 << 0;
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

        const SatellitesList list = readSatellitesXml(listOf(transponder));
        QVERIFY(list.ok());
        ChannelDatabase db = hotBirdDatabase();
        const TransponderUpdatePlan plan = planTransponderUpdate(db, 0, list.satellites.at(0));
        QCOMPARE(plan.rows.size(), std::size_t(1));
        const PlannedTransponder &row = plan.rows.front();
        QCOMPARE(QString::fromStdString(row.text), text);
        QCOMPARE(int(row.polarisation), polarisation);
        QCOMPARE(int(row.fec), fec);
        QCOMPARE(defaultChoice(plan), std::vector<bool>{row.fate == ListTransponderFate::New});

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
        const TransponderUpdatePlan again = planTransponderUpdate(db, 0, list.satellites.at(0));
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
        const TransponderUpdatePlan plan = planTransponderUpdate(db, 0, list.satellites.at(0));
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
        QFile file(QStringLiteral(K510_SATELLITES_XML));
        if (!file.open(QIODevice::ReadOnly))
            QSKIP("the shared satellites.xml is not beside this clone");
        const SatellitesList list = readSatellitesXml(file.readAll());
        QVERIFY2(list.ok(), list.error.c_str());
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

        // Every DVB-S transponder of 13.0E goes onto an empty satellite, and the image stays sound.
        const auto hotBird = std::find_if(list.satellites.begin(), list.satellites.end(),
                                          [](const ListSatellite &satellite) { return satellite.position == 130; });
        QVERIFY(hotBird != list.satellites.end());
        samples::DatabaseBuilder builder;
        builder.addSatellite({"Hot Bird", 9750, 10600, SwitchType::None, 0, 0, 130});
        ChannelDatabase db = builder.build();
        QCOMPARE(satellitePosition(db.satellites[0]), std::optional<int>(130));
        const TransponderUpdatePlan plan = planTransponderUpdate(db, 0, *hotBird);
        const auto outcome = applyTransponderUpdate(db, plan, defaultChoice(plan));
        QVERIFY(outcome && outcome->added > 0);
        QCOMPARE(outcome->added + plan.count(ListTransponderFate::DvbS2), int(hotBird->transponders.size()));
        QVERIFY(imageChecks(db));
    }
};

QTEST_APPLESS_MAIN(TestSatellitesXml)
#include "tst_satellitesxml.moc"
