// SPDX-License-Identifier: GPL-3.0-or-later
// Which transponder of the database imported channels go onto: the same
// one by polarisation, frequency and symbol rate, the database's own with
// the other database's parameters when the user takes them, or one that
// moved, on the evidence a rescan needs.

#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

#include "TestImages.h"
#include "model/ChannelImport.h"
#include "model/Conversions.h"
#include "model/DisplayTexts.h"
#include "model/ImageCheck.h"
#include "model/ImageWriter.h"
#include "tools/samples/DatabaseBuilder.h"

using namespace k510;
using k510::testing::imageCheckPasses;

namespace {

std::uint32_t frequencyOf(const Transponder &tp) { return bcdDigitsValue(bcdValue(tp.frequency)); }

} // namespace

class TestImportTransponders : public QObject {
    Q_OBJECT

private slots:
    // A friend's transponder at the frequency of ours: another symbol rate
    // makes it another transponder (its channels get a copy of theirs unless
    // ours takes its parameters), another FEC only is listed and taken on
    // request. Either way a second import finds everything there.
    void symbolRateAndFec_data()
    {
        QTest::addColumn<int>("frequency");
        QTest::addColumn<int>("symbolRate");
        QTest::addColumn<int>("fec");
        QTest::addColumn<bool>("take");
        QTest::addColumn<int>("newTransponders");
        QTest::addColumn<int>("tpNumber");
        QTest::addColumn<int>("retunes");
        QTest::addColumn<int>("symbolRateAfter");   // of the database's 11817 V
        QTest::addColumn<int>("fecAfter");

        QTest::newRow("same") << 11817 << 27500 << 3 << false << 0 << 1 << 0 << 27500 << 3;
        QTest::newRow("symbol rate, kept") << 11817 << 29700 << 3 << false << 1 << 2 << 1 << 27500 << 3;
        QTest::newRow("symbol rate, taken") << 11817 << 29700 << 3 << true << 0 << 1 << 1 << 29700 << 3;
        QTest::newRow("symbol rate 1 MHz off, taken") << 11818 << 29700 << 5 << true << 0 << 1 << 1 << 29700 << 5;
        QTest::newRow("FEC only, kept") << 11817 << 27500 << 5 << false << 0 << 1 << 1 << 27500 << 3;
        QTest::newRow("FEC only, taken") << 11817 << 27500 << 5 << true << 0 << 1 << 1 << 27500 << 5;
    }

    void symbolRateAndFec()
    {
        QFETCH(int, frequency);
        QFETCH(int, symbolRate);
        QFETCH(int, fec);
        QFETCH(bool, take);
        samples::DatabaseBuilder ours;
        ours.addSatellite({"Astra 1", 9750, 10600, SwitchType::None, 0, 0, 192});
        ours.addTv(ours.addTransponder(1, 11817, 'V', 27500, 3), {"Old", 100, 256, 257, 258, 259});
        ChannelDatabase db = ours.build();
        samples::DatabaseBuilder theirs;
        theirs.addSatellite({"Astra 1", 9750, 10600, SwitchType::None, 0, 0, 192});
        const int tp = theirs.addTransponder(1, frequency, 'V', symbolRate, fec);
        theirs.addTv(tp, {"Old", 100, 256, 257, 258, 259});
        theirs.addTv(tp, {"New", 101, 356, 357, 358, 359});
        const ChannelDatabase source = theirs.build();

        ImportRequest request = everyChannel(db, source);
        request.updateTransponders = take;
        const ImportPlan plan = planImport(db, source, request);
        QTEST(int(plan.newTransponders.size()), "newTransponders");
        QCOMPARE(plan.tv.size(), std::size_t(1));
        QTEST(int(plan.tv.front().tpNumber), "tpNumber");
        QTEST(int(plan.retunes.size()), "retunes");
        QCOMPARE(plan.alreadyThere, 1);
        const std::vector<std::string> summary = importSummary(plan);
        QCOMPARE(std::count(summary.begin(), summary.end(),
                            std::string("Astra 1 — 11817 V: 27500 3/4 → ") + std::to_string(symbolRate) + " "
                                + fecText(fec)),
                 std::ptrdiff_t(plan.retunes.size()));
        QVERIFY(applyImport(db, plan));
        QVERIFY(imageCheckPasses(db));
        QCOMPARE(frequencyOf(db.transponders[0]), std::uint32_t(11817));
        QTEST(int(bcdDigitsValue(bcdValue(db.transponders[0].symbolRate))), "symbolRateAfter");
        QTEST(int(db.transponders[0].fec), "fecAfter");

        const ImportPlan again = planImport(db, source, request);
        QCOMPARE(again.channelCount(), 0);
        QVERIFY(again.newTransponders.empty());
        QCOMPARE(int(again.retunes.size()), take ? 0 : int(plan.retunes.size()) - int(symbolRate != 27500));
    }

    // A source transponder that moved (further than 2 MHz, here to the other
    // polarisation) takes its channels to the database's transponder only
    // on the evidence a rescan needs: two shared service IDs, and half of
    // those of the one with fewer.
    void movedTransponderEvidence_data()
    {
        QTest::addColumn<QList<int>>("ours");     // service IDs on our 11565 V
        QTest::addColumn<QList<int>>("theirs");   // on their 11469 H
        QTest::addColumn<int>("tpNumber");        // of every added channel
        QTest::newRow("one shared") << QList<int>{100} << QList<int>{100, 101, 102} << 2;
        QTest::newRow("two shared of two") << QList<int>{100, 101} << QList<int>{100, 101, 102, 103} << 1;
        QTest::newRow("two shared of five") << QList<int>{100, 101, 110, 111, 112} << QList<int>{100, 101, 102, 103, 104}
                                            << 2;
        QTest::newRow("three shared of five") << QList<int>{100, 101, 102, 111, 112}
                                              << QList<int>{100, 101, 102, 103, 104} << 1;
    }

    void movedTransponderEvidence()
    {
        QFETCH(QList<int>, ours);
        QFETCH(QList<int>, theirs);
        QFETCH(int, tpNumber);
        const auto build = [](const QList<int> &serviceIds, int frequency, char polarisation) {
            samples::DatabaseBuilder builder;
            builder.addSatellite({"Sat 1", 9750, 10600, SwitchType::None, 0, 0, 130});
            const int tp = builder.addTransponder(1, frequency, polarisation, 27500, 3);
            std::vector<std::string> names;
            for (const int serviceId : serviceIds)
                names.push_back("N" + std::to_string(serviceId));
            for (std::size_t k = 0; k < names.size(); ++k)
                builder.addTv(tp, {names[k], serviceIds[qsizetype(k)], 256, 257, 258, 259});
            return builder.build();
        };
        ChannelDatabase db = build(ours, 11565, 'V');
        const ChannelDatabase source = build(theirs, 11469, 'H');
        const ImportPlan plan = planImport(db, source, everyChannel(db, source));
        QVERIFY(!plan.tv.empty());
        for (const Channel &channel : plan.tv)
            QCOMPARE(int(channel.tpNumber), tpNumber);
        QCOMPARE(int(plan.newTransponders.size()), tpNumber - 1);
        QVERIFY(applyImport(db, plan));
        QCOMPARE(planImport(db, source, everyChannel(db, source)).channelCount(), 0);
    }
};

QTEST_APPLESS_MAIN(TestImportTransponders)
#include "tst_importtransponders.moc"
