// SPDX-License-Identifier: GPL-3.0-or-later
// Times importing every channel of a full-capacity database (6000 TV
// channels, the radio channels that still fit, 2000 transponders on 64
// satellites) into a database with the same satellites and room for them
// all: planning (satellite matching, the identity rule, transponder choice,
// capacity) and applying through the database's append operations.
// Goal: under 200 ms for both together.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "model/ChannelImport.h"
#include "model/ImageCheck.h"
#include "tools/samples/SampleDatabases.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main()
{
    using namespace k510;
    const ChannelDatabase source = samples::fullCapacityDatabase();
    ChannelDatabase empty = source;   // the same satellites, nothing on them
    empty.transponders.clear();
    empty.channels.clear();
    empty.tvOrder.clear();
    empty.radioOrder.clear();
    for (auto *groups : {&empty.tvFavourites, &empty.radioFavourites})
        for (auto &group : *groups)
            group.clear();
    empty.rebuildTransponderIndices();

    std::vector<double> plans, applies;
    ImportPlan plan;
    ChannelDatabase db;
    for (int run = 0; run < 5; ++run) {
        db = empty;
        auto start = Clock::now();
        plan = planImport(db, source, everyChannel(db, source));
        plans.push_back(millisecondsSince(start));
        start = Clock::now();
        if (!applyImport(db, plan)) {
            std::fprintf(stderr, "the import was refused\n");
            return 1;
        }
        applies.push_back(millisecondsSince(start));
    }
    if (!numberingProblems(db).empty()) {
        std::fprintf(stderr, "the import broke the numbering\n");
        return 1;
    }
    std::printf("import of %d TV and %d radio channels, %zu transponders (median of 5):\n", int(plan.tv.size()),
                int(plan.radio.size()), plan.newTransponders.size());
    std::printf("  plan   %7.1f ms\n  apply  %7.1f ms\n  total  %7.1f ms (goal: under 200 ms)\n", median(plans),
                median(applies), median(plans) + median(applies));
    return 0;
}
