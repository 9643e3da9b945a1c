// SPDX-License-Identifier: GPL-3.0-or-later
// Batch deletion against the single-item deletions it replaces, and the
// choice of channels a purge deletes.

#include <QTest>

#include <optional>

#include "RandomDatabases.h"
#include "TestImages.h"
#include "model/Deletion.h"
#include "model/ImageWriter.h"
#include "model/Purge.h"
#include "tools/samples/SampleDatabases.h"

using namespace k510;
using namespace k510::testing;
using Numbers = std::vector<int>;

Q_DECLARE_METATYPE(Numbers)
Q_DECLARE_METATYPE(std::optional<int>)
Q_DECLARE_METATYPE(DeletionSummary)
Q_DECLARE_METATYPE(std::vector<std::uint16_t>)

namespace k510 {
// Found by QCOMPARE through argument-dependent lookup.
char *toString(const DeletionSummary &s)
{
    return QTest::toString(QString("{tv %1, radio %2, transponders %3, bad types %4}")
                               .arg(s.tvDeleted).arg(s.radioDeleted).arg(s.transpondersDeleted).arg(s.channelsOfBadType));
}
} // namespace k510

namespace {

Numbers largestFirst(Numbers numbers)
{
    std::sort(numbers.begin(), numbers.end(), std::greater<>());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

// What the editor does: one item at a time, radio channels (by list number),
// TV channels, transponders, each kind from the largest number down.
void deleteOneByOne(ChannelDatabase &db, const Numbers &tv, const Numbers &radio, const Numbers &transponders)
{
    for (int r : largestFirst(radio))
        db.deleteRadioChannel(db.tvCount() + r);
    for (int n : largestFirst(tv))
        db.deleteTvChannel(n);
    for (int t : largestFirst(transponders))
        db.deleteTransponder(t);
}

// Numbers from 1..count, some twice, some naming nothing.
Numbers someNumbers(std::mt19937 &random, int count, int percent)
{
    Numbers numbers;
    for (int n = 1; n <= count; ++n)
        if (chance(random, percent))
            numbers.push_back(n);
    if (chance(random, 20) && !numbers.empty())
        numbers.push_back(numbers.front());
    if (chance(random, 20))
        numbers.push_back(uniform(random, -2, 0));
    if (chance(random, 20))
        numbers.push_back(count + uniform(random, 1, 3));
    std::shuffle(numbers.begin(), numbers.end(), random);
    return numbers;
}

void verifySameDatabase(const ChannelDatabase &batch, const ChannelDatabase &single)
{
    QVERIFY(batch.channels == single.channels);
    QCOMPARE(batch.tvOrder, single.tvOrder);
    QCOMPARE(batch.radioOrder, single.radioOrder);
    for (int g = 0; g < kFavouriteGroupCount; ++g) {
        QCOMPARE(batch.tvFavourites[std::size_t(g)], single.tvFavourites[std::size_t(g)]);
        QCOMPARE(batch.radioFavourites[std::size_t(g)], single.radioFavourites[std::size_t(g)]);
    }
    QVERIFY(batch.transponders == single.transponders);   // records and channel index lists
    QVERIFY(batch.satellites == single.satellites);       // records and transponder index lists
    QVERIFY(batch == single);
    const WriteResult batchImage = writeImage(batch), singleImage = writeImage(single);
    QCOMPARE(batchImage.error, singleImage.error);
    QVERIFY(batchImage.image == singleImage.image);
}

// TV channel n has service ID 100 + n and sits on transponder (n-1) % 3 + 1;
// radio number r has 200 + r and sits on transponder (r-1) % 3 + 1.
ChannelDatabase threeTransponders(int tv, int radio)
{
    samples::DatabaseBuilder builder;
    builder.addSatellite({"A"});
    builder.addSatellite({"B"});
    builder.addTransponder(1, 10700, 'H', 27500, 3);
    builder.addTransponder(2, 10800, 'V', 27500, 3);
    builder.addTransponder(1, 10900, 'H', 27500, 3);
    for (int n = 1; n <= tv; ++n)
        builder.addTv((n - 1) % 3 + 1, {"tv", 100 + n});
    for (int r = 1; r <= radio; ++r)
        builder.addRadio((r - 1) % 3 + 1, {"radio", 200 + r});
    return builder.build();
}

// Which record each entry of a list names, as a tag (the record's service
// ID, made unique beforehand); -1 where it names none.
std::vector<int> namedRecords(const ChannelDatabase &db, const std::vector<std::uint16_t> &entries, bool radio)
{
    std::vector<int> named;
    for (const std::uint16_t entry : entries) {
        const Channel *channel = radio ? db.radioChannel(entry) : db.tvChannel(entry);
        named.push_back(channel ? channel->serviceId : -1);
    }
    return named;
}

// Every list of entries that name channels: both orders, then the groups.
std::vector<std::vector<int>> everyNamingList(const ChannelDatabase &db)
{
    std::vector<std::vector<int>> lists{namedRecords(db, db.tvOrder, false), namedRecords(db, db.radioOrder, true)};
    for (const bool radio : {false, true})
        for (const FavouriteGroup &group : radio ? db.radioFavourites : db.tvFavourites)
            lists.push_back(namedRecords(db, group, radio));
    return lists;
}

// True when `after` is `before` with entries left out, and where it names a
// record, it names what that entry named before.
bool namesOnlyWhatItNamed(const std::vector<int> &after, const std::vector<int> &before)
{
    std::size_t k = 0;
    for (const int named : after) {
        while (k < before.size() && before[k] != named)
            ++k;
        if (k == before.size())
            return false;
        ++k;
    }
    return true;
}

} // namespace

class TestDeletion : public QObject {
    Q_OBJECT

private slots:
    void batchEqualsOneByOne_data()
    {
        QTest::addColumn<int>("seed");
        QTest::addColumn<bool>("damaged");
        QTest::addColumn<int>("trials");
        QTest::newRow("consistent") << 11 << false << 600;
        QTest::newRow("consistent, another seed") << 12 << false << 600;
        QTest::newRow("damaged numbering") << 13 << true << 600;
        QTest::newRow("damaged, another seed") << 14 << true << 600;
    }
    void batchEqualsOneByOne()
    {
        QFETCH(int, seed);
        QFETCH(bool, damaged);
        QFETCH(int, trials);
        std::mt19937 random{std::uint32_t(seed)};
        for (int trial = 0; trial < trials; ++trial) {
            ChannelDatabase original = randomDatabase(random, 40);
            if (damaged)
                breakNumbering(original, random);
            const int percent = uniform(random, 0, 60);
            const Numbers tv = chance(random, 70) ? someNumbers(random, original.tvCount(), percent) : Numbers{};
            const Numbers radio = chance(random, 50) ? someNumbers(random, int(original.radioOrder.size()), percent)
                                                     : Numbers{};
            const Numbers transponders = chance(random, 40)
                ? someNumbers(random, int(original.transponders.size()), percent / 2) : Numbers{};

            ChannelDatabase single = original;
            deleteOneByOne(single, tv, radio, transponders);
            ChannelDatabase batch = original;
            const DeletionSummary summary = deleteItems(batch, tv, radio, transponders);

            verifySameDatabase(batch, single);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QString("trial %1").arg(trial)));
            QCOMPARE(summary.tvDeleted + summary.radioDeleted, int(original.channels.size() - batch.channels.size()));
            QCOMPARE(summary.transpondersDeleted, int(original.transponders.size() - batch.transponders.size()));
            // Damaged or not, T goes down with every TV channel deleted, so the
            // TV/radio boundary stays where the records change kind.
            QCOMPARE(summary.tvDeleted, original.tvCount() - batch.tvCount());
            if (!damaged)
                QCOMPARE(summary.radioDeleted, int(original.radioOrder.size() - batch.radioOrder.size()));
            const bool changed = !(batch == original);
            QCOMPARE(summary.channelsOfBadType, changed ? ChannelDatabase(batch).rebuildChannelIndices() : 0);
        }
    }

    // An order list of a damaged image loses exactly one entry per deleted
    // channel, another one where it misses the channel, and gains no entry
    // outside the new range.
    void damagedOrderListLosesOneEntry_data()
    {
        using Order = std::vector<std::uint16_t>;
        QTest::addColumn<bool>("radio");
        QTest::addColumn<Order>("order");
        QTest::addColumn<int>("deleted");
        QTest::addColumn<Order>("expected");
        QTest::newRow("entry 0 stands for the channel it hides") << false << Order{1, 0, 3, 4, 5, 6} << 2
                                                                << Order{1, 2, 3, 4, 5};
        QTest::newRow("entry 0 stays beside another channel") << false << Order{1, 0, 3, 4, 5, 6} << 4
                                                             << Order{1, 0, 3, 4, 5};
        QTest::newRow("a repeat stands for the channel it hides") << false << Order{1, 2, 2, 4, 5, 6} << 3
                                                                 << Order{1, 2, 3, 4, 5};
        QTest::newRow("an entry beyond T stands for the channel it hides") << false << Order{7, 2, 3, 4, 5, 6} << 1
                                                                          << Order{1, 2, 3, 4, 5};
        QTest::newRow("a copy of the last channel names nothing") << false << Order{6, 2, 3, 4, 5, 6} << 6
                                                                 << Order{2, 3, 4, 5, 0};
        QTest::newRow("a copy names nothing, not the next channel") << false << Order{1, 2, 2, 4, 5, 6} << 2
                                                                   << Order{1, 0, 3, 4, 5};
        QTest::newRow("radio: a copy names nothing") << true << Order{3, 1, 3, 2} << 3 << Order{1, 0, 2};
        QTest::newRow("radio: entry 0") << true << Order{0, 2, 3, 4} << 1 << Order{1, 2, 3};
        QTest::newRow("radio: a repeat") << true << Order{4, 4, 1, 2} << 3 << Order{3, 1, 2};
    }
    void damagedOrderListLosesOneEntry()
    {
        using Order = std::vector<std::uint16_t>;
        QFETCH(bool, radio);
        QFETCH(Order, order);
        QFETCH(int, deleted);
        QFETCH(Order, expected);
        ChannelDatabase original = threeTransponders(6, 4);
        (radio ? original.radioOrder : original.tvOrder) = order;

        ChannelDatabase batch = original, single = original;
        const Numbers numbers{deleted};
        radio ? deleteRadioChannels(batch, numbers) : deleteTvChannels(batch, numbers);
        radio ? single.deleteRadioChannel(single.tvCount() + deleted) : single.deleteTvChannel(deleted);
        QCOMPARE(radio ? batch.radioOrder : batch.tvOrder, expected);
        QCOMPARE(radio ? single.radioOrder : single.tvOrder, expected);
        // The first radio channel is still the first radio channel.
        QCOMPARE(batch.tvCount(), radio ? 6 : 5);
        QCOMPARE(batch.channels[std::size_t(batch.tvCount())].serviceId, radio && deleted == 1 ? 202 : 201);
        for (std::size_t index = 0; index < batch.channels.size(); ++index)
            QCOMPARE(batch.channels[index].serviceType(),
                     int(index) < batch.tvCount() ? int(ServiceType::Tv) : int(ServiceType::Radio));
    }

    // On damaged lists too, a deletion takes away every entry that names a
    // deleted channel (or leaves it naming none) and never lets an entry
    // name a channel it did not name before.
    void noEntryStartsNamingAnotherChannel()
    {
        std::mt19937 random{41};
        for (int trial = 0; trial < 1500; ++trial) {
            ChannelDatabase db = randomDatabase(random, 40);
            for (std::size_t index = 0; index < db.channels.size(); ++index)
                db.channels[index].serviceId = std::uint16_t(index);
            breakNumbering(db, random);
            for (int copies = uniform(random, 0, 3); copies > 0; --copies)
                for (auto *order : {&db.tvOrder, &db.radioOrder})
                    if (order->size() > 1)
                        (*order)[std::size_t(uniform(random, 0, int(order->size()) - 1))]
                            = (*order)[std::size_t(uniform(random, 0, int(order->size()) - 1))];
            const Numbers tv = chance(random, 70) ? someNumbers(random, db.tvCount(), 30) : Numbers{};
            const Numbers radio = chance(random, 50) ? someNumbers(random, int(db.radioOrder.size()), 30) : Numbers{};
            const Numbers transponders
                = chance(random, 30) ? someNumbers(random, int(db.transponders.size()), 20) : Numbers{};

            const std::vector<std::vector<int>> original = everyNamingList(db);
            std::vector<std::vector<int>> before = original;
            const DeletionSummary summary = deleteItems(db, tv, radio, transponders);
            std::vector<char> kept(1 << 16, 0);
            for (const Channel &channel : db.channels)
                kept[channel.serviceId] = 1;
            for (auto &list : before)
                for (int &named : list)
                    if (named >= 0 && !kept[std::size_t(named)])
                        named = -1;   // its channel is gone: the entry goes or names nothing
            const std::vector<std::vector<int>> after = everyNamingList(db);
            for (std::size_t list = 0; list < after.size(); ++list)
                if (!namesOnlyWhatItNamed(after[list], before[list]))
                    QFAIL(qPrintable(QString("trial %1, list %2").arg(trial).arg(list)));
            // A favourite entry of a deleted channel goes; only entries that
            // named nothing before may name nothing now.
            std::size_t favouritesBefore = 0, favouritesAfter = 0;
            for (std::size_t list = 2; list < after.size(); ++list) {
                favouritesBefore += before[list].size();
                favouritesAfter += after[list].size();
                QVERIFY(std::count(after[list].begin(), after[list].end(), -1)
                        <= std::count(original[list].begin(), original[list].end(), -1));
            }
            QCOMPARE(summary.favouriteEntriesRemoved, int(favouritesBefore - favouritesAfter));
        }
    }

    void fullCapacityBatchEqualsOneByOne()
    {
        const ChannelDatabase original = samples::fullCapacityDatabase();
        std::mt19937 random{31};
        const Numbers tv = someNumbers(random, original.tvCount(), 5);
        const Numbers radio = someNumbers(random, int(original.radioOrder.size()), 5);
        const Numbers transponders = someNumbers(random, int(original.transponders.size()), 1);
        ChannelDatabase single = original, batch = original;
        deleteOneByOne(single, tv, radio, transponders);
        deleteItems(batch, tv, radio, transponders);
        verifySameDatabase(batch, single);
    }

    void summaries_data()
    {
        QTest::addColumn<Numbers>("tv");
        QTest::addColumn<Numbers>("radio");
        QTest::addColumn<Numbers>("transponders");
        QTest::addColumn<DeletionSummary>("expected");
        QTest::addColumn<std::vector<int>>("remaining");
        const std::vector<int> all = {101, 102, 103, 104, 105, 106, 201, 202, 203, 204};
        QTest::newRow("nothing named") << Numbers{} << Numbers{} << Numbers{} << DeletionSummary{} << all;
        QTest::newRow("numbers that name nothing") << Numbers{0, -1, 7} << Numbers{0, 5} << Numbers{4}
                                                   << DeletionSummary{} << all;
        QTest::newRow("radio numbers, not list numbers")
            << Numbers{} << Numbers{4, 7} << Numbers{} << DeletionSummary{0, 1, 0, 0}
            << std::vector<int>{101, 102, 103, 104, 105, 106, 201, 202, 203};
        QTest::newRow("named twice") << Numbers{2, 5, 2} << Numbers{1, 1} << Numbers{} << DeletionSummary{2, 1, 0, 0}
                                     << std::vector<int>{101, 103, 104, 106, 202, 203, 204};
        // Transponder 1 carries TV 1 and 4 and radio 1 and 4.
        QTest::newRow("channels going with their transponder count once")
            << Numbers{4, 1} << Numbers{4} << Numbers{1} << DeletionSummary{2, 2, 1, 0}
            << std::vector<int>{102, 103, 105, 106, 202, 203};
        QTest::newRow("mixed kinds") << Numbers{2} << Numbers{2} << Numbers{3} << DeletionSummary{3, 2, 1, 0}
                                     << std::vector<int>{101, 104, 105, 201, 204};
        QTest::newRow("every transponder") << Numbers{} << Numbers{} << Numbers{3, 1, 2}
                                           << DeletionSummary{6, 4, 3, 0} << std::vector<int>{};
    }
    void summaries()
    {
        QFETCH(Numbers, tv);
        QFETCH(Numbers, radio);
        QFETCH(Numbers, transponders);
        ChannelDatabase db = threeTransponders(6, 4);
        QTEST(deleteItems(db, tv, radio, transponders), "expected");
        QTEST(serviceIds(db), "remaining");
    }

    void badTypesAreCountedByTheFinalRebuild()
    {
        ChannelDatabase db = threeTransponders(6, 4);
        db.channels[4].setServiceType(0);   // TV 5, on transponder 2
        db.channels[5].setServiceType(3);   // TV 6, on transponder 3
        db.rebuildChannelIndices();
        QCOMPARE(deleteTvChannels(db, Numbers{1}).channelsOfBadType, 2);
        // Transponder 3 takes TV 6 with it although it is in no index list.
        QCOMPARE(deleteTransponders(db, Numbers{3}), (DeletionSummary{2, 1, 1, 1}));
    }

    void transponderOfADatabaseWithoutChannelsGoes()
    {
        ChannelDatabase db = threeTransponders(0, 0);
        QCOMPARE(deleteTransponders(db, Numbers{1}), (DeletionSummary{0, 0, 1, 0}));
        QCOMPARE(int(db.transponders.size()), 2);
        QCOMPARE(db.satellites[0].transponderIndices, (std::vector<int>{1}));
        QCOMPARE(db.satellites[1].transponderIndices, (std::vector<int>{0}));
    }

    void unfavouredNumbers_data()
    {
        QTest::addColumn<bool>("radio");
        QTest::addColumn<std::optional<int>>("satellite");
        QTest::addColumn<Numbers>("expected");
        // Satellite A (index 0) holds transponders 1 and 3, B transponder 2.
        QTest::newRow("TV, all satellites") << false << std::optional<int>{} << Numbers{2, 4, 6};
        QTest::newRow("TV, first satellite") << false << std::optional<int>{0} << Numbers{4, 6};
        QTest::newRow("TV, second satellite") << false << std::optional<int>{1} << Numbers{2};
        QTest::newRow("TV, no such satellite") << false << std::optional<int>{2} << Numbers{};
        QTest::newRow("TV, negative satellite") << false << std::optional<int>{-1} << Numbers{};
        QTest::newRow("radio, all satellites") << true << std::optional<int>{} << Numbers{1, 3};
        QTest::newRow("radio, first satellite") << true << std::optional<int>{0} << Numbers{1, 3};
        QTest::newRow("radio, second satellite") << true << std::optional<int>{1} << Numbers{};
    }
    void unfavouredNumbers()
    {
        QFETCH(bool, radio);
        QFETCH(std::optional<int>, satellite);
        ChannelDatabase db = threeTransponders(6, 4);
        db.tvFavourites[0] = {3, 5, 5};
        db.tvFavourites[11] = {1};
        db.radioFavourites[3] = {4, 2};
        db.tvFavourites[1] = {6000};   // names nothing
        QTEST(radio ? unfavouredRadioNumbers(db, satellite) : unfavouredTvNumbers(db, satellite), "expected");
    }

    void purgeKeepsExactlyTheFavourites()
    {
        ChannelDatabase db = samples::fullCapacityDatabase();
        deleteItems(db, unfavouredTvNumbers(db), unfavouredRadioNumbers(db), {});
        QVERIFY(unfavouredTvNumbers(db).empty());
        QVERIFY(unfavouredRadioNumbers(db).empty());
        for (int n = 1; n <= db.tvCount(); ++n)
            QVERIFY(db.isInTvFavourites(n));
        for (int r = 1; r <= int(db.radioOrder.size()); ++r)
            QVERIFY(db.isInRadioFavourites(r));
    }
};

QTEST_APPLESS_MAIN(TestDeletion)
#include "tst_deletion.moc"
