// SPDX-License-Identifier: GPL-3.0-or-later
// Channels recognised across databases, and what is built on it: ordering
// after a reference image or CSV, duplicates, and the difference of two
// databases.

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <map>
#include <random>
#include <tuple>

#include "model/Conversions.h"
#include "model/CsvExport.h"
#include "model/DatabaseDiff.h"
#include "model/Deletion.h"
#include "model/Duplicates.h"
#include "model/ImageCheck.h"
#include "model/ImageReader.h"
#include "model/ImageWriter.h"
#include "model/ReferenceCsv.h"
#include "model/ReferenceFile.h"
#include "model/ReferenceOrder.h"
#include "model/TextCodec.h"
#include "tools/samples/DatabaseBuilder.h"
#include "tools/samples/SampleDatabases.h"

using namespace k510;

namespace {

struct Sat {
    std::string name;   // UTF-8
    int longitudeTenths = 0;
};

struct Ch {
    int satellite;   // 1-based
    int frequency;
    char polarisation;
    int serviceId;
    std::string name;   // UTF-8
    bool radio = false;
};

// Satellites and channels; channels with the same satellite, frequency and
// polarisation share a transponder.
struct Side {
    std::vector<Sat> satellites;
    std::vector<Ch> channels;
};

ChannelDatabase build(const Side &side)
{
    samples::DatabaseBuilder builder;
    for (const Sat &sat : side.satellites)
        builder.addSatellite({sat.name, 9750, 10600, SwitchType::None, 0, 0, sat.longitudeTenths});
    std::map<std::tuple<int, int, char>, int> transponders;
    for (const Ch &ch : side.channels) {
        const auto key = std::tuple(ch.satellite, ch.frequency, ch.polarisation);
        if (!transponders.count(key))
            transponders[key] = builder.addTransponder(ch.satellite, ch.frequency, ch.polarisation, 27500, 3);
        const samples::ChannelParams params{ch.name, ch.serviceId};
        if (ch.radio)
            builder.addRadio(transponders[key], params);
        else
            builder.addTv(transponders[key], params);
    }
    return builder.build();
}

// The partner of each reference entry, 0 for none, after checking that the
// two directions agree.
QList<int> partnersOf(const ChannelDatabase &db, const ChannelReference &reference, bool radio)
{
    const Partners partners = matchChannels(db, reference, kindOf(radio));
    QList<int> list;
    for (std::size_t position = 0; position < partners.channelOfReference.size(); ++position) {
        const int number = partners.channelOfReference[position];
        list.append(number == kNoPartner ? 0 : number);
        if (number != kNoPartner && partners.referenceOfChannel.at(std::size_t(number - 1)) != int(position))
            list.append(-1);   // breaks the comparison
    }
    const auto paired = std::count_if(partners.referenceOfChannel.begin(), partners.referenceOfChannel.end(),
                                      [](int position) { return position != kNoPartner; });
    if (paired != partners.matched())
        list.append(-2);
    return list;
}

// The demo database in the other order, with other favourite groups.
ChannelDatabase reversedDemo()
{
    ChannelDatabase db = samples::demoDatabase();
    std::reverse(db.tvOrder.begin(), db.tvOrder.end());
    std::reverse(db.radioOrder.begin(), db.radioOrder.end());
    for (auto *groups : {&db.tvFavourites, &db.radioFavourites})
        for (auto &group : *groups)
            std::reverse(group.begin(), group.end());
    db.tvFavourites[5] = {1, 2, 3};
    db.setTvGroupName(1, utf8ToWindows1251("Обратно"));
    return db;
}

// The demo database as a rescan leaves it: some channels gone, new ones
// added, every transponder 1 MHz higher, another order, no groups.
ChannelDatabase rescannedDemo()
{
    ChannelDatabase db = samples::demoDatabase();
    std::vector<int> tvGone, radioGone;
    for (int n = 3; n <= db.tvCount(); n += 7)
        tvGone.push_back(n);
    for (int r = 2; r <= int(db.radioOrder.size()); r += 5)
        radioGone.push_back(r);
    deleteItems(db, tvGone, radioGone, {});
    for (auto &tp : db.transponders)
        tp.frequency = samples::bcdOf(int(bcdDigitsValue(bcdValue(tp.frequency))) + 1);
    for (int k = 0; k < 4; ++k) {
        Channel channel;
        channel.serviceId = std::uint16_t(50000 + k);
        channel.tpNumber = std::uint16_t(k * 5 + 1);
        channel.setName(utf8ToWindows1251("Новый " + std::to_string(k)));
        channel.setServiceType(k % 2 ? ServiceType::Radio : ServiceType::Tv);
        if (k % 2)
            db.appendRadioChannel(channel);
        else
            db.appendTvChannel(channel);
    }
    std::mt19937 random(7);
    std::shuffle(db.tvOrder.begin(), db.tvOrder.end(), random);
    std::shuffle(db.radioOrder.begin(), db.radioOrder.end(), random);
    for (auto *groups : {&db.tvFavourites, &db.radioFavourites})
        for (auto &group : *groups)
            group.clear();
    return db;
}

ChannelDatabase withSatellitesRenamed(ChannelDatabase db)
{
    for (auto &satellite : db.satellites)
        satellite.name = "Other " + satellite.name;
    return db;
}

enum class Reference { Reversed, Rescan, Foreign, ReversedCsv };

// Expected partners worked out apart from the matching: in these databases
// a satellite name and a service ID name one channel.
class PartnerOracle {
public:
    PartnerOracle(const ChannelDatabase &db, bool radio)
    {
        for (int number = 1; number <= int((radio ? db.radioOrder : db.tvOrder).size()); ++number) {
            const Channel *channel = radio ? db.radioChannel(number) : db.tvChannel(number);
            m_numbers[keyOf(db, *channel)] = number;
        }
    }
    [[nodiscard]] int partnerOf(const ChannelDatabase &reference, const Channel &channel) const
    {
        const auto it = m_numbers.find(keyOf(reference, channel));
        return it == m_numbers.end() ? 0 : it->second;
    }

private:
    static std::pair<std::string, int> keyOf(const ChannelDatabase &db, const Channel &channel)
    {
        return {db.satelliteOf(*db.transponderOf(channel))->name, channel.serviceId};
    }
    std::map<std::pair<std::string, int>, int> m_numbers;
};

std::vector<std::uint16_t> expectedOrder(const ChannelDatabase &db, const ChannelDatabase &reference, bool radio)
{
    const PartnerOracle oracle(db, radio);
    std::vector<std::uint16_t> order;
    for (const std::uint16_t number : radio ? reference.radioOrder : reference.tvOrder)
        if (const int partner = oracle.partnerOf(reference, *(radio ? reference.radioChannel(number)
                                                                    : reference.tvChannel(number))))
            order.push_back(std::uint16_t(partner));
    for (const std::uint16_t number : radio ? db.radioOrder : db.tvOrder)
        if (std::find(order.begin(), order.end(), number) == order.end())
            order.push_back(number);
    return order;
}

FavouriteGroups expectedGroups(const ChannelDatabase &db, const ChannelDatabase &reference, bool radio)
{
    const PartnerOracle oracle(db, radio);
    FavouriteGroups groups;
    for (int g = 0; g < kFavouriteGroupCount; ++g)
        for (const std::uint16_t number : (radio ? reference.radioFavourites : reference.tvFavourites)[std::size_t(g)])
            if (const int partner = oracle.partnerOf(reference, *(radio ? reference.radioChannel(number)
                                                                        : reference.tvChannel(number))))
                groups[std::size_t(g)].push_back(std::uint16_t(partner));
    return groups;
}

QString problemsOf(const ChannelDatabase &db)
{
    const auto problems = numberingProblems(db);
    return problems.empty() ? QString() : QString::fromStdString(problems.front());
}

// A database whose channel and satellite names need the CSV's quoting and
// apostrophes.
ChannelDatabase awkwardNames()
{
    ChannelDatabase db = samples::demoDatabase();
    for (const char *name : {"=SUM(A1)", "-", "+7 ТВ", "@home", "a,b;c\td", "say \"hi\"", "line\nbreak", "\tTab"}) {
        Channel channel;
        channel.serviceId = 60000;
        channel.tpNumber = 2;
        channel.setName(utf8ToWindows1251(name));
        channel.setServiceType(ServiceType::Tv);
        db.appendTvChannel(channel);
    }
    Satellite &satellite = db.satellites[1];
    const std::string name = "=Astra; \"19\"";
    satellite.name = name;
    return db;
}

QStringList summaryOf(const DatabaseDiff &diff)
{
    QStringList lines;
    const auto fields = [&lines](const QString &prefix, const std::vector<FieldChange> &changes) {
        for (const FieldChange &change : changes)
            lines << prefix + ": " + QString::fromStdString(change.field);
    };
    for (const SatelliteDiff &satellite : diff.satellitesChanged)
        fields(QString("satellite %1").arg(satellite.number), satellite.changes);
    for (const TransponderLabel &tp : diff.transpondersAdded)
        lines << QString("transponder added %1").arg(tp.number);
    for (const TransponderLabel &tp : diff.transpondersRemoved)
        lines << QString("transponder removed %1").arg(tp.number);
    for (const TransponderDiff &tp : diff.transpondersChanged)
        fields(QString("transponder %1 -> %2").arg(tp.before.number).arg(tp.after.number), tp.changes);
    for (const auto &[kind, name] : {std::pair(&diff.tv, "tv"), std::pair(&diff.radio, "radio")}) {
        for (const ChannelLabel &channel : kind->added)
            lines << QString("%1 added %2").arg(name).arg(channel.number);
        for (const ChannelLabel &channel : kind->removed)
            lines << QString("%1 removed %2").arg(name).arg(channel.number);
        for (const ChannelDiff &channel : kind->changed)
            fields(QString("%1 changed %2 -> %3").arg(name).arg(channel.before).arg(channel.after), channel.changes);
        for (const PositionMove &move : kind->moves)
            lines << QString("%1 move %2 -> %3").arg(name).arg(move.from).arg(move.to);
    }
    for (const GroupDiff &group : diff.groups) {
        const QString prefix = QString("%1 group %2: ").arg(isRadio(group.kind) ? "radio" : "tv").arg(group.group);
        if (group.nameBefore != group.nameAfter)
            lines << prefix + "name";
        for (const ChannelLabel &channel : group.added)
            lines << prefix + QString("added %1").arg(channel.number);
        for (const ChannelLabel &channel : group.removed)
            lines << prefix + QString("removed %1").arg(channel.number);
        for (const PositionMove &move : group.moves)
            lines << prefix + QString("move %1 -> %2").arg(move.from).arg(move.to);
    }
    return lines;
}

} // namespace

Q_DECLARE_METATYPE(Side)
Q_DECLARE_METATYPE(Reference)

class TestReferenceOrder : public QObject {
    Q_OBJECT

private slots:
    void identity_data()
    {
        QTest::addColumn<Side>("current");
        QTest::addColumn<Side>("reference");
        QTest::addColumn<QList<int>>("tv");      // per reference TV entry: its partner's number, 0 for none
        QTest::addColumn<QList<int>>("radio");
        const Sat astra{"Astra 19.2E", 192};
        const Sat hotBird13{"Hot Bird", 130};
        const Sat hotBird19{"Hot Bird", 192};
        const auto row = [](const char *name, Side current, Side reference, QList<int> tv, QList<int> radio = {}) {
            QTest::newRow(name) << current << reference << tv << radio;
        };
        row("frequencies 2 MHz apart: same transponder", {{astra}, {{1, 11768, 'H', 1, "a"}}},
            {{astra}, {{1, 11766, 'H', 1, "b"}}}, {1});
        row("frequencies 3 MHz apart: another transponder", {{astra}, {{1, 11769, 'H', 1, "a"}}},
            {{astra}, {{1, 11766, 'H', 1, "b"}}}, {0});
        row("3 MHz apart but the same name: paired by name", {{astra}, {{1, 11769, 'H', 1, "News"}}},
            {{astra}, {{1, 11766, 'H', 1, "News"}}}, {1});
        row("exact frequencies pair first, then the nearest",
            {{astra}, {{1, 11767, 'H', 1, "x"}, {1, 11769, 'H', 1, "x"}}},
            {{astra}, {{1, 11768, 'H', 1, "x"}, {1, 11767, 'H', 1, "x"}}}, {2, 1});
        row("other polarisation", {{astra}, {{1, 11766, 'V', 1, "a"}}}, {{astra}, {{1, 11766, 'H', 1, "b"}}}, {0});
        row("other service ID", {{astra}, {{1, 11766, 'H', 2, "a"}}}, {{astra}, {{1, 11766, 'H', 1, "b"}}}, {0});
        row("satellite names: blanks trimmed, Latin case ignored", {{{"  ASTRA 19.2e ", 192}}, {{1, 11766, 'H', 1, "a"}}},
            {{astra}, {{1, 11766, 'H', 1, "b"}}}, {1});
        row("satellite names: Cyrillic case counts", {{{"спутник", 192}}, {{1, 11766, 'H', 1, "a"}}},
            {{{"СПУТНИК", 192}}, {{1, 11766, 'H', 1, "b"}}}, {0});
        row("a unique satellite name needs no longitude", {{{"Astra", 192}}, {{1, 11766, 'H', 1, "a"}}},
            {{{"Astra", 235}}, {{1, 11766, 'H', 1, "b"}}}, {1});
        row("a shared satellite name is told apart by longitude",
            {{hotBird13, hotBird19}, {{1, 11766, 'H', 1, "x"}, {2, 11766, 'H', 1, "x"}}},
            {{hotBird19, hotBird13}, {{1, 11766, 'H', 1, "x"}, {2, 11766, 'H', 1, "x"}}}, {2, 1});
        row("a name shared in the reference needs the longitude too", {{{"Astra", 282}}, {{1, 11766, 'H', 1, "a"}}},
            {{{"Astra", 192}, {"Astra", 282}}, {{1, 11766, 'H', 1, "b"}}}, {0});
        row("... and finds it", {{{"Astra", 282}}, {{1, 11766, 'H', 1, "a"}}},
            {{{"Astra", 192}, {"Astra", 282}}, {{2, 11766, 'H', 1, "b"}}}, {1});
        row("no partner by identity: the same name", {{astra}, {{1, 11766, 'H', 5, "News"}}},
            {{astra}, {{1, 12000, 'V', 7, "News"}}}, {1});
        row("same name twice in the database: no partner",
            {{astra}, {{1, 11766, 'H', 5, "News"}, {1, 11800, 'H', 6, "News"}}},
            {{astra}, {{1, 12000, 'V', 7, "News"}}}, {0});
        row("same name twice in the reference: no partner", {{astra}, {{1, 11766, 'H', 5, "News"}}},
            {{astra}, {{1, 12000, 'V', 7, "News"}, {1, 12100, 'V', 8, "News"}}}, {0, 0});
        row("same name on a satellite that does not match", {{astra, hotBird13}, {{2, 11766, 'H', 5, "News"}}},
            {{astra, hotBird13}, {{1, 11766, 'H', 7, "News"}}}, {0});
        row("names pair among the channels identity left",
            {{astra}, {{1, 11766, 'H', 1, "News"}, {1, 11800, 'H', 2, "News"}}},
            {{astra}, {{1, 11766, 'H', 1, "News"}, {1, 12000, 'V', 9, "News"}}}, {1, 2});
        row("empty names pair nothing", {{astra}, {{1, 11766, 'H', 5, ""}}}, {{astra}, {{1, 12000, 'V', 7, ""}}}, {0});
        row("one partner each: twins pair in order, the spare one gets none",
            {{astra}, {{1, 11766, 'H', 1, "x"}, {1, 11766, 'H', 1, "x"}}},
            {{astra}, {{1, 11766, 'H', 1, "x"}, {1, 11766, 'H', 1, "x"}, {1, 11766, 'H', 1, "x"}}}, {1, 2, 0});
        row("twins of one service ID: the one of the same name is the partner",
            {{astra}, {{1, 11766, 'H', 100, "Ch 462"}}},
            {{astra}, {{1, 11766, 'H', 100, "Rai 2"}, {1, 11766, 'H', 100, "Ch 462"}}}, {0, 1});
        row("the same name first, even a megahertz further",
            {{astra}, {{1, 11767, 'H', 100, "Ch 462"}, {1, 11766, 'H', 100, "Rai 2"}}},
            {{astra}, {{1, 11766, 'H', 100, "Ch 462"}}}, {1});
        const std::vector<Ch> moved{{1, 11316, 'V', 1, "a"}, {1, 11316, 'V', 2, "b"}, {1, 11316, 'V', 3, "c"}};
        row("a transponder 3 MHz away, known by its service IDs", {{astra}, moved},
            {{astra}, {{1, 11319, 'V', 3, "z"}, {1, 11319, 'V', 1, "x"}, {1, 11319, 'V', 2, "y"}}}, {3, 1, 2});
        row("a transponder on the other polarisation, known by its service IDs", {{astra}, moved},
            {{astra}, {{1, 11600, 'H', 1, "x"}, {1, 11600, 'H', 2, "y"}}}, {1, 2});
        row("one service ID shared: another transponder", {{astra}, moved},
            {{astra}, {{1, 11319, 'V', 1, "x"}, {1, 11319, 'V', 7, "y"}}}, {0, 0});
        std::vector<Ch> five = moved;
        five.push_back({1, 11316, 'V', 4, "d"});
        five.push_back({1, 11316, 'V', 5, "e"});
        row("two shared, fewer than half of the smaller: another transponder", {{astra}, five},
            {{astra}, {{1, 11319, 'V', 1, "x"}, {1, 11319, 'V', 2, "y"}, {1, 11319, 'V', 7, "p"},
                       {1, 11319, 'V', 8, "q"}, {1, 11319, 'V', 9, "r"}}},
            {0, 0, 0, 0, 0});
        row("a transponder with one of the other side within 2 MHz is no moved one",
            {{astra}, {{1, 11316, 'V', 1, "a"}, {1, 11316, 'V', 2, "b"}, {1, 11321, 'V', 9, "c"}}},
            {{astra}, {{1, 11319, 'V', 1, "x"}, {1, 11319, 'V', 2, "y"}}}, {0, 0});
        row("moved transponders: the nearest first",
            {{astra}, {{1, 11330, 'V', 1, "a"}, {1, 11330, 'V', 2, "b"}, {1, 11316, 'V', 1, "c"}, {1, 11316, 'V', 2, "d"}}},
            {{astra}, {{1, 11319, 'V', 1, "x"}, {1, 11319, 'V', 2, "y"}}}, {3, 4});
        row("a moved transponder's twins: the same name first",
            {{astra}, {{1, 11316, 'V', 1, "p"}, {1, 11316, 'V', 1, "q"}, {1, 11316, 'V', 2, "r"}}},
            {{astra}, {{1, 11319, 'V', 1, "q"}, {1, 11319, 'V', 2, "r"}}}, {2, 3});
        row("a moved transponder on another satellite is none",
            {{astra, hotBird13}, {{2, 11316, 'V', 1, "a"}, {2, 11316, 'V', 2, "b"}}},
            {{astra, hotBird13}, {{1, 11319, 'V', 1, "x"}, {1, 11319, 'V', 2, "y"}}}, {0, 0});
        row("TV never matches radio", {{astra}, {{1, 11766, 'H', 1, "a"}, {1, 11766, 'H', 2, "b", true}}},
            {{astra}, {{1, 11766, 'H', 2, "b"}, {1, 11766, 'H', 1, "a", true}}}, {0}, {0});
    }
    void identity()
    {
        QFETCH(Side, current);
        QFETCH(Side, reference);
        const ChannelDatabase db = build(current);
        const ChannelReference seen = referenceOf(build(reference));
        QTEST(partnersOf(db, seen, false), "tv");
        QTEST(partnersOf(db, seen, true), "radio");
    }

    void applyOrder_data()
    {
        QTest::addColumn<Reference>("reference");
        QTest::addColumn<bool>("replaceFavourites");
        QTest::newRow("the same database reversed, groups replaced") << Reference::Reversed << true;
        QTest::newRow("the same database reversed, groups kept") << Reference::Reversed << false;
        QTest::newRow("before a rescan, groups replaced") << Reference::Rescan << true;
        QTest::newRow("before a rescan, groups kept") << Reference::Rescan << false;
        QTest::newRow("no partners at all") << Reference::Foreign << false;
        QTest::newRow("no partners at all, groups replaced") << Reference::Foreign << true;
        QTest::newRow("a CSV of the reversed TV list: no groups to replace") << Reference::ReversedCsv << true;
    }
    void applyOrder()
    {
        QFETCH(Reference, reference);
        QFETCH(bool, replaceFavourites);
        ChannelDatabase db = reference == Reference::Rescan ? rescannedDemo() : samples::demoDatabase();
        const ChannelDatabase before = db;
        const ChannelDatabase source = reference == Reference::Rescan    ? samples::demoDatabase()
                                       : reference == Reference::Foreign ? withSatellitesRenamed(samples::demoDatabase())
                                                                         : reversedDemo();
        ChannelReference seen = referenceOf(source);
        const bool csv = reference == Reference::ReversedCsv;
        if (csv) {
            ReferenceCsvResult read = readReferenceCsv(channelListCsv(source, ChannelKind::Tv, ';'), ChannelKind::Tv);
            QVERIFY2(read.ok(), read.error.c_str());
            seen = std::move(*read.reference);
        }

        const OrderPlan plan = planOrder(db, seen);
        QVERIFY(db == before);   // planning changes nothing
        // A plan fits only the database it was made from.
        ChannelDatabase other = db;
        other.tvOrder.pop_back();
        const ChannelDatabase otherBefore = other;
        const Outcome<Applied> refused = k510::applyOrder(other, plan, replaceFavourites);
        QVERIFY(!refused);
        QCOMPARE(refused.refusal().reason, RefusalReason::OtherDatabase);
        QVERIFY(other == otherBefore);

        QVERIFY(k510::applyOrder(db, plan, replaceFavourites));

        QCOMPARE(db.tvOrder, expectedOrder(before, source, false));
        QCOMPARE(db.radioOrder, csv ? before.radioOrder : expectedOrder(before, source, true));
        const bool replaced = replaceFavourites && !csv;
        QCOMPARE(db.tvFavourites, replaced ? expectedGroups(before, source, false) : before.tvFavourites);
        QCOMPARE(db.radioFavourites, replaced ? expectedGroups(before, source, true) : before.radioFavourites);
        QCOMPARE(QByteArray::fromStdString(db.tvGroupName(1)),
                 QByteArray::fromStdString(replaced ? source.tvGroupName(1) : before.tvGroupName(1)));
        QVERIFY(db.channels == before.channels);
        QCOMPARE(problemsOf(db), QString());

        // The summary counts what the order shows.
        const PartnerOracle inSource(source, false);
        const int tvMatched = int(std::count_if(db.tvOrder.begin(), db.tvOrder.end(), [&](std::uint16_t number) {
            return inSource.partnerOf(before, *before.tvChannel(number)) != 0;
        }));
        QCOMPARE(plan.tv.matched, tvMatched);
        QCOMPARE(int(plan.tv.newChannels.size()), db.tvCount() - tvMatched);
        QCOMPARE(int(plan.tv.unmatchedReference.size()), int(seen.tv->size()) - tvMatched);
        QCOMPARE(plan.radio.referenced, !csv);
        QCOMPARE(plan.favouritesAvailable, !csv);
    }

    void csvReference_data()
    {
        QTest::addColumn<char>("separator");
        QTest::addColumn<bool>("radio");
        QTest::addColumn<QString>("variant");
        QTest::newRow("comma, TV") << ',' << false << "";
        QTest::newRow("semicolon, radio") << ';' << true << "";
        QTest::newRow("tab, TV") << '\t' << false << "";
        QTest::newRow("LF line ends, no byte-order mark") << ',' << false << "lf";
        QTest::newRow("blank rows, no line end at the end") << ';' << false << "blank";
        QTest::newRow("header cells quoted") << ',' << true << "quoted";
        // As spreadsheets save a list again.
        QTest::newRow("Windows-1251, semicolon") << ';' << false << "cp1251";
        QTest::newRow("UTF-16 with byte-order mark, tab") << '\t' << false << "utf16le";
        QTest::newRow("UTF-16 big-endian, comma, radio") << ',' << true << "utf16be";
    }
    // The CSV export read back gives the image's reference, but for the
    // satellites' positions, which a CSV does not hold.
    void csvReference()
    {
        QFETCH(char, separator);
        QFETCH(bool, radio);
        QFETCH(QString, variant);
        const ChannelDatabase db = awkwardNames();
        QByteArray file = QByteArray::fromStdString(channelListCsv(db, kindOf(radio), separator));
        if (variant == "lf")
            file = file.mid(3).replace("\r\n", "\n");
        if (variant == "blank")
            file = file.replace("\r\n1", "\r\n\r\n" + QByteArray(13, separator) + "\r\n1").chopped(2);
        if (variant == "quoted")
            file.replace(QByteArray::fromStdString(channelListCsv(ChannelDatabase{}, kindOf(radio), separator)).trimmed().mid(3),
                         "\"№\",\"Название\",\"Спутник\",Частота,Поляризация,Скорость,FEC,Service ID,PMT PID,"
                         "Video PID,Audio PID,PCR PID,Закодирован,\"Блок.\"");
        if (variant == "cp1251")
            file = QByteArray::fromStdString(utf8ToWindows1251(file.mid(3).toStdString()));
        if (variant.startsWith("utf16")) {
            const QString text = QString::fromUtf8(file.mid(3));
            const bool bigEndian = variant == "utf16be";
            QByteArray encoded = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
            for (const QChar c : text) {
                const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
                encoded += bigEndian ? QByteArray{&high, 1} + QByteArray{&low, 1} : QByteArray{&low, 1} + QByteArray{&high, 1};
            }
            file = encoded;
        }
        const ReferenceCsvResult read = readReferenceCsv(file.toStdString(), kindOf(radio));
        QVERIFY2(read.ok(), read.error.c_str());
        QVERIFY(!(radio ? read.reference->tv : read.reference->radio));
        QVERIFY(!read.reference->favourites);

        std::vector<ReferenceChannel> expected = *(radio ? referenceOf(db).radio : referenceOf(db).tv);
        for (auto &channel : expected)
            channel.satellite.position.clear();
        const std::vector<ReferenceChannel> &got = *(radio ? read.reference->radio : read.reference->tv);
        QCOMPARE(got.size(), expected.size());
        for (std::size_t k = 0; k < got.size(); ++k) {
            QCOMPARE(QString::fromStdString(channelLine(got[k])), QString::fromStdString(channelLine(expected[k])));
            QVERIFY(got[k] == expected[k]);
        }
        QCOMPARE(partnersOf(db, *read.reference, radio), partnersOf(db, referenceOf(db), radio));
    }

    // An exported list says in its header whether it holds TV or radio
    // channels: one of the other kind is refused, one exported before the
    // header said so is read as the kind asked for.
    void listKindInHeader_data()
    {
        QTest::addColumn<bool>("radioList");
        QTest::addColumn<bool>("radioWanted");
        QTest::addColumn<bool>("oldHeader");
        QTest::addColumn<bool>("read");
        QTest::newRow("TV list for TV") << false << false << false << true;
        QTest::newRow("radio list for radio") << true << true << false << true;
        QTest::newRow("radio list for TV") << true << false << false << false;
        QTest::newRow("TV list for radio") << false << true << false << false;
        QTest::newRow("old radio list for TV") << true << false << true << true;
        QTest::newRow("old TV list for radio") << false << true << true << true;
    }
    void listKindInHeader()
    {
        QFETCH(bool, radioList);
        QFETCH(bool, radioWanted);
        QFETCH(bool, read);
        const ChannelDatabase db = awkwardNames();
        QByteArray file = QByteArray::fromStdString(channelListCsv(db, kindOf(radioList), ';'));
        QFETCH(bool, oldHeader);
        if (oldHeader)
            file.replace(radioList ? "Радиоканал" : "ТВ-канал", "Название");
        const ReferenceFileResult result = readReferenceFile(
            {reinterpret_cast<const std::uint8_t *>(file.constData()), std::size_t(file.size())}, kindOf(radioWanted));
        QCOMPARE(result.ok(), read);
        QCOMPARE(result.otherKind, !read);
        QVERIFY(result.error.empty());
        if (read)
            QCOMPARE((radioWanted ? result.reference->radio : result.reference->tv)->size(),
                     (radioList ? referenceOf(db).radio : referenceOf(db).tv)->size());
    }

    // A list or an image by what the file holds, not by its size.
    void referenceFileKinds_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("image");
        QTest::addColumn<QString>("error");   // empty: read
        const ChannelDatabase demo = samples::demoDatabase();
        const WriteResult written = writeImage(demo);
        const QByteArray image(reinterpret_cast<const char *>(written.image.data()), qsizetype(written.image.size()));
        QByteArray list = QByteArray::fromStdString(channelListCsv(demo, ChannelKind::Tv, ';'));
        const QByteArray listOfImageSize = list + QByteArray(image.size() - list.size(), '\n');
        QByteArray damaged = image;
        damaged[0] = damaged[1] = char(0x7F);   // far more satellites than an image holds
        QTest::newRow("an image") << image << true << "";
        QTest::newRow("a list of exactly an image's size") << listOfImageSize << false << "";
        QTest::newRow("the same without byte-order mark") << listOfImageSize.mid(3) + "\n\n\n" << false << "";
        QTest::newRow("a list in Windows-1251")
            << QByteArray::fromStdString(utf8ToWindows1251(list.mid(3).toStdString())) << false << "";
        QTest::newRow("an image cut short") << image.left(100000) << true << QString::fromUtf8(ReadMessages::WrongSize);
        QTest::newRow("an image cut to a few bytes") << image.left(7) << true << QString::fromUtf8(ReadMessages::WrongSize);
        QTest::newRow("a damaged image") << damaged << true << "Загрузка файла: Ошибка, записи спутников";
        QTest::newRow("a text that is no list") << QByteArray("Name;Freq\r\n") << false << "первая строка не заголовок";
        QTest::newRow("an empty file") << QByteArray() << false << "первая строка не заголовок";
    }
    void referenceFileKinds()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, error);
        const ReferenceFileResult read
            = readReferenceFile({reinterpret_cast<const std::uint8_t *>(file.constData()), std::size_t(file.size())}, ChannelKind::Tv);
        QTEST(read.image, "image");
        QCOMPARE(read.ok(), error.isEmpty());
        QVERIFY2(QString::fromStdString(read.error).contains(error), read.error.c_str());
        if (read.ok() && !read.image)
            QCOMPARE(read.reference->tv->size(), referenceOf(samples::demoDatabase()).tv->size());
    }

    void refusedCsv_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("error");
        const QByteArray header = QByteArray::fromStdString(channelListCsv(ChannelDatabase{}, ChannelKind::Tv));
        const QByteArray good = "1,ТВ,Astra,11766,H,27500,3/4,100,101,102,103,104,нет,нет";
        const auto row = [&](const char *name, const QByteArray &file, const char *error) {
            QTest::newRow(name) << file << QString::fromUtf8(error);
        };
        const char *notAList = "первая строка не заголовок списка";
        row("empty file", "", notAList);
        row("another header", "Name,Satellite,Frequency\r\n", notAList);
        row("header with another separator", QByteArray(header).replace(',', '|'), notAList);
        row("a header cell missing", QByteArray(header).replace(",Блок.", ""), notAList);
        row("an image", QByteArray(294912, '\0'), notAList);
        row("too few cells", header + good.left(good.lastIndexOf(',')) + "\r\n", "Строка 2: ячеек 13, а в списке каналов их 14");
        row("too many cells", header + good + "\r\n" + good + ",да\r\n", "Строка 3: ячеек 15");
        row("frequency not a number", header + QByteArray(good).replace("11766", "11 766"),
            "Строка 2: частота \"11 766\" не число");
        row("frequency too long", header + QByteArray(good).replace("11766", "1176600"), "частота \"1176600\" не число");
        row("service ID too large", header + QByteArray(good).replace(",100,", ",65536,"),
            "Строка 2: Service ID \"65536\" не число от 0 до 65535");
        row("service ID negative", header + QByteArray(good).replace(",100,", ",-1,"), "Service ID \"-1\"");
        row("polarisation", header + QByteArray(good).replace(",H,", ",L,"), "Строка 2: поляризация \"L\" не H и не V");
        row("quote left open", header + good + "\r\n\"2,x\r\n", "Строка 3: кавычка не закрыта до конца файла");
        row("text after a closing quote", header + "\"1\"x" + good.mid(1), "Строка 2: после закрывающей кавычки");
    }
    void refusedCsv()
    {
        QFETCH(QByteArray, file);
        const ReferenceCsvResult read = readReferenceCsv(file.toStdString(), ChannelKind::Tv);
        QVERIFY(!read.ok());
        QFETCH(QString, error);
        QVERIFY2(QString::fromStdString(read.error).contains(error), read.error.c_str());
    }

    // Copies (same transponder and service ID) are what "Выделить дубликаты"
    // selects; a shared name with a service ID of its own is only similar.
    void duplicates_data()
    {
        QTest::addColumn<Side>("side");
        QTest::addColumn<QList<int>>("tvOrder");   // empty: by number
        QTest::addColumn<QList<int>>("tv");        // copies
        QTest::addColumn<QList<int>>("similar");   // TV channels only sharing a name
        QTest::addColumn<QList<int>>("radio");     // copies
        const Sat astra{"Astra", 192};
        const auto row = [&](const char *name, std::vector<Ch> channels, QList<int> order, QList<int> tv,
                             QList<int> similar, QList<int> radio = {}) {
            QTest::newRow(name) << Side{{astra}, std::move(channels)} << order << tv << similar << radio;
        };
        row("same service ID, another name", {{1, 11766, 'H', 1, "a"}, {1, 11766, 'H', 1, "b"}}, {}, {2}, {});
        row("same name, another service ID", {{1, 11766, 'H', 1, "a"}, {1, 11766, 'H', 2, "a"}}, {}, {}, {2});
        row("both the same", {{1, 11766, 'H', 1, "a"}, {1, 11766, 'H', 1, "a"}}, {}, {2}, {});
        row("regional variants",
            {{1, 10773, 'H', 4214, "Sky Sports 1"}, {1, 10773, 'H', 4216, "Sky Sports 1"},
             {1, 10773, 'H', 4221, "Sky Sports 1"}}, {}, {}, {2, 3});
        row("a copy of a variant", {{1, 11766, 'H', 1, "a"}, {1, 11766, 'H', 2, "a"}, {1, 11766, 'H', 2, "a"}}, {},
            {3}, {2});
        row("three copies", {{1, 11766, 'H', 1, "a"}, {1, 11766, 'H', 1, "a"}, {1, 11766, 'H', 1, "a"}}, {}, {2, 3}, {});
        row("the first in the user's order stays", {{1, 11766, 'H', 1, "a"}, {1, 11766, 'H', 1, "a"}}, {2, 1}, {1}, {});
        row("same service ID on another transponder", {{1, 11766, 'H', 1, "a"}, {1, 11800, 'H', 1, "b"}}, {}, {}, {});
        row("same name on another transponder", {{1, 11766, 'H', 1, "a"}, {1, 11800, 'H', 2, "a"}}, {}, {}, {});
        row("empty names are no twins", {{1, 11766, 'H', 1, ""}, {1, 11766, 'H', 2, ""}}, {}, {}, {});
        row("radio among radio, TV apart",
            {{1, 11766, 'H', 1, "a"}, {1, 11766, 'H', 1, "a", true}, {1, 11766, 'H', 1, "a", true}}, {}, {}, {}, {2});
    }
    void duplicates()
    {
        QFETCH(Side, side);
        QFETCH(QList<int>, tvOrder);
        ChannelDatabase db = build(side);
        if (!tvOrder.isEmpty())
            db.tvOrder.assign(tvOrder.begin(), tvOrder.end());
        const auto asList = [](const std::vector<int> &numbers) { return QList<int>(numbers.begin(), numbers.end()); };
        const DuplicateChannels tv = duplicateChannels(db, ChannelKind::Tv);
        QTEST(asList(tv.copies), "tv");
        QTEST(asList(tv.similarNames), "similar");
        QTEST(asList(duplicateChannels(db, ChannelKind::Radio).copies), "radio");
        QVERIFY(duplicateChannels(db, ChannelKind::Radio).similarNames.empty());

        // k510-tool duplicates gives the same lists, --names the similar ones.
        QTemporaryDir dir;
        const QString image = dir.filePath(QStringLiteral("in.k5d"));
        QFile file(image);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const WriteResult written = writeImage(db);
        file.write(reinterpret_cast<const char *>(written.image.data()), qsizetype(written.image.size()));
        file.close();
        // The tool's lines, "--tv 2-4,7" read back as {"--tv", 2, 3, 4, 7}.
        const auto toolLists = [&](const QStringList &options) {
            QProcess tool;
            tool.start(QStringLiteral(K510_TOOL_PATH), QStringList{"duplicates", image} + options);
            if (!tool.waitForFinished(120000) || tool.exitCode() != 0)
                return QStringList{"failed"};
            QStringList lists;
            for (const QString &word : QString::fromUtf8(tool.readAllStandardOutput()).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts)) {
                if (word.startsWith(QLatin1String("--"))) {
                    lists << word;
                    continue;
                }
                for (const QString &item : word.split(QLatin1Char(','))) {
                    const QStringList range = item.split(QLatin1Char('-'));
                    for (int number = range.front().toInt(); number <= range.back().toInt(); ++number)
                        lists << QString::number(number);
                }
            }
            return lists;
        };
        const auto listed = [](const char *option, const std::vector<int> &numbers) {
            QStringList shown;
            for (const int number : numbers)
                shown << QString::number(number);
            return numbers.empty() ? shown : QStringList{QString::fromLatin1(option)} + shown;
        };
        const std::vector<int> radio = duplicateChannels(db, ChannelKind::Radio).copies;
        QCOMPARE(toolLists({}), listed("--tv", tv.copies) + listed("--radio", radio));
        QCOMPARE(toolLists({"--names", "--tv"}), listed("--tv", tv.similarNames));
    }

    void diff_data()
    {
        QTest::addColumn<int>("change");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("equal") << 0 << QStringList{};
        QTest::newRow("a channel's PID") << 1 << QStringList{"tv changed 1 -> 1: videoPid"};
        QTest::newRow("two channels swapped in the order") << 2 << QStringList{"tv move 1 -> 2"};
        QTest::newRow("a satellite's longitude") << 3 << QStringList{"satellite 1: longitude"};
        QTest::newRow("a transponder 1 MHz higher: its channels stay") << 4 << QStringList{"transponder 1 -> 1: frequency"};
        QTest::newRow("a channel on another transponder, known by name") << 5
                                                                          << QStringList{"tv changed 1 -> 1: transponder"};
        QTest::newRow("a channel deleted: no moves") << 6 << QStringList{"tv removed 1"};
        QTest::newRow("a group renamed and filled") << 7 << QStringList{"tv group 5: name", "tv group 5: added 3"};
        QTest::newRow("two group entries swapped") << 8 << QStringList{"radio group 1: move 1 -> 2"};
        QTest::newRow("first and third swapped: the second stays") << 9
                                                                   << QStringList{"tv move 1 -> 3", "tv move 3 -> 1"};
    }
    void diff()
    {
        QFETCH(int, change);
        const ChannelDatabase before = samples::demoDatabase();
        ChannelDatabase after = before;
        switch (change) {
        case 1:
            ++after.channels[0].videoPid;
            break;
        case 2:
            std::swap(after.tvOrder[0], after.tvOrder[1]);
            break;
        case 3:
            after.satellites[0].usalsLongitude = longitudeOfTenths(140);
            break;
        case 4:
            after.transponders[0].frequency = samples::bcdOf(10993);
            break;
        case 5:
            after.channels[0].tpNumber = 2;
            after.rebuildChannelIndices();
            break;
        case 6:
            after.deleteTvChannel(1);
            break;
        case 7:
            after.setTvGroupName(5, "New");
            after.tvFavourites[4].push_back(3);
            break;
        case 8:
            std::swap(after.radioFavourites[0][0], after.radioFavourites[0][1]);
            break;
        case 9:
            std::swap(after.tvOrder[0], after.tvOrder[2]);
            break;
        }
        const DatabaseDiff diff = diffDatabases(before, after);
        QTEST(summaryOf(diff), "expected");
        QCOMPARE(diff.empty(), change == 0);
    }
};

QTEST_GUILESS_MAIN(TestReferenceOrder)
#include "tst_referenceorder.moc"
