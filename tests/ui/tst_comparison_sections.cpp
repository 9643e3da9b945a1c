// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison window's sections against the model's diff, on random
// databases, their rescans and others, with channels renamed and PIDs changed: every
// change of the diff is one line in its section, none is lost or repeated,
// and a line that selects a channel names that channel of the open database.

#include <QSet>
#include <QTest>

#include <random>

#include "tests/model/RandomDatabases.h"
#include "tools/samples/SampleDatabases.h"
#include "ui/dialogs/ComparisonSections.h"

using namespace k510;
using k510::ui::ComparisonSection;

namespace {

std::size_t linesOf(const std::vector<ComparisonSection> &sections, const char *title)
{
    for (const ComparisonSection &section : sections)
        if (section.title == QString::fromUtf8(title))
            return section.lines.size();
    return 0;
}

bool hasField(const ChannelDiff &changed, bool name)
{
    for (const FieldChange &change : changed.changes)
        if ((change.field == "name") == name)
            return true;
    return false;
}

// Renames and changes the PIDs of some channels of `db`.
void editChannels(ChannelDatabase &db, std::mt19937 &random)
{
    for (Channel &channel : db.channels) {
        if (testing::chance(random, 15))
            channel.setName("Renamed " + std::to_string(channel.serviceId));
        if (testing::chance(random, 15))
            channel.audioPid = std::uint16_t(channel.audioPid + 1);
    }
}

} // namespace

class ComparisonSectionsTest : public QObject {
    Q_OBJECT

private slots:
    void everyChangeIsOneLine()
    {
        std::mt19937 random(34);
        QSet<QString> seen;
        for (int round = 0; round < 200; ++round) {
            const ChannelDatabase open = testing::randomDatabase(random, 40);
            // The same, a rescan of it, or another database altogether.
            ChannelDatabase other = round % 4 == 0   ? open
                                    : round % 5 == 1 ? testing::randomDatabase(random, 40)
                                                     : samples::rescannedDatabase(open, std::uint32_t(round));
            if (round % 3 != 0)
                editChannels(other, random);
            const DatabaseDiff diff = diffDatabases(open, other);
            const auto sections = ui::comparisonSections(diff, open);
            QCOMPARE(sections.empty(), diff.empty());

            std::size_t renamed = 0, changed = 0, groupLines = 0;
            for (const KindDiff *kind : {&diff.tv, &diff.radio})
                for (const ChannelDiff &channel : kind->changed) {
                    renamed += hasField(channel, true) ? 1 : 0;
                    changed += hasField(channel, false) ? 1 : 0;
                }
            for (const GroupDiff &group : diff.groups)
                groupLines += (group.nameBefore != group.nameAfter ? 1 : 0) + group.added.size() + group.removed.size()
                              + group.moves.size();
            QCOMPARE(linesOf(sections, "Добавленные каналы"), diff.tv.added.size() + diff.radio.added.size());
            QCOMPARE(linesOf(sections, "Удалённые каналы"), diff.tv.removed.size() + diff.radio.removed.size());
            QCOMPARE(linesOf(sections, "Переименованные каналы"), renamed);
            QCOMPARE(linesOf(sections, "Перемещённые каналы"), diff.tv.moves.size() + diff.radio.moves.size());
            QCOMPARE(linesOf(sections, "Изменённые каналы"), changed);
            QCOMPARE(linesOf(sections, "Добавленные транспондеры"), diff.transpondersAdded.size());
            QCOMPARE(linesOf(sections, "Удалённые транспондеры"), diff.transpondersRemoved.size());
            QCOMPARE(linesOf(sections, "Изменённые транспондеры"), diff.transpondersChanged.size());
            QCOMPARE(linesOf(sections, "Изменённые группы избранного"), groupLines);
            QCOMPARE(linesOf(sections, "Спутники"),
                     diff.satellitesAdded.size() + diff.satellitesRemoved.size() + diff.satellitesChanged.size());

            for (const ComparisonSection &section : sections) {
                seen.insert(section.title);
                QVERIFY(!section.lines.empty());
                const bool ofTheOther = section.title == QStringLiteral("Добавленные каналы");
                for (const auto &line : section.lines) {
                    if (!line.channel) {
                        // Only what the open database lacks, transponders,
                        // satellites and group lines other than removals select nothing.
                        QVERIFY(!section.title.endsWith(QStringLiteral("каналы")) || ofTheOther);
                        continue;
                    }
                    QVERIFY(!ofTheOther);
                    const Channel *channel = open.channel(line.channel->kind, line.channel->number);
                    QVERIFY(channel);
                    QCOMPARE(referenceChannelOf(open, *channel), line.channel->channel);
                }
            }
        }
        // Every section was met.
        QCOMPARE(seen.size(), 10);
    }
};

QTEST_GUILESS_MAIN(ComparisonSectionsTest)
#include "tst_comparison_sections.moc"
