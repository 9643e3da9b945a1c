// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of random editing commands on the demo and the full-capacity
// databases, sound and damaged. The core is built with AddressSanitizer and
// UBSan for this test, so a read or write outside any list ends it at once.
// After every command a sound database must still be sound, and every
// database must write an image that reads back as the same database.
// Likewise ordering after random references made from the database, and
// undo's snapshots of the databases the commands leave.

#include <QTest>

#include "RandomDatabases.h"
#include "TestImages.h"
#include "model/Conversions.h"
#include "model/CsvExport.h"
#include "model/DatabaseSnapshot.h"
#include "model/Deletion.h"
#include "model/Favourites.h"
#include "model/ImageCheck.h"
#include "model/OrderLists.h"
#include "model/Purge.h"
#include "model/ReferenceCsv.h"
#include "model/ReferenceOrder.h"
#include "model/Reordering.h"
#include "tools/samples/SampleDatabases.h"

using namespace k510;
using namespace k510::testing;

namespace {

using Numbers = std::vector<int>;

// Random editing commands on one database; `command` names the last one, for
// the failure message.
class EditSession {
public:
    EditSession(ChannelDatabase base, std::uint32_t seed) : m_base(std::move(base)), m_db(m_base), m_random(seed) {}

    [[nodiscard]] const ChannelDatabase &database() const { return m_db; }
    [[nodiscard]] const char *command() const { return m_command; }

    void step()
    {
        // Start again once deletions have eaten half the database, so large
        // databases stay large.
        if (m_db.channels.size() * 2 < m_base.channels.size() || m_db.transponders.size() * 2 < m_base.transponders.size()) {
            m_db = m_base;
            m_command = "start again";
            return;
        }
        switch (uniform(m_random, 0, 15)) {
        case 0:
            m_command = "delete one TV channel";
            m_db.deleteTvChannel(uniform(m_random, 0, m_db.tvCount() + 1));
            break;
        case 1:
            m_command = "delete one radio channel";
            m_db.deleteRadioChannel(m_db.tvCount() + uniform(m_random, 0, int(m_db.radioOrder.size()) + 1));
            break;
        case 2:
            m_command = "delete one transponder";
            m_db.deleteTransponder(uniform(m_random, 0, int(m_db.transponders.size()) + 1));
            break;
        case 3:
            m_command = "delete TV channels";
            deleteTvChannels(m_db, someNumbers(m_db.tvCount()));
            break;
        case 4:
            m_command = "delete radio channels";
            deleteRadioChannels(m_db, someNumbers(int(m_db.radioOrder.size())));
            break;
        case 5:
            m_command = "delete transponders";
            deleteTransponders(m_db, someNumbers(int(m_db.transponders.size())));
            break;
        case 6:
            m_command = "delete items of every kind";
            deleteItems(m_db, someNumbers(m_db.tvCount()), someNumbers(int(m_db.radioOrder.size())),
                        someNumbers(int(m_db.transponders.size())));
            break;
        case 7:
            m_command = "purge";
            purge();
            break;
        case 8:
        case 9:
            m_command = "add favourites";
            for (int k = uniform(m_random, 1, 20); k > 0; --k)
                addFavourites();
            break;
        case 10:
            m_command = "remove favourites";
            removeFavourites();
            break;
        case 11:
            m_command = "move entries";
            for (int k = uniform(m_random, 1, 10); k > 0; --k)
                moveEntries();
            break;
        case 12:
        case 13:
            m_command = "add channels";
            for (int k = uniform(m_random, 1, 30); k > 0; --k)
                addChannel(chance(m_random, 70));
            break;
        default:
            m_command = "add transponders";
            for (int k = uniform(m_random, 1, 5); k > 0; --k)
                addTransponder();
        }
    }

private:
    // A few numbers of 1..count, with repeats and numbers that name nothing.
    Numbers someNumbers(int count)
    {
        Numbers numbers;
        const int size = uniform(m_random, 0, std::max(1, count / 20));
        for (int k = 0; k < size; ++k)
            numbers.push_back(uniform(m_random, -1, count + 2));
        return numbers;
    }

    std::optional<int> someSatellite()
    {
        if (chance(m_random, 30))
            return std::nullopt;
        return uniform(m_random, -1, int(m_db.satellites.size()));
    }

    void purge()
    {
        const std::optional<int> satellite = someSatellite();
        switch (uniform(m_random, 0, 2)) {
        case 0:
            deleteTvChannels(m_db, unfavouredTvNumbers(m_db, satellite));
            break;
        case 1:
            deleteRadioChannels(m_db, unfavouredRadioNumbers(m_db, satellite));
            break;
        default:
            deleteItems(m_db, unfavouredTvNumbers(m_db, satellite), unfavouredRadioNumbers(m_db, satellite), {});
        }
    }

    FavouriteGroup &someGroup(bool radio)
    {
        auto &groups = radio ? m_db.radioFavourites : m_db.tvFavourites;
        return groups[std::size_t(uniform(m_random, 0, kFavouriteGroupCount - 1))];
    }

    // As the selection dialog adds them: an entry of the order list.
    void addFavourites()
    {
        const bool radio = chance(m_random, 50);
        const auto &order = radio ? m_db.radioOrder : m_db.tvOrder;
        if (order.empty())
            return;
        FavouriteGroup &group = someGroup(radio);
        const std::size_t before = group.size();
        const bool added = addFavourite(group, order[std::size_t(uniform(m_random, 0, int(order.size()) - 1))]);
        QCOMPARE(added, before < std::size_t(kFavouriteGroupCapacity));
    }

    void removeFavourites()
    {
        FavouriteGroup &group = someGroup(chance(m_random, 50));
        Numbers positions;
        for (int k = uniform(m_random, 0, 5); k > 0; --k)
            positions.push_back(uniform(m_random, 0, int(group.size()) + 1));
        removeFavouriteEntries(group, positions);
    }

    void moveEntries()
    {
        std::vector<std::uint16_t> *list = nullptr;
        switch (uniform(m_random, 0, 2)) {
        case 0:
            list = &m_db.tvOrder;
            break;
        case 1:
            list = &m_db.radioOrder;
            break;
        default:
            list = &someGroup(chance(m_random, 50));
        }
        const int size = int(list->size());
        const std::vector<std::uint16_t> before = *list;
        const int from = uniform(m_random, -1, size);
        const int position = moveEntry(*list, from, uniform(m_random, -1, size + 1));
        if (position < 0) {
            QCOMPARE(*list, before);
            return;
        }
        QCOMPARE(int((*list)[std::size_t(position)]), int(before[std::size_t(from)]));
        QVERIFY(std::is_permutation(list->begin(), list->end(), before.begin(), before.end()));
    }

    void addChannel(bool tv)
    {
        if (m_db.transponders.empty() || !hasRoomFor(m_db, 0, 1))
            return;
        Channel channel;
        channel.serviceId = std::uint16_t(uniform(m_random, 0, 0xFFFF));
        channel.tpNumber = std::uint16_t(uniform(m_random, 1, int(m_db.transponders.size())));
        channel.videoPid = std::uint16_t(uniform(m_random, 0, 0x1FFF));
        channel.setName(tv ? "New TV" : "New radio");
        channel.setServiceType(tv ? ServiceType::Tv : ServiceType::Radio);
        if (tv)
            m_db.appendTvChannel(channel);
        else
            m_db.appendRadioChannel(channel);
    }

    void addTransponder()
    {
        if (!hasRoomFor(m_db, 1, 0))
            return;
        Transponder values;
        values.polarisation = std::uint8_t(uniform(m_random, 0, 1));
        values.frequency = samples::bcdOf(uniform(m_random, 10700, 12750));
        values.symbolRate = samples::bcdOf(27500);
        values.fec = std::uint8_t(uniform(m_random, 0, 5));
        (void)m_db.appendTransponder(uniform(m_random, -1, int(m_db.satellites.size())), values);
    }

    const ChannelDatabase m_base;
    ChannelDatabase m_db;
    std::mt19937 m_random;
    const char *m_command = "none yet";
};

// The database as an image makes it: written, then read back.
ChannelDatabase throughImage(const ChannelDatabase &db) { return databaseOf(imageOf(db)); }

// What a rescan or the user makes of the database: channels deleted, added
// and renamed, transponders moved by up to 3 MHz, orders and groups shuffled.
ChannelDatabase someReference(const ChannelDatabase &db, std::mt19937 &random)
{
    static const char *const names[] = {"tv", "radio", "News", "Новости", ""};
    const auto someName = [&random] { return names[uniform(random, 0, 4)]; };
    ChannelDatabase reference = db;
    Numbers tv, radio;
    for (int n = 1; n <= reference.tvCount(); ++n)
        if (chance(random, 15))
            tv.push_back(n);
    for (int r = 1; r <= int(reference.radioOrder.size()); ++r)
        if (chance(random, 15))
            radio.push_back(r);
    deleteItems(reference, tv, radio, {});
    for (int k = uniform(random, 0, 12); k > 0 && !reference.transponders.empty() && hasRoomFor(reference, 0, 1); --k) {
        Channel channel;
        channel.serviceId = std::uint16_t(uniform(random, 0, 0xFFFF));
        channel.tpNumber = std::uint16_t(uniform(random, 1, int(reference.transponders.size())));
        channel.setName(someName());
        channel.setServiceType(ServiceType::Tv);
        if (chance(random, 70))
            reference.appendTvChannel(channel);
        else
            reference.appendRadioChannel(channel);
    }
    for (auto &channel : reference.channels)
        if (chance(random, 10))
            channel.setName(someName());
    for (auto &tp : reference.transponders)
        if (chance(random, 30))
            tp.frequency = samples::bcdOf(std::max(1, int(bcdDigitsValue(bcdValue(tp.frequency))) + uniform(random, -3, 3)));
    for (auto *list : {&reference.tvOrder, &reference.radioOrder})
        if (chance(random, 50))
            std::shuffle(list->begin(), list->end(), random);
    for (auto *groups : {&reference.tvFavourites, &reference.radioFavourites})
        for (auto &group : *groups)
            if (chance(random, 30))
                std::shuffle(group.begin(), group.end(), random);
    return reference;
}

} // namespace

class TestRandomEdits : public QObject {
    Q_OBJECT

private slots:
    void randomCommands_data()
    {
        QTest::addColumn<int>("seed");
        QTest::addColumn<bool>("full");
        QTest::addColumn<bool>("damaged");
        QTest::addColumn<int>("steps");
        QTest::newRow("demo") << 1 << false << false << 2500;
        QTest::newRow("demo, another seed") << 2 << false << false << 2500;
        QTest::newRow("full capacity") << 3 << true << false << 300;
        QTest::newRow("damaged demo") << 4 << false << true << 2500;
        QTest::newRow("damaged demo, another seed") << 5 << false << true << 2500;
        QTest::newRow("damaged full capacity") << 6 << true << true << 200;
    }
    void randomCommands()
    {
        QFETCH(int, seed);
        QFETCH(bool, full);
        QFETCH(bool, damaged);
        QFETCH(int, steps);
        ChannelDatabase base = throughImage(full ? samples::fullCapacityDatabase() : samples::demoDatabase());
        if (damaged) {
            std::mt19937 random{std::uint32_t(seed) * 7919u};
            breakNumbering(base, random);
            base = throughImage(base);
        }
        QCOMPARE(numberingProblems(base).empty(), !damaged);

        EditSession session(std::move(base), std::uint32_t(seed));
        for (int step = 0; step < steps; ++step) {
            session.step();
            const auto where = [&] { return QString("step %1: %2").arg(step).arg(session.command()); };
            QVERIFY2(!QTest::currentTestFailed(), qPrintable(where()));
            const ChannelDatabase &db = session.database();
            const auto problems = numberingProblems(db);
            if (!damaged && !problems.empty())
                QFAIL(qPrintable(QString("%1: %2").arg(where(), problems.front().c_str())));
            const WriteResult image = writeImage(db);
            QVERIFY2(image.ok(), qPrintable(QString("%1: %2").arg(where(), image.error.c_str())));
            const ReadResult read = readImage(image.image);
            QVERIFY2(read.ok(), qPrintable(QString("%1: %2").arg(where(), read.error.c_str())));
            QVERIFY2(*read.database == db, qPrintable(where()));
        }
    }

    // Undo keeps each state as a snapshot that shares with the one before it
    // what the command left alone. Each must give back the very database it
    // was taken of, over whichever database it is restored, and share all
    // with the one before exactly when the command changed nothing.
    void snapshotsGiveBackTheirDatabase_data()
    {
        QTest::addColumn<int>("seed");
        QTest::addColumn<bool>("full");
        QTest::addColumn<int>("steps");
        QTest::newRow("demo") << 7 << false << 500;
        QTest::newRow("full capacity") << 8 << true << 60;
    }
    void snapshotsGiveBackTheirDatabase()
    {
        QFETCH(int, seed);
        QFETCH(bool, full);
        QFETCH(int, steps);
        EditSession session(throughImage(full ? samples::fullCapacityDatabase() : samples::demoDatabase()), std::uint32_t(seed));
        std::vector<ChannelDatabase> states{session.database()};
        std::vector<DatabaseSnapshot> snapshots;
        snapshots.reserve(std::size_t(steps) + 1);   // each is taken from the one before it, in place
        snapshots.emplace_back(session.database());
        for (int step = 0; step < steps; ++step) {
            session.step();
            snapshots.emplace_back(session.database(), snapshots.back());
            const bool unchanged = session.database() == states.back();
            QVERIFY2(snapshots.back().sharesAllWith(snapshots[snapshots.size() - 2]) == unchanged,
                     qPrintable(QString("step %1: %2").arg(step).arg(session.command())));
            states.push_back(session.database());
        }
        std::mt19937 random{std::uint32_t(seed)};
        ChannelDatabase restored = session.database();
        for (int k = 0; k < steps; ++k) {
            const int which = uniform(random, 0, steps);
            snapshots[std::size_t(which)].restore(restored);
            QVERIFY2(restored == states[std::size_t(which)], qPrintable(QString("state after step %1").arg(which - 1)));
        }
    }

    void applyOrderAfterRandomReferences_data()
    {
        QTest::addColumn<int>("seed");
        QTest::addColumn<int>("base");   // 0 random databases, 1 demo, 2 full capacity
        QTest::addColumn<bool>("damaged");
        QTest::addColumn<int>("rounds");
        QTest::newRow("random databases") << 11 << 0 << false << 400;
        QTest::newRow("damaged random databases") << 12 << 0 << true << 400;
        QTest::newRow("demo") << 13 << 1 << false << 200;
        QTest::newRow("damaged demo") << 14 << 1 << true << 200;
        QTest::newRow("full capacity") << 15 << 2 << false << 6;
        QTest::newRow("damaged full capacity") << 16 << 2 << true << 6;
    }
    // Whatever the reference, the order lists stay permutations of their
    // lengths, records stay, every partnered channel comes before every
    // channel without partner, and a sound database stays sound.
    void applyOrderAfterRandomReferences()
    {
        QFETCH(int, seed);
        QFETCH(int, base);
        QFETCH(bool, damaged);
        QFETCH(int, rounds);
        std::mt19937 random{std::uint32_t(seed)};
        const ChannelDatabase fixed = base == 1 ? samples::demoDatabase() : samples::fullCapacityDatabase();
        for (int round = 0; round < rounds; ++round) {
            ChannelDatabase db = base == 0 ? randomDatabase(random, 60) : fixed;
            if (damaged) {
                breakNumbering(db, random);
                if (writeImage(db).ok())   // an order list may have grown past what an image holds
                    db = throughImage(db);
            }
            const bool itself = chance(random, 10);
            const ChannelDatabase source = itself ? db : someReference(db, random);
            ChannelReference reference = referenceOf(source);
            const bool csv = chance(random, 20);
            if (csv) {
                const bool radio = chance(random, 50);
                ReferenceCsvResult read = readReferenceCsv(channelListCsv(source, kindOf(radio), ';'), kindOf(radio));
                QVERIFY2(read.ok(), read.error.c_str());
                reference = std::move(*read.reference);
            }
            const OrderPlan plan = planOrder(db, reference);
            ChannelDatabase result = db;
            QVERIFY(k510::applyOrder(result, plan, chance(random, 50)));

            const QString where = QString("round %1").arg(round);
            QVERIFY2(result.channels == db.channels, qPrintable(where));
            for (const bool radio : {false, true}) {
                const auto &order = radio ? result.radioOrder : result.tvOrder;
                if (!(radio ? plan.radio : plan.tv).referenced) {   // a CSV of the other kind
                    QVERIFY2(order == (radio ? db.radioOrder : db.tvOrder), qPrintable(where));
                    continue;
                }
                QVERIFY2(order.size() == (radio ? db.radioOrder : db.tvOrder).size(), qPrintable(where));
                QVERIFY2(isPermutation(order), qPrintable(where));
                const Partners partners = matchChannels(db, reference, kindOf(radio));
                const int matched = (radio ? plan.radio : plan.tv).matched;
                for (std::size_t k = 0; k < order.size(); ++k)
                    QVERIFY2((partners.referenceOfChannel[order[k] - 1] != kNoPartner) == (int(k) < matched),
                             qPrintable(where));
                for (const auto &group : radio ? result.radioFavourites : result.tvFavourites)
                    QVERIFY2(group.size() <= std::size_t(kFavouriteGroupCapacity), qPrintable(where));
            }
            if (!damaged) {
                const auto problems = numberingProblems(result);
                if (!problems.empty())
                    QFAIL(qPrintable(where + ": " + QString::fromStdString(problems.front())));
                if (itself && !csv)
                    QVERIFY2(result == db, qPrintable(where + ": ordering after itself changed the database"));
            }
            const WriteResult image = writeImage(result);
            QVERIFY2(image.ok() || damaged, qPrintable(where));
            if (image.ok()) {
                const ReadResult read = readImage(image.image);
                QVERIFY2(read.ok() && *read.database == result, qPrintable(where));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestRandomEdits)
#include "tst_randomedits.moc"
