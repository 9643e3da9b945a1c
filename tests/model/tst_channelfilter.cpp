// SPDX-License-Identifier: GPL-3.0-or-later
// The channel filter against a plain reading of its conditions, over random
// databases, sound and damaged, for every combination of conditions.

#include <QString>
#include <QTest>

#include <algorithm>
#include <random>

#include "RandomDatabases.h"
#include "model/ChannelFilter.h"
#include "model/TextCodec.h"

using namespace k510;
using namespace k510::testing;

namespace {

// Names with letters of both cases and both alphabets, Ё among them, so a
// part of a name found ignoring case is found in several.
const char *const kNames[] = {"Первый", "ПЕРВЫЙ HD", "первый канал", "Sky News", "SKY sport", "ёлка", "ЁЛКА",
                              "Euronews", "Россия 1", "", "sky"};
const char *const kParts[] = {"перв", "SKY", "Ё", "ёл", "s", "1", "я 1", "HD", "nothing"};

// Flags, names and copies (a channel moved onto the transponder of another
// and given its service ID), which randomDatabase leaves out.
void vary(ChannelDatabase &db, std::mt19937 &random)
{
    for (Channel &channel : db.channels) {
        channel.chFlags = std::uint8_t((channel.chFlags & ~3) | uniform(random, 0, 3));
        channel.setName(utf8ToWindows1251(kNames[uniform(random, 0, int(std::size(kNames)) - 1)]));
    }
    const int tv = db.tvCount();
    for (int k = 0; k < int(db.channels.size()) / 4; ++k) {
        const int to = uniform(random, 0, int(db.channels.size()) - 1);
        const bool radio = to >= tv;
        const int first = radio ? tv : 0;
        const int last = radio ? int(db.channels.size()) - 1 : tv - 1;
        const Channel &from = db.channels[std::size_t(uniform(random, first, last))];
        db.channels[std::size_t(to)].tpNumber = from.tpNumber;
        db.channels[std::size_t(to)].serviceId = from.serviceId;
    }
    db.rebuildChannelIndices();
}

// Where a number stands in the user's order: at its first entry, or after
// the whole list (by number) when the list misses it.
int standing(const std::vector<std::uint16_t> &order, int number)
{
    const auto at = std::find(order.begin(), order.end(), number);
    return at != order.end() ? int(at - order.begin()) : int(order.size()) + number;
}

QString lowered(const std::string &windows1251)
{
    return QString::fromStdString(windows1251ToUtf8(windows1251)).toLower();
}

// The conditions read one by one, straight from the records.
bool plainlyMatches(const ChannelDatabase &db, ChannelKind kind, const ChannelConditions &c, int number)
{
    const Channel *channel = db.channel(kind, number);
    if (!channel)
        return false;
    const int index = db.channelIndex(kind, number);
    const bool hasTransponder = channel->tpNumber >= 1 && channel->tpNumber <= db.transponders.size();
    if (c.satellite && !(hasTransponder && db.transponders[channel->tpNumber - 1u].satNumber == *c.satellite + 1))
        return false;
    if (c.transponder && channel->tpNumber != *c.transponder)
        return false;
    if (c.scrambled && bool(channel->chFlags & ChannelFlag::Scrambled) != *c.scrambled)
        return false;
    if (c.locked && bool(channel->chFlags & ChannelFlag::Locked) != *c.locked)
        return false;
    const FavouriteGroups &groups = db.favourites(kind);
    const auto holds = [number](const FavouriteGroup &group) {
        return std::find(group.begin(), group.end(), number) != group.end();
    };
    const bool inAny = std::any_of(groups.begin(), groups.end(), holds);
    if ((c.favourites == FavouriteCondition::InAnyGroup && !inAny)
        || (c.favourites == FavouriteCondition::InNoGroup && inAny)
        || (c.favourites == FavouriteCondition::InGroup && !holds(groups[std::size_t(c.group)])))
        return false;
    if (c.duplicates) {
        // A copy: a channel with a transponder stands before it on the same
        // transponder with the same service ID.
        const std::vector<std::uint16_t> &order = db.order(kind);
        bool copy = false;
        for (int other = 1; hasTransponder && !copy && db.channel(kind, other); ++other) {
            const Channel *before = db.channel(kind, other);
            copy = other != number && before->tpNumber == channel->tpNumber && before->serviceId == channel->serviceId
                   && standing(order, other) < standing(order, number);
        }
        if (!copy)
            return false;
    }
    if (!c.nameContains.empty() && !lowered(channel->nameText()).contains(lowered(c.nameContains)))
        return false;
    if (c.among && std::find(c.among->begin(), c.among->end(), index) == c.among->end())
        return false;
    return true;
}

// The conditions whose bits `which` has, with random values.
ChannelConditions someConditions(const ChannelDatabase &db, unsigned which, std::mt19937 &random)
{
    ChannelConditions c;
    if (which & 1)
        c.satellite = uniform(random, 0, int(db.satellites.size()));
    if (which & 2)
        c.transponder = uniform(random, 0, int(db.transponders.size()) + 1);
    if (which & 4)
        c.scrambled = chance(random, 50);
    if (which & 8)
        c.locked = chance(random, 50);
    if (which & 16) {
        c.favourites = FavouriteCondition(uniform(random, 1, 3));
        c.group = uniform(random, 0, kFavouriteGroupCount - 1);
    }
    c.duplicates = which & 32;
    if (which & 64)
        c.nameContains = utf8ToWindows1251(kParts[uniform(random, 0, int(std::size(kParts)) - 1)]);
    if (which & 128) {
        c.among.emplace();
        for (int k = uniform(random, 0, 6); k > 0; --k)
            c.among->push_back(uniform(random, -1, int(db.channels.size())));
    }
    return c;
}

} // namespace

class TestChannelFilter : public QObject {
    Q_OBJECT

private slots:
    void matcherAgainstPlainConditions()
    {
        constexpr unsigned kEveryCombination = 256;
        std::mt19937 random(33);
        int matched = 0;
        for (int run = 0; run < 30; ++run) {
            ChannelDatabase db = randomDatabase(random, 40);
            vary(db, random);
            if (chance(random, 30))
                breakNumbering(db, random);
            for (const ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
                for (unsigned which = 0; which < kEveryCombination; ++which) {
                    const ChannelConditions conditions = someConditions(db, which, random);
                    QCOMPARE(conditions.filters(), which != 0);
                    const ChannelMatcher matcher(db, kind, conditions);
                    std::vector<int> expected;
                    for (int number = 1; number <= int(db.channels.size()); ++number)
                        if (plainlyMatches(db, kind, conditions, number))
                            expected.push_back(number);
                    QCOMPARE(findChannels(db, kind, conditions), expected);
                    // Every index a list may ask about, those of the other kind,
                    // past the records and -1 included.
                    for (int index = -1; index <= int(db.channels.size()); ++index) {
                        const int number = db.numberOf(kind, index);
                        const bool wanted = which == 0 || (number > 0 && plainlyMatches(db, kind, conditions, number));
                        if (matcher.matches(index) != wanted)
                            QFAIL(qPrintable(QString("run %1, conditions %2, index %3").arg(run).arg(which).arg(index)));
                    }
                    if (which != 0)
                        matched += int(expected.size());
                }
            }
        }
        QVERIFY2(matched > 1000, qPrintable(QString::number(matched)));   // conditions that find channels, not only nothing
    }
};

QTEST_GUILESS_MAIN(TestChannelFilter)
#include "tst_channelfilter.moc"
