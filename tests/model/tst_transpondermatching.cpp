// SPDX-License-Identifier: GPL-3.0-or-later
// The same-transponder rule as each command that relies on it applies it:
// ordering by example, diff, import and the satellites.xml update must
// pick the same transponder of the database for a transponder of another
// database or list, but for what a use cannot know (a reference names no
// symbol rate, a list no service IDs).

#include <QTest>

#include <algorithm>
#include <string>

#include "model/ChannelIdentity.h"
#include "model/ChannelImport.h"
#include "model/DatabaseDiff.h"
#include "model/TransponderUpdate.h"
#include "tools/samples/DatabaseBuilder.h"

using namespace k510;

namespace {

struct Tp {
    int frequency;
    char polarisation = 'H';
    int symbolRate = 27500;
    QList<int> serviceIds;   // of its TV channels
};
using Tps = QList<Tp>;

constexpr int kNewServiceId = 999;   // on the other side's first transponder only

// One satellite on each side. Channel names differ between the sides, so
// no channel pairs by name; FECs differ, so diff reports every pair.
ChannelDatabase build(const Tps &transponders, bool other)
{
    samples::DatabaseBuilder builder;
    builder.addSatellite({"Astra 1", 9750, 10600, SwitchType::None, 0, 0, 192});
    for (qsizetype k = 0; k < transponders.size(); ++k) {
        const Tp &tp = transponders[k];
        const int number = builder.addTransponder(1, tp.frequency, tp.polarisation, tp.symbolRate, other ? 5 : 3);
        QList<int> ids = tp.serviceIds;
        if (other && k == 0)
            ids.append(kNewServiceId);
        for (const int id : ids) {
            const std::string name = (other ? "theirs " : "ours ") + std::to_string(id);
            builder.addTv(number, {name, id});
        }
    }
    return builder.build();
}

SatellitesList listOf(const Tps &transponders)
{
    ListSatellite satellite{1, "Astra 1", 192, {}, {}};
    for (const Tp &tp : transponders)
        satellite.transponders.push_back({2, std::uint32_t(tp.frequency) * 1000, std::uint32_t(tp.symbolRate) * 1000,
                                          tp.polarisation == 'V' ? ListPolarisation::Vertical
                                                                 : ListPolarisation::Horizontal,
                                          5, ListSystem::DvbS});
    SatellitesList list;
    list.satellites.push_back(satellite);
    return list;
}

// Order by example: the transponder of our partner of their first channel.
int byOrder(const ChannelDatabase &ours, const ChannelDatabase &theirs)
{
    const int partner = matchChannels(ours, referenceOf(theirs), ChannelKind::Tv).channelOfReference.front();
    return partner == kNoPartner ? 0 : int(ours.tvChannel(partner)->tpNumber);
}

// diff THEIRS OURS: our transponder paired with their first.
int byDiff(const ChannelDatabase &ours, const ChannelDatabase &theirs)
{
    const DatabaseDiff diff = diffDatabases(theirs, ours);
    const auto changed = std::find_if(diff.transpondersChanged.begin(), diff.transpondersChanged.end(),
                                      [](const TransponderDiff &tp) { return tp.before.number == 1; });
    return changed == diff.transpondersChanged.end() ? 0 : changed->after.number;
}

// Import: where their new channel lands; 0 on a copy of their transponder.
int byImport(const ChannelDatabase &ours, const ChannelDatabase &theirs)
{
    const ImportPlan plan = planImport(ours, theirs, everyChannel(ours, theirs));
    const auto added = std::find_if(plan.tv.begin(), plan.tv.end(),
                                    [](const Channel &channel) { return channel.serviceId == kNewServiceId; });
    if (added == plan.tv.end())
        return -1;
    return added->tpNumber <= ours.transponders.size() ? int(added->tpNumber) : 0;
}

// The satellites.xml update: the transponder their first entry reaches, 0
// for a new one, negative when another entry decides it.
int byUpdate(const ChannelDatabase &ours, const Tps &theirs)
{
    const TransponderUpdatePlan plan = planTransponderUpdate(ours, 0, listOf(theirs), 0);
    const PlannedTransponder &row = plan.rows.front();
    if (row.existingIndex < 0)
        return 0;
    const bool decidedByAnother = row.text.starts_with("уже есть, учтён");
    return decidedByAnother ? -(row.existingIndex + 1) : row.existingIndex + 1;
}

} // namespace

Q_DECLARE_METATYPE(Tp)

class TestTransponderMatching : public QObject {
    Q_OBJECT

private slots:
    void eachUse_data()
    {
        QTest::addColumn<Tps>("ours");
        QTest::addColumn<Tps>("theirs");
        // Our transponder number each use takes for their first; 0 for none.
        QTest::addColumn<int>("order");
        QTest::addColumn<int>("diff");
        QTest::addColumn<int>("import");
        QTest::addColumn<int>("update");
        const auto row = [](const char *name, Tps ours, Tps theirs, int order, int diff, int import, int update) {
            QTest::newRow(name) << ours << theirs << order << diff << import << update;
        };
        row("the same frequency", {{11766, 'H', 27500, {1, 2}}}, {{11766, 'H', 27500, {1, 2}}}, 1, 1, 1, 1);
        row("2 MHz apart: the same", {{11766, 'H', 27500, {1}}}, {{11768, 'H', 27500, {1}}}, 1, 1, 1, 1);
        row("3 MHz apart, nothing shared: another", {{11766, 'H', 27500, {1, 2}}}, {{11769, 'H', 27500, {3, 4}}}, 0, 0,
            0, 0);
        row("the other polarisation, nothing shared: another", {{11766, 'H', 27500, {1, 2}}},
            {{11766, 'V', 27500, {3, 4}}}, 0, 0, 0, 0);
        row("the nearer before the lower", {{11764, 'H', 27500, {1}}, {11767, 'H', 27500, {1}}},
            {{11766, 'H', 27500, {1}}}, 2, 2, 2, 2);
        row("as near: the lower frequency", {{11767, 'H', 27500, {1}}, {11765, 'H', 27500, {1}}},
            {{11766, 'H', 27500, {1}}}, 2, 2, 2, 2);
        // A reference names no symbol rate: ordering goes by frequency alone.
        row("the same symbol rate before a nearer other one", {{11766, 'H', 22000, {1}}, {11767, 'H', 27500, {1}}},
            {{11766, 'H', 27500, {1}}}, 1, 2, 2, 2);
        row("two of theirs on one: the same symbol rate decides", {{11766, 'H', 27500, {1}}},
            {{11767, 'H', 27500, {1}}, {11766, 'H', 30000, {2}}}, 1, 1, 1, 1);
        row("two of theirs on one, as near: the lower decides", {{11766, 'H', 27500, {1, 2}}},
            {{11767, 'H', 27500, {2}}, {11765, 'H', 27500, {1}}}, 1, 0, 1, -1);
        // A list names no service IDs: the update never sees a moved transponder.
        row("moved 10 MHz, its service IDs shared", {{11776, 'H', 27500, {1, 2, 3}}}, {{11766, 'H', 27500, {1, 2, 3}}},
            1, 1, 1, 0);
        row("moved to the other polarisation", {{11766, 'V', 27500, {1, 2}}}, {{11766, 'H', 27500, {1, 2}}}, 1, 1, 1, 0);
        row("moved, one service ID shared: another", {{11776, 'H', 27500, {1, 5, 6}}}, {{11766, 'H', 27500, {1, 2, 3}}},
            0, 0, 0, 0);
        row("moved: the nearest first", {{11790, 'H', 27500, {1, 2}}, {11776, 'H', 27500, {1, 2}}},
            {{11766, 'H', 27500, {1, 2}}}, 2, 2, 2, 0);
        row("one within 2 MHz: no moved one", {{11776, 'H', 27500, {1, 2, 3}}, {11767, 'H', 27500, {9}}},
            {{11766, 'H', 27500, {1, 2, 3}}}, 0, 2, 2, 2);
    }

    void eachUse()
    {
        QFETCH(Tps, ours);
        QFETCH(Tps, theirs);
        const ChannelDatabase db = build(ours, false);
        const ChannelDatabase other = build(theirs, true);
        QTEST(byOrder(db, other), "order");
        QTEST(byDiff(db, other), "diff");
        QTEST(byImport(db, other), "import");
        QTEST(byUpdate(db, theirs), "update");
    }
};

QTEST_APPLESS_MAIN(TestTransponderMatching)
#include "tst_transpondermatching.moc"
