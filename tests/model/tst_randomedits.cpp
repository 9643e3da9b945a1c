// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of random editing commands on the demo and the full-capacity
// databases, sound and damaged. The core is built with AddressSanitizer and
// UBSan for this test, so a read or write outside any list ends it at once.
// After every command a sound database must still be sound, and every
// database must write an image that reads back as the same database.

#include <QTest>

#include "RandomDatabases.h"
#include "TestImages.h"
#include "model/Deletion.h"
#include "model/Favourites.h"
#include "model/ImageCheck.h"
#include "model/Purge.h"
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
};

QTEST_APPLESS_MAIN(TestRandomEdits)
#include "tst_randomedits.moc"
