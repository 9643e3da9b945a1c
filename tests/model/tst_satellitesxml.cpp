// SPDX-License-Identifier: GPL-3.0-or-later
// Reading satellites.xml lists: what is read, what is named unusable, which
// files are refused whole; lists of real size and the real one with the
// damage users met.

#include <QTest>

#include <algorithm>

#include "RealSatellitesList.h"
#include "SatellitesListFixtures.h"
#include "lists/SatellitesXml.h"
#include "model/TransponderUpdate.h"
#include "tools/samples/DatabaseBuilder.h"

using namespace k510;
using namespace listFixtures;

namespace {

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
};

QTEST_APPLESS_MAIN(TestSatellitesXml)
#include "tst_satellitesxml.moc"
