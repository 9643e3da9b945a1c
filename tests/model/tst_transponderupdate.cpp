// SPDX-License-Identifier: GPL-3.0-or-later
// Planning the update of one satellite from a satellites.xml list and
// applying the rows chosen: what each row would do, that the update settles,
// and that nothing goes where it cannot.

#include <QTest>

#include "SatellitesListFixtures.h"
#include "lists/SatellitesXml.h"
#include "model/Conversions.h"
#include "model/TransponderUpdate.h"
#include "tools/samples/DatabaseBuilder.h"
#include "tools/samples/SampleDatabases.h"

using namespace k510;
using namespace listFixtures;

namespace {

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

} // namespace

class TestTransponderUpdate : public QObject {
    Q_OBJECT

private slots:
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


    // Several list entries within reach of one transponder (11766 H): the
    // one it matches exactly keeps it, else the nearest of its symbol rate
    // moves it (the lower frequency of two as near); the others leave it alone, so that a second
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
        QTest::newRow("the same rate beats the same frequency at another rate")
            << QList<int>{11767000, 11766001}
            << QStringList{"частота изменится: 11766 → 11767", "уже есть, учтён по записи 11767"} << 1 << "11767";
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

QTEST_APPLESS_MAIN(TestTransponderUpdate)
#include "tst_transponderupdate.moc"
