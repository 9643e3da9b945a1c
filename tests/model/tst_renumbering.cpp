// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "TestImages.h"
#include "model/ChannelDatabase.h"
#include "tools/samples/DatabaseBuilder.h"

using namespace k510;
using k510::testing::serviceIds;
using Numbers = std::vector<std::uint16_t>;

Q_DECLARE_METATYPE(Numbers)

namespace {

// Channels are told apart by their service ID: TV channel n has 100 + n,
// radio number r has 200 + r, whatever they are renumbered to.
ChannelDatabase database(int tvChannels, int radioChannels, int transponders = 1)
{
    samples::DatabaseBuilder builder;
    builder.addSatellite({"Sat"});
    for (int t = 0; t < transponders; ++t)
        builder.addTransponder(1, 11000 + t, 'H', 27500, 3);
    for (int n = 1; n <= tvChannels; ++n)
        builder.addTv((n - 1) % transponders + 1, {"tv", 100 + n});
    for (int r = 1; r <= radioChannels; ++r)
        builder.addRadio((r - 1) % transponders + 1, {"radio", 200 + r});
    return builder.build();
}

// Service IDs that an order list or a group names, through the numbering.
std::vector<int> tvIds(const ChannelDatabase &db, const Numbers &numbers)
{
    std::vector<int> ids;
    for (auto n : numbers)
        ids.push_back(db.tvChannel(n) ? db.tvChannel(n)->serviceId : -1);
    return ids;
}

std::vector<int> radioIds(const ChannelDatabase &db, const Numbers &numbers)
{
    std::vector<int> ids;
    for (auto r : numbers)
        ids.push_back(db.radioChannel(r) ? db.radioChannel(r)->serviceId : -1);
    return ids;
}

// The derived lists must equal a rebuild from scratch.
void verifyIndicesMatchRecords(ChannelDatabase db)
{
    std::vector<std::vector<int>> tv, radio, sats;
    for (const auto &tp : db.transponders) {
        tv.push_back(tp.tvChannelIndices);
        radio.push_back(tp.radioChannelIndices);
    }
    for (const auto &sat : db.satellites)
        sats.push_back(sat.transponderIndices);
    db.rebuildChannelIndices();
    db.rebuildTransponderIndices();
    for (std::size_t i = 0; i < db.transponders.size(); ++i) {
        QCOMPARE(db.transponders[i].tvChannelIndices, tv[i]);
        QCOMPARE(db.transponders[i].radioChannelIndices, radio[i]);
    }
    for (std::size_t i = 0; i < db.satellites.size(); ++i)
        QCOMPARE(db.satellites[i].transponderIndices, sats[i]);
}

} // namespace

class TestRenumbering : public QObject {
    Q_OBJECT

private slots:
    void deleteTvChannel_data()
    {
        QTest::addColumn<int>("channelCount");
        QTest::addColumn<Numbers>("order");
        QTest::addColumn<Numbers>("group");
        QTest::addColumn<int>("deleted");
        QTest::addColumn<Numbers>("expectedOrder");
        QTest::addColumn<Numbers>("expectedGroup");
        QTest::newRow("third of five") << 5 << Numbers{5, 3, 1, 4, 2} << Numbers{4, 3} << 3 << Numbers{4, 1, 3, 2}
                                       << Numbers{3};
        QTest::newRow("second, group with a repeat") << 5 << Numbers{3, 1, 5, 2, 4} << Numbers{5, 2, 2} << 2
                                                     << Numbers{2, 1, 4, 3} << Numbers{4};
        QTest::newRow("last") << 3 << Numbers{3, 2, 1} << Numbers{3, 1, 3} << 3 << Numbers{2, 1} << Numbers{1};
        QTest::newRow("only") << 1 << Numbers{1} << Numbers{1} << 1 << Numbers{} << Numbers{};
    }
    void deleteTvChannel()
    {
        QFETCH(int, channelCount);
        QFETCH(Numbers, order);
        QFETCH(Numbers, group);
        QFETCH(int, deleted);
        ChannelDatabase db = database(channelCount, 2);
        db.tvOrder = order;
        db.tvFavourites[4] = group;
        db.radioFavourites[0] = {2, 1};
        const Numbers radioOrderBefore = db.radioOrder;

        db.deleteTvChannel(deleted);

        QTEST(db.tvOrder, "expectedOrder");
        QTEST(db.tvFavourites[4], "expectedGroup");
        QCOMPARE(int(db.channels.size()), channelCount - 1 + 2);
        const auto ids = serviceIds(db);
        QVERIFY(std::find(ids.begin(), ids.end(), 100 + deleted) == ids.end());
        // Radio numbers are relative to the radio block and do not move.
        QCOMPARE(db.radioOrder, radioOrderBefore);
        QCOMPARE(radioIds(db, db.radioFavourites[0]), (std::vector<int>{202, 201}));
        verifyIndicesMatchRecords(db);
    }

    void deleteTvChannelKeepsEveryReferenceOnItsChannel()
    {
        ChannelDatabase db = database(6, 0);
        db.tvOrder = {6, 2, 4, 1, 5, 3};
        db.tvFavourites[0] = {6, 5, 1};
        db.tvFavourites[11] = {4, 4, 2};
        db.deleteTvChannel(4);
        QCOMPARE(tvIds(db, db.tvOrder), (std::vector<int>{106, 102, 101, 105, 103}));
        QCOMPARE(tvIds(db, db.tvFavourites[0]), (std::vector<int>{106, 105, 101}));
        QCOMPARE(tvIds(db, db.tvFavourites[11]), (std::vector<int>{102}));
    }

    void deleteRadioChannel_data()
    {
        QTest::addColumn<Numbers>("order");
        QTest::addColumn<Numbers>("group");
        QTest::addColumn<int>("deleted");
        QTest::addColumn<Numbers>("expectedOrder");
        QTest::addColumn<Numbers>("expectedGroup");
        QTest::newRow("first of three") << Numbers{2, 3, 1} << Numbers{1, 3} << 1 << Numbers{1, 2} << Numbers{2};
        QTest::newRow("middle") << Numbers{3, 2, 1} << Numbers{2, 2, 3} << 2 << Numbers{2, 1} << Numbers{2};
    }
    void deleteRadioChannel()
    {
        QFETCH(Numbers, order);
        QFETCH(Numbers, group);
        QFETCH(int, deleted);
        ChannelDatabase db = database(4, 3);
        db.radioOrder = order;
        db.radioFavourites[2] = group;
        db.tvOrder = {4, 3, 2, 1};
        db.tvFavourites[0] = {1, 4};

        db.deleteRadioChannel(db.tvCount() + deleted);   // by list number

        QTEST(db.radioOrder, "expectedOrder");
        QTEST(db.radioFavourites[2], "expectedGroup");
        QCOMPARE(db.tvOrder, (Numbers{4, 3, 2, 1}));
        QCOMPARE(db.tvFavourites[0], (Numbers{1, 4}));
        QCOMPARE(int(db.channels.size()), 6);
        verifyIndicesMatchRecords(db);
    }

    void appendTvChannelLeavesRadioReferencesAlone()
    {
        ChannelDatabase db = database(3, 3, 2);
        db.radioOrder = {3, 1, 2};
        db.radioFavourites[0] = {2, 3};
        const auto radioOrderIds = radioIds(db, db.radioOrder);
        const auto favouriteIds = radioIds(db, db.radioFavourites[0]);

        Channel added;
        added.serviceId = 999;
        added.tpNumber = 2;
        added.setServiceType(ServiceType::Tv);
        db.appendTvChannel(added);

        QCOMPARE(db.tvOrder, (Numbers{1, 2, 3, 4}));
        QCOMPARE(db.tvChannel(4)->serviceId, std::uint16_t(999));
        QCOMPARE(db.radioOrder, (Numbers{3, 1, 2}));
        QCOMPARE(radioIds(db, db.radioOrder), radioOrderIds);
        QCOMPARE(radioIds(db, db.radioFavourites[0]), favouriteIds);
        QCOMPARE(db.transponders[1].tvChannelIndices.back(), 3);
        verifyIndicesMatchRecords(db);
    }

    void appendKeepsEveryExistingReference_data()
    {
        QTest::addColumn<bool>("radio");
        QTest::addColumn<int>("transponder");
        QTest::newRow("TV on the first transponder") << false << 1;
        QTest::newRow("TV on the last transponder") << false << 2;
        QTest::newRow("radio on the first transponder") << true << 1;
        QTest::newRow("radio on the last transponder") << true << 2;
    }
    void appendKeepsEveryExistingReference()
    {
        QFETCH(bool, radio);
        QFETCH(int, transponder);
        ChannelDatabase db = database(4, 3, 2);
        db.tvOrder = {3, 1, 4, 2};
        db.radioOrder = {2, 3, 1};
        db.tvFavourites[0] = {4, 1};
        db.tvFavourites[7] = {2, 2};
        db.radioFavourites[0] = {3, 1};
        db.radioFavourites[11] = {2};
        const ChannelDatabase before = db;

        Channel added;
        added.serviceId = 999;
        added.tpNumber = std::uint16_t(transponder);
        added.setServiceType(radio ? ServiceType::Radio : ServiceType::Tv);
        QCOMPARE(radio ? db.appendRadioChannel(added) : db.appendTvChannel(added), 0);

        // The new number is last in its order list and names the new channel.
        Numbers tvOrder = before.tvOrder, radioOrder = before.radioOrder;
        (radio ? radioOrder : tvOrder).push_back(radio ? 4 : 5);
        QCOMPARE(db.tvOrder, tvOrder);
        QCOMPARE(db.radioOrder, radioOrder);
        const Channel *stored = radio ? db.radioChannel(4) : db.tvChannel(5);
        QVERIFY(stored);
        QCOMPARE(int(stored->serviceId), 999);
        const auto &list = radio ? db.transponders[std::size_t(transponder - 1)].radioChannelIndices
                                 : db.transponders[std::size_t(transponder - 1)].tvChannelIndices;
        QCOMPARE(list.back(), radio ? 7 : 4);

        // Every number that existed still names the same channel.
        const Numbers allTv = {1, 2, 3, 4}, allRadio = {1, 2, 3};
        QCOMPARE(tvIds(db, allTv), tvIds(before, allTv));
        QCOMPARE(radioIds(db, allRadio), radioIds(before, allRadio));
        for (std::size_t g = 0; g < db.tvFavourites.size(); ++g) {
            QCOMPARE(db.tvFavourites[g], before.tvFavourites[g]);
            QCOMPARE(db.radioFavourites[g], before.radioFavourites[g]);
        }
        verifyIndicesMatchRecords(db);
    }

    void appendedRadioChannelIsARadioChannel()
    {
        ChannelDatabase db = database(2, 1);
        Channel added;
        added.serviceId = 999;
        added.tpNumber = 1;
        added.chFlags = ChannelFlag::Scrambled | ChannelFlag::Locked;   // service type 0
        db.appendRadioChannel(added);
        QCOMPARE(db.radioChannel(2)->serviceType(), ServiceType::Radio);
        QCOMPARE(int(db.radioChannel(2)->chFlags & 0x03), 0x03);
        QCOMPARE(db.transponders[0].radioChannelIndices, (std::vector<int>{2, 3}));
    }

    void appendRadioChannelRefusesAFullOrderList()
    {
        ChannelDatabase db = database(1, kOrderCapacity);
        Channel added;
        added.tpNumber = 1;
        db.appendRadioChannel(added);
        QCOMPARE(int(db.radioOrder.size()), kOrderCapacity);
        QCOMPARE(int(db.channels.size()), 1 + kOrderCapacity);
    }

    void appendTransponder_data()
    {
        QTest::addColumn<int>("satelliteIndex");
        QTest::addColumn<int>("expectedIndex");
        QTest::addColumn<std::vector<int>>("expectedList");
        // The last transponder belongs to the second satellite; the new one
        // is numbered after it whichever satellite gets it.
        QTest::newRow("first satellite") << 0 << 3 << std::vector<int>{0, 1, 3};
        QTest::newRow("second satellite") << 1 << 3 << std::vector<int>{2, 3};
        QTest::newRow("satellite without transponders") << 2 << 3 << std::vector<int>{3};
        QTest::newRow("beyond the satellites") << 3 << -1 << std::vector<int>{};
        QTest::newRow("negative") << -1 << -1 << std::vector<int>{};
    }
    void appendTransponder()
    {
        QFETCH(int, satelliteIndex);
        QFETCH(int, expectedIndex);
        samples::DatabaseBuilder builder;
        for (const char *name : {"A", "B", "C"})
            builder.addSatellite({name});
        builder.addTransponder(1, 10700, 'H', 22000, 1);
        builder.addTransponder(1, 10800, 'V', 22000, 1);
        builder.addTransponder(2, 11000, 'H', 27500, 3);
        builder.addTv(3, {"tv", 101});
        builder.addTv(1, {"tv", 102});
        builder.addRadio(2, {"radio", 201});
        ChannelDatabase db = builder.build();
        const ChannelDatabase before = db;

        Transponder values;
        values.satNumber = 9;   // replaced by the satellite's number
        values.polarisation = 1;
        values.frequency = samples::bcdOf(12345);
        values.symbolRate = samples::bcdOf(30000);
        values.fec = 5;
        values.tvChannelIndices = {0};   // a new transponder has no channels
        const int index = db.appendTransponder(satelliteIndex, values);

        QCOMPARE(index, expectedIndex);
        for (std::size_t i = 0; i < db.channels.size(); ++i)
            QCOMPARE(db.channels[i].tpNumber, before.channels[i].tpNumber);
        if (index < 0) {
            QCOMPARE(db.transponders.size(), before.transponders.size());
            for (std::size_t s = 0; s < db.satellites.size(); ++s)
                QCOMPARE(db.satellites[s].transponderIndices, before.satellites[s].transponderIndices);
            return;
        }
        QCOMPARE(int(db.transponders.size()), 4);
        const Transponder &added = db.transponders[std::size_t(index)];
        QCOMPARE(int(added.satNumber), satelliteIndex + 1);
        QCOMPARE(added.frequency, values.frequency);
        QCOMPARE(added.symbolRate, values.symbolRate);
        QCOMPARE(int(added.fec), 5);
        QTEST(db.satellites[std::size_t(satelliteIndex)].transponderIndices, "expectedList");
        verifyIndicesMatchRecords(db);
    }

    void deleteTransponderRemovesItsChannelsAndRenumbersTheRest()
    {
        // Five transponders; channels spread round-robin over them.
        ChannelDatabase db = database(10, 5, 5);
        db.tvFavourites[0] = {2, 7, 3};       // 2 and 7 sit on transponder 2
        db.radioFavourites[0] = {2, 1};       // radio 2 sits on transponder 2

        db.deleteTransponder(2);

        QCOMPARE(int(db.transponders.size()), 4);
        QCOMPARE(db.tvCount(), 8);
        QCOMPARE(int(db.radioOrder.size()), 4);
        QCOMPARE(tvIds(db, db.tvFavourites[0]), (std::vector<int>{103}));
        QCOMPARE(radioIds(db, db.radioFavourites[0]), (std::vector<int>{201}));
        // Channels of transponders 3, 4 and 5 (the last included) moved down by one.
        for (const auto &ch : db.channels) {
            const int originalTp = ch.serviceId < 200 ? (ch.serviceId - 101) % 5 + 1 : (ch.serviceId - 201) % 5 + 1;
            QVERIFY(originalTp != 2);
            QCOMPARE(int(ch.tpNumber), originalTp > 2 ? originalTp - 1 : originalTp);
        }
        QCOMPARE(db.satellites[0].transponderIndices, (std::vector<int>{0, 1, 2, 3}));
        verifyIndicesMatchRecords(db);
    }

    void deleteTransponderAlsoTakesChannelsOfAnInvalidType()
    {
        ChannelDatabase db = database(4, 2, 2);   // TV 1, 3 and radio 1 on transponder 1
        db.channels[2].setServiceType(3);         // TV channel 3: in no index list
        db.rebuildChannelIndices();
        db.deleteTransponder(1);
        QCOMPARE(serviceIds(db), (std::vector<int>{102, 104, 202}));
        for (const auto &ch : db.channels)
            QCOMPARE(int(ch.tpNumber), 1);
        QCOMPARE(db.tvOrder, (Numbers{1, 2}));
        QCOMPARE(db.radioOrder, (Numbers{1}));
    }

    void outOfRangeNumbersChangeNothing_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("number");
        QTest::newRow("tv 0") << 0 << 0;
        QTest::newRow("tv beyond") << 0 << 4;
        QTest::newRow("radio list number that is TV") << 1 << 3;
        QTest::newRow("radio beyond") << 1 << 6;
        QTest::newRow("transponder 0") << 2 << 0;
        QTest::newRow("transponder beyond") << 2 << 2;
    }
    void outOfRangeNumbersChangeNothing()
    {
        QFETCH(int, operation);
        QFETCH(int, number);
        ChannelDatabase db = database(3, 2);
        const auto before = serviceIds(db);
        if (operation == 0)
            db.deleteTvChannel(number);
        else if (operation == 1)
            db.deleteRadioChannel(number);
        else
            db.deleteTransponder(number);
        QCOMPARE(serviceIds(db), before);
        QCOMPARE(int(db.transponders.size()), 1);
    }

    void lookupsAreBoundsChecked()
    {
        ChannelDatabase db = database(2, 1);
        QVERIFY(!db.tvChannel(0));
        QVERIFY(!db.tvChannel(3));
        QVERIFY(!db.radioChannel(0));
        QVERIFY(!db.radioChannel(2));
        QVERIFY(db.radioChannel(1));
        db.tvOrder.push_back(60000);   // a damaged order entry
        QCOMPARE(db.channelIndexOfTvOrder(2), -1);
        QCOMPARE(db.channelIndexOfTvOrder(-1), -1);
        Channel stray;
        stray.tpNumber = 9;
        QVERIFY(!db.transponderOf(stray));
        Transponder orphan;
        orphan.satNumber = 0;
        QVERIFY(!db.satelliteOf(orphan));
    }

    void invalidTypesAreCountedAndLeftOut()
    {
        ChannelDatabase db = database(3, 0);
        db.channels[1].setServiceType(3);
        db.channels[2].setServiceType(0);
        QCOMPARE(db.rebuildChannelIndices(), 2);
        QCOMPARE(db.transponders[0].tvChannelIndices, std::vector<int>{0});
    }

    void favouriteMembership()
    {
        ChannelDatabase db = database(3, 3);
        db.tvFavourites[11] = {3};
        db.radioFavourites[5] = {1};
        QVERIFY(db.isInTvFavourites(3));
        QVERIFY(!db.isInTvFavourites(1));
        QVERIFY(db.isInRadioFavourites(1));
        QVERIFY(!db.isInRadioFavourites(3));
    }

    void groupNames()
    {
        ChannelDatabase db;
        db.setTvGroupName(1, "News-and-a-very-long-name");
        db.setRadioGroupName(12, "Music");
        QCOMPARE(db.tvGroupName(1).size(), std::size_t(16));
        QCOMPARE(db.radioGroupName(12), std::string("Music"));
        QCOMPARE(int(db.groupNames[221 + 17 * 12]), int('M'));
        QCOMPARE(db.tvGroupName(13), std::string());
    }
};

QTEST_APPLESS_MAIN(TestRenumbering)
#include "tst_renumbering.moc"
