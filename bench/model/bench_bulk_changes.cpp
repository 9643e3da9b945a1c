// SPDX-License-Identifier: GPL-3.0-or-later
// Times the changes to a whole selection on the full-capacity database (6000
// TV channels): locking and unlocking all of them, adding 80 to an emptied
// favourite group, a filter of four conditions and the copies condition
// (the matcher made and asked about every row, as a list does), and the
// rename preview and change of all 6000. Each run starts from a fresh copy;
// the copy is not timed.

#include <chrono>
#include <cstdio>
#include <vector>

#include "model/BulkChanges.h"
#include "model/ChannelFilter.h"
#include "model/RenameRule.h"
#include "model/TextCodec.h"
#include "tools/samples/SampleDatabases.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace k510;

// Mean and worst time of `runs` runs of work on a fresh copy of db, in ms,
// beside the goal.
template <typename Work>
void report(const char *what, double goalMs, const ChannelDatabase &db, int runs, Work work)
{
    double total = 0, worst = 0;
    std::size_t sink = 0;
    for (int i = 0; i < runs; ++i) {
        ChannelDatabase copy = db;
        const auto start = Clock::now();
        sink += work(copy);
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        total += ms;
        worst = std::max(worst, ms);
    }
    std::printf("%-44s %8.2f ms mean, %8.2f ms worst (goal %5.0f ms, %d runs, %zu each)\n", what, total / runs, worst,
                goalMs, runs, sink / std::size_t(runs));
}

// A list asks the matcher about each of its rows.
std::size_t rowsShown(const ChannelDatabase &db, const ChannelConditions &conditions)
{
    const ChannelMatcher matcher(db, ChannelKind::Tv, conditions);
    std::size_t shown = 0;
    for (int index = 0; index < db.tvCount(); ++index)
        shown += matcher.matches(index);
    return shown;
}

} // namespace

int main()
{
    const ChannelDatabase db = samples::fullCapacityDatabase();
    std::printf("full-capacity database: %zu TV, %zu radio channels\n", db.tvOrder.size(), db.radioOrder.size());
    std::vector<int> everyTv;
    for (int n = 1; n <= db.tvCount(); ++n)
        everyTv.push_back(n);
    constexpr int runs = 20;

    report("lock 6000 TV channels", 16, db, runs, [&](ChannelDatabase &copy) {
        return std::size_t(setLocked(copy, ChannelKind::Tv, everyTv, true)->changed);
    });
    ChannelDatabase locked = db;
    (void)setLocked(locked, ChannelKind::Tv, everyTv, true);
    report("unlock 6000 TV channels", 16, locked, runs, [&](ChannelDatabase &copy) {
        return std::size_t(setLocked(copy, ChannelKind::Tv, everyTv, false)->changed);
    });

    ChannelDatabase emptied = db;
    emptied.tvFavourites[0].clear();
    const std::vector<int> eighty(everyTv.end() - kFavouriteGroupCapacity, everyTv.end());
    report("add 80 to a favourite group", 16, emptied, runs, [&](ChannelDatabase &copy) {
        return std::size_t(addToFavouriteGroup(copy, ChannelKind::Tv, 0, eighty)->added);
    });

    ChannelConditions four;
    four.satellite = 3;   // its channels are the odd ones, named "Канал N"
    four.scrambled = false;
    four.locked = false;
    four.nameContains = utf8ToWindows1251("КАНАЛ");
    report("filter of 4 conditions, 6000 rows asked", 16, db, runs,
           [&](ChannelDatabase &copy) { return rowsShown(copy, four); });
    ChannelConditions copies;
    copies.duplicates = true;
    report("copies condition, 6000 rows asked", 16, db, runs,
           [&](ChannelDatabase &copy) { return rowsShown(copy, copies); });

    RenameRule rule;
    rule.replaceFrom = utf8ToWindows1251("канал");
    rule.replaceTo = "TV";
    rule.ignoreCase = true;
    rule.addSuffix = " HD";
    rule.trim = true;
    rule.letterCase = LetterCase::Upper;
    report("rename preview of 6000", 100, db, runs,
           [&](ChannelDatabase &copy) { return previewRename(copy, ChannelKind::Tv, everyTv, rule).size(); });
    report("rename of 6000 applied", 50, db, runs, [&](ChannelDatabase &copy) {
        return std::size_t(bool(applyRename(copy, ChannelKind::Tv, everyTv, rule)));
    });
    return 0;
}
