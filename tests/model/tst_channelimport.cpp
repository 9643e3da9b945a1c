// SPDX-License-Identifier: GPL-3.0-or-later
// Channels copied from another database: which transponder each gets,
// which are already there, and that the database stays whole.

#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <random>

#include "RandomDatabases.h"
#include "TestImages.h"
#include "model/ChannelImport.h"
#include "model/Conversions.h"
#include "model/ImageCheck.h"
#include "model/ImageWriter.h"
#include "tools/samples/DatabaseBuilder.h"
#include "tools/samples/SampleDatabases.h"

using namespace k510;
using k510::testing::imageCheckPasses;

namespace {

struct Tp {
    int frequency;
    char polarisation;
};

// One satellite "Sat 1" at 13,0 E with the given transponders; one TV
// channel (service ID 100 + its position) on each of `channelsOn`.
ChannelDatabase oneSatellite(const std::vector<Tp> &transponders, const std::vector<int> &channelsOn,
                             const char *satelliteName = "Sat 1")
{
    samples::DatabaseBuilder builder;
    builder.addSatellite({satelliteName, 9750, 10600, SwitchType::None, 0, 0, 130});
    for (const Tp &tp : transponders)
        builder.addTransponder(1, tp.frequency, tp.polarisation, 27500, 3);
    int serviceId = 100;
    for (const int tp : channelsOn)
        builder.addTv(tp, {"Chan", serviceId++, 256, 257, 258, 259});
    return builder.build();
}

std::uint32_t frequencyOf(const Transponder &tp) { return bcdDigitsValue(bcdValue(tp.frequency)); }

std::array<std::uint8_t, kChannelRecordSize> bytesOf(Channel channel, std::uint16_t tpNumber)
{
    channel.tpNumber = tpNumber;
    std::array<std::uint8_t, kChannelRecordSize> bytes{};
    encodeChannel(channel, bytes);
    return bytes;
}

// Random databases put their transponders 1 MHz apart; real ones stand
// 10 MHz or more apart.
void spreadTransponders(ChannelDatabase &db)
{
    for (Transponder &tp : db.transponders)
        tp.frequency = samples::bcdOf(10700 + 20 * (int(frequencyOf(tp)) - 10700));
}

// A source as owners share them: the same satellites rescanned (channels
// gone and new, frequencies 1 MHz off, orders shuffled), or another list of
// other channels on transponders near or not near the database's.
ChannelDatabase randomSource(const ChannelDatabase &db, std::mt19937 &random)
{
    if (testing::chance(random, 50))
        return samples::rescannedDatabase(db, random());
    ChannelDatabase source = testing::randomDatabase(random, 30);
    spreadTransponders(source);
    for (Transponder &tp : source.transponders)
        tp.frequency = samples::bcdOf(int(frequencyOf(tp)) + testing::uniform(random, -3, 3));
    for (Channel &channel : source.channels)
        channel.serviceId = std::uint16_t(channel.serviceId + 1000);
    return source;
}

} // namespace

class TestChannelImport : public QObject {
    Q_OBJECT

private slots:
    // One source channel on the source's first transponder, into a database
    // whose satellite may or may not have a transponder near it.
    void transponderChoice_data()
    {
        QTest::addColumn<QList<int>>("targetFrequencies");   // negative: vertical
        QTest::addColumn<int>("sourceFrequency");
        QTest::addColumn<QString>("satelliteName");
        QTest::addColumn<int>("newTransponders");
        QTest::addColumn<int>("tpNumber");      // of the added channel; 0: nothing added
        QTest::addColumn<int>("alreadyThere");
        QTest::addColumn<int>("skipped");

        QTest::newRow("same frequency") << QList<int>{11766} << 11766 << "Sat 1" << 0 << 1 << 0 << 0;
        QTest::newRow("2 MHz above") << QList<int>{11766} << 11768 << "Sat 1" << 0 << 1 << 0 << 0;
        QTest::newRow("2 MHz below") << QList<int>{11766} << 11764 << "Sat 1" << 0 << 1 << 0 << 0;
        QTest::newRow("3 MHz away") << QList<int>{11766} << 11769 << "Sat 1" << 1 << 2 << 0 << 0;
        QTest::newRow("other polarisation") << QList<int>{-11766} << 11766 << "Sat 1" << 1 << 2 << 0 << 0;
        QTest::newRow("nearest of two") << QList<int>{11764, 11767} << 11766 << "Sat 1" << 0 << 2 << 0 << 0;
        QTest::newRow("equally near: the lower") << QList<int>{11768, 11764} << 11766 << "Sat 1" << 0 << 2 << 0 << 0;
        QTest::newRow("name case and blanks") << QList<int>{11766} << 11766 << " sat 1 " << 0 << 1 << 0 << 0;
        QTest::newRow("other name, same position") << QList<int>{11766} << 11766 << "Other" << 0 << 1 << 0 << 0;
    }

    void transponderChoice()
    {
        QFETCH(QList<int>, targetFrequencies);
        QFETCH(int, sourceFrequency);
        QFETCH(QString, satelliteName);
        std::vector<Tp> target;
        for (const int f : targetFrequencies)
            target.push_back({std::abs(f), f < 0 ? 'V' : 'H'});
        ChannelDatabase db = oneSatellite(target, {});
        const ChannelDatabase source
            = oneSatellite({{sourceFrequency, 'H'}}, {1}, satelliteName.toUtf8().constData());

        const ImportPlan plan = planImport(db, source, everyChannel(db, source));
        QTEST(int(plan.newTransponders.size()), "newTransponders");
        QFETCH(int, tpNumber);
        QCOMPARE(plan.tv.empty() ? 0 : int(plan.tv.front().tpNumber), tpNumber);
        QTEST(plan.alreadyThere, "alreadyThere");
        QTEST(plan.onSkippedSatellites, "skipped");
        QVERIFY(applyImport(db, plan));
        QVERIFY(imageCheckPasses(db));
        if (tpNumber) {
            const Transponder &tp = db.transponders[std::size_t(tpNumber - 1)];
            QVERIFY(std::abs(int(frequencyOf(tp)) - sourceFrequency) <= 2);
            QCOMPARE(tp.polarisation != 0, false);
        }
    }

    // Random sources, sound and damaged, into random databases sharing their
    // satellite names, transponders and service IDs in part.
    void randomImports()
    {
        std::mt19937 random(25);
        for (int round = 0; round < 300; ++round) {
            ChannelDatabase db = testing::randomDatabase(random, 30);
            spreadTransponders(db);
            ChannelDatabase source = randomSource(db, random);
            if (testing::chance(random, 30))
                testing::breakNumbering(source, random);
            const ChannelDatabase before = db;

            ImportRequest request = everyChannel(db, source);
            if (testing::chance(random, 50)) {   // a part of the channels only
                std::erase_if(request.tv, [&](int) { return testing::chance(random, 50); });
                std::erase_if(request.radio, [&](int) { return testing::chance(random, 50); });
            }
            if (!db.tvOrder.empty() && testing::chance(random, 30))
                request.insertion = ImportInsertion{ChannelKind::Tv, testing::uniform(random, 0, db.tvCount())};
            const ImportPlan plan = planImport(db, source, request);
            QVERIFY(plan.fits);
            QVERIFY(applyImport(db, plan));
            QVERIFY2(imageCheckPasses(db), qPrintable(QString::number(round)));
            QCOMPARE(db.tvOrder.size(), before.tvOrder.size() + plan.tv.size());
            QCOMPARE(db.radioOrder.size(), before.radioOrder.size() + plan.radio.size());
            QCOMPARE(db.transponders.size(), before.transponders.size() + plan.newTransponders.size());

            // Every added channel is its source record but for the transponder
            // number (service IDs are unique per kind), on a
            // transponder of its polarisation within 2 MHz of its source's,
            // a new one only when the database had none, or on the one its
            // source transponder moved to (holding channels of it already).
            std::map<int, const Channel *> sourceBySid;   // by service ID and type
            const auto key = [](const Channel &channel) { return channel.serviceId * 4 + channel.serviceType(); };
            for (const Channel &channel : source.channels)
                sourceBySid[key(channel)] = &channel;
            const auto checkAdded = [&](const Channel &added) {
                const Channel &original = *sourceBySid.at(key(added));
                QCOMPARE(bytesOf(added, 0), bytesOf(original, 0));
                const Transponder &from = source.transponders[original.tpNumber - 1u];
                const Transponder &to = db.transponders[added.tpNumber - 1u];
                QCOMPARE(db.satellites[to.satNumber - 1u].name, source.satellites[from.satNumber - 1u].name);
                const bool near = (to.polarisation != 0) == (from.polarisation != 0)
                                  && std::abs(int(frequencyOf(to)) - int(frequencyOf(from))) <= 2;
                if (!near) {
                    QVERIFY(added.tpNumber <= before.transponders.size());
                    QVERIFY(std::any_of(before.channels.begin(), before.channels.end(), [&](const Channel &old) {
                        const auto same = sourceBySid.find(key(old));
                        return old.tpNumber == added.tpNumber && same != sourceBySid.end()
                               && same->second->tpNumber == original.tpNumber;
                    }));
                }
                if (added.tpNumber > before.transponders.size())
                    for (const Transponder &old : before.transponders)
                        QVERIFY(old.satNumber != to.satNumber || (old.polarisation != 0) != (to.polarisation != 0)
                                || std::abs(int(frequencyOf(old)) - int(frequencyOf(to))) > 2);
            };
            for (std::size_t k = 0; k < plan.tv.size(); ++k)
                checkAdded(db.channels[before.tvOrder.size() + k]);
            for (std::size_t k = 0; k < plan.radio.size(); ++k)
                checkAdded(db.channels[db.tvOrder.size() + before.radioOrder.size() + k]);
            if (request.insertion) {
                const auto at = db.tvOrder.begin() + request.insertion->afterPosition;
                for (std::size_t k = 0; k < plan.tv.size(); ++k)
                    QCOMPARE(int(at[std::ptrdiff_t(k)]), int(before.tvOrder.size() + k + 1));
            }

            // The same selection again finds every channel there.
            const ChannelDatabase once = db;
            const ImportPlan again = planImport(db, source, request);
            QCOMPARE(again.channelCount(), 0);
            QVERIFY(again.newTransponders.empty());
            QCOMPARE(again.alreadyThere, plan.alreadyThere + plan.channelCount());
            QVERIFY(applyImport(db, again));
            QCOMPARE(db, once);
        }
    }

    // A selection that does not fit is refused whole and says how many fit.
    void refusedWhenFull()
    {
        ChannelDatabase db = samples::fullCapacityDatabase();
        const ChannelDatabase before = db;
        ChannelDatabase source = samples::demoDatabase();
        ImportRequest request = everyChannel(db, source);
        request.targetSatellites.assign(source.satellites.size(), 0);
        const ImportPlan plan = planImport(db, source, request);
        QVERIFY(plan.channelCount() > 0);
        QVERIFY(!plan.fits);
        QVERIFY(plan.tvThatFit + plan.radioThatFit < plan.channelCount());
        const Outcome<Applied> applied = applyImport(db, plan);
        QVERIFY(!applied);
        QCOMPARE(applied.refusal().reason, RefusalReason::OverCapacity);
        QCOMPARE(applied.refusal().over, plan.overflow);
        QCOMPARE(applied.refusal().tvAsked, int(plan.tv.size()));
        QCOMPARE(applied.refusal().tvThatFit, plan.tvThatFit);
        QCOMPARE(applied.refusal().radioThatFit, plan.radioThatFit);
        QCOMPARE(db, before);
    }

    // A transponder 9 MHz off that shares the database transponder's service
    // IDs is that transponder moved: its new channel joins the others there,
    // and a second import still finds every channel.
    void movedTransponder()
    {
        ChannelDatabase db = oneSatellite({{11766, 'H'}}, {1, 1});
        const ChannelDatabase source = oneSatellite({{11775, 'H'}}, {1, 1, 1});
        const ImportPlan plan = planImport(db, source, everyChannel(db, source));
        QCOMPARE(plan.alreadyThere, 2);
        QVERIFY(plan.newTransponders.empty());
        QCOMPARE(plan.tv.size(), std::size_t(1));
        QCOMPARE(int(plan.tv.front().tpNumber), 1);
        QVERIFY(applyImport(db, plan));
        QCOMPARE(planImport(db, source, everyChannel(db, source)).alreadyThere, 3);
    }

    // Entries of a damaged source that cannot be copied are named, not dropped.
    void unusableEntriesNamed()
    {
        ChannelDatabase db = oneSatellite({{11766, 'H'}}, {});
        ChannelDatabase source = oneSatellite({{11766, 'H'}}, {1, 1, 1});
        source.channels[0].tpNumber = 9;              // no such transponder
        source.channels[1].setServiceType(ServiceType::Radio);   // a radio record in the TV block
        source.rebuildChannelIndices();
        ImportRequest request = everyChannel(db, source);
        request.tv.push_back(7);                     // no such channel
        const ImportPlan plan = planImport(db, source, request);
        QCOMPARE(plan.tv.size(), std::size_t(1));
        QCOMPARE(plan.unusable.size(), std::size_t(3));
        QVERIFY(QString::fromStdString(plan.unusable[0]).startsWith(QStringLiteral("ТВ 7:")));
        QVERIFY(QString::fromStdString(plan.unusable[1]).startsWith(QStringLiteral("ТВ 1 Chan")));
        QVERIFY(QString::fromStdString(plan.unusable[2]).endsWith(QStringLiteral("тип канала не тот")));
        const std::vector<std::string> summary = importSummary(plan);
        QCOMPARE(summary[summary.size() - 4], std::string("Нельзя использовать: 3."));
        QVERIFY(applyImport(db, plan));
        QVERIFY(imageCheckPasses(db));
    }

    // Satellites pair by name; one no name matches, by its position when
    // that is set and no other satellite of either side stands there.
    void satellitesByPosition_data()
    {
        QTest::addColumn<QStringList>("ours");     // "name@tenths", negative: west; 0: not set
        QTest::addColumn<QStringList>("theirs");
        QTest::addColumn<QList<int>>("targets");
        QTest::newRow("same name") << QStringList{"Astra 1@192"} << QStringList{"astra 1@192"} << QList<int>{0};
        QTest::newRow("same position") << QStringList{"Hot Bird@130", "Astra 1@192"} << QStringList{"Astra 1KR 19.2E@192"}
                                       << QList<int>{1};
        QTest::newRow("position not set") << QStringList{"Astra 1@0"} << QStringList{"Astra 1KR@0"} << QList<int>{-1};
        QTest::newRow("the other side") << QStringList{"Thor@-8"} << QStringList{"Thor 5@8"} << QList<int>{-1};
        QTest::newRow("two here") << QStringList{"A@192", "B@192"} << QStringList{"C@192"} << QList<int>{-1};
        QTest::newRow("two there") << QStringList{"A@192"} << QStringList{"C@192", "D@192"} << QList<int>{-1, -1};
        QTest::newRow("name before position") << QStringList{"Astra 1@192", "Hot Bird@130"}
                                              << QStringList{"Hot Bird@192", "Sirius@50"} << QList<int>{1, -1};
    }

    void satellitesByPosition()
    {
        QFETCH(QStringList, ours);
        QFETCH(QStringList, theirs);
        const auto build = [](const QStringList &satellites) {
            samples::DatabaseBuilder builder;
            std::vector<std::string> names;
            for (const QString &satellite : satellites)
                names.push_back(satellite.section('@', 0, 0).toStdString());
            for (qsizetype k = 0; k < satellites.size(); ++k) {
                const int position = satellites[k].section('@', 1).toInt();
                builder.addSatellite({.name = names[std::size_t(k)], .lnbLowMhz = 9750, .lnbHighMhz = 10600,
                                      .switchType = SwitchType::Usals, .longitudeTenths = std::abs(position),
                                      .west = position < 0});
            }
            return builder.build();
        };
        const std::vector<int> found = defaultTargetSatellites(build(ours), build(theirs));
        QFETCH(QList<int>, targets);
        QCOMPARE(QList<int>(found.begin(), found.end()), targets);
    }

    // A transponder names its satellite in one byte: channels for a
    // satellite past the 255th are refused whole, saying why.
    void satellitePastTheByte_data()
    {
        QTest::addColumn<int>("target");   // satellite index
        QTest::addColumn<bool>("refused");
        QTest::newRow("the 255th") << 254 << false;
        QTest::newRow("the 256th") << 255 << true;
        QTest::newRow("the 300th") << 299 << true;
    }

    void satellitePastTheByte()
    {
        QFETCH(int, target);
        QFETCH(bool, refused);
        samples::DatabaseBuilder builder;
        for (int k = 1; k <= 300; ++k)
            builder.addSatellite({.name = "S" + std::to_string(k)});
        ChannelDatabase db = builder.build();
        const ChannelDatabase before = db;
        const ChannelDatabase source = oneSatellite({{11766, 'H'}}, {1});
        ImportRequest request = everyChannel(db, source);
        request.targetSatellites = {target};
        const ImportPlan plan = planImport(db, source, request);
        QCOMPARE(plan.refused(), refused);
        const Outcome<Applied> applied = applyImport(db, plan);
        QCOMPARE(bool(applied), !refused);
        if (refused) {
            QCOMPARE(applied.refusal().reason, RefusalReason::SatellitePastByte);
            const std::vector<SatelliteLabel> named{{target, "S" + std::to_string(target + 1)}};
            QCOMPARE(applied.refusal().satellites, named);
            QCOMPARE(db, before);
            const std::vector<std::string> summary = importSummary(plan);
            QVERIFY(std::any_of(summary.begin(), summary.end(), [&](const std::string &line) {
                return line.starts_with("Спутник № " + std::to_string(target + 1) + " «S" + std::to_string(target + 1)
                                        + "» стоит после 255-го");
            }));
        } else {
            QCOMPARE(int(db.transponders.back().satNumber), target + 1);
            QCOMPARE(int(db.channels.back().tpNumber), int(db.transponders.size()));
        }
    }

    // A plan applies only to the database it was made for.
    void stalePlanRefused()
    {
        ChannelDatabase db = oneSatellite({{11766, 'H'}}, {1});
        const ChannelDatabase source = oneSatellite({{12000, 'V'}}, {1, 1});
        const ImportPlan plan = planImport(db, source, everyChannel(db, source));
        QVERIFY(applyImport(db, plan));
        const ChannelDatabase after = db;
        const Outcome<Applied> again = applyImport(db, plan);
        QVERIFY(!again);
        QCOMPARE(again.refusal().reason, RefusalReason::OtherDatabase);
        QCOMPARE(db, after);
    }
};

QTEST_APPLESS_MAIN(TestChannelImport)
#include "tst_channelimport.moc"
