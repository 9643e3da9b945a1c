// SPDX-License-Identifier: GPL-3.0-or-later
// Times batch deletion on the full-capacity database (6000 TV channels, 960
// TV favourite entries): purging the TV list, which keeps only the
// favourites, deleting every TV channel, and deleting 100 TV channels spread
// over the list. Each run starts from a fresh copy; the copy is not timed.

#include <chrono>
#include <cstdio>
#include <vector>

#include "model/Deletion.h"
#include "model/Purge.h"
#include "tools/samples/SampleDatabases.h"

namespace {

using Clock = std::chrono::steady_clock;

// Mean and worst time of `runs` runs of work on a fresh copy of db, in ms.
template <typename Work>
void report(const char *what, const k510::ChannelDatabase &db, int runs, Work work)
{
    double total = 0, worst = 0;
    std::size_t sink = 0;
    for (int i = 0; i < runs; ++i) {
        k510::ChannelDatabase copy = db;
        const auto start = Clock::now();
        sink += work(copy);
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        total += ms;
        worst = std::max(worst, ms);
    }
    std::printf("%-52s %8.2f ms mean, %8.2f ms worst (%d runs, %zu channels left)\n", what, total / runs, worst, runs,
                sink / std::size_t(runs));
}

} // namespace

int main()
{
    const k510::ChannelDatabase db = k510::samples::fullCapacityDatabase();
    std::size_t favourites = 0;
    for (const auto &group : db.tvFavourites)
        favourites += group.size();
    std::printf("full-capacity database: %zu TV, %zu radio channels, %zu TV favourite entries\n", db.tvOrder.size(),
                db.radioOrder.size(), favourites);

    report("purge TV list (select + deleteTvChannels)", db, 20, [](k510::ChannelDatabase &copy) {
        k510::deleteTvChannels(copy, k510::unfavouredTvNumbers(copy));
        return copy.channels.size();
    });

    report("the same purge, one by one (for comparison)", db, 1, [](k510::ChannelDatabase &copy) {
        const std::vector<int> numbers = k510::unfavouredTvNumbers(copy);
        for (auto it = numbers.rbegin(); it != numbers.rend(); ++it)
            copy.deleteTvChannel(*it);
        return copy.channels.size();
    });

    std::vector<int> everyTv;
    for (int n = 1; n <= db.tvCount(); ++n)
        everyTv.push_back(n);
    report("delete all 6000 TV channels", db, 20, [&everyTv](k510::ChannelDatabase &copy) {
        k510::deleteTvChannels(copy, everyTv);
        return copy.channels.size();
    });

    std::vector<int> spread;
    for (int n = 1; n <= db.tvCount(); n += db.tvCount() / 100)
        spread.push_back(n);
    report("delete 100 TV channels spread over the list", db, 20, [&spread](k510::ChannelDatabase &copy) {
        k510::deleteTvChannels(copy, spread);
        return copy.channels.size();
    });
    report("the same 100, one by one (for comparison)", db, 5, [&spread](k510::ChannelDatabase &copy) {
        for (auto it = spread.rbegin(); it != spread.rend(); ++it)
            copy.deleteTvChannel(*it);
        return copy.channels.size();
    });
    return 0;
}
