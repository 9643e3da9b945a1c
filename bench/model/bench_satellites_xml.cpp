// SPDX-License-Identifier: GPL-3.0-or-later
// Times reading a satellites.xml list of 3 MB, the size the largest real
// lists reach, and planning the update of a satellite from it: the list's
// largest satellite against a database satellite of as many transponders,
// each of them within reach of a list transponder. Goal: under 200 ms.

#include <QByteArray>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "ThreeMegabyteList.h"
#include "lists/SatellitesXml.h"
#include "model/TransponderUpdate.h"
#include "tools/samples/DatabaseBuilder.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kLargestSatellite = kLargestListSatellite;

} // namespace

int main()
{
    const QByteArray xml = threeMegabyteList();
    k510::samples::DatabaseBuilder builder;
    builder.addSatellite({"Satellite 0", 9750, 10600});
    for (int t = 0; t < kLargestSatellite; ++t)
        builder.addTransponder(1, 10700 + t + t % 3, t % 2 ? 'V' : 'H', 27500, 3);
    const k510::ChannelDatabase db = builder.build();

    constexpr int kRuns = 10;
    double total = 0, worst = 0;
    std::size_t rows = 0, transponders = 0;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = Clock::now();
        const k510::SatellitesList list = k510::readSatellitesXml(xml);
        const k510::TransponderUpdatePlan plan = k510::planTransponderUpdate(db, 0, list, 0);
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        total += ms;
        worst = std::max(worst, ms);
        rows = plan.rows.size();
        transponders = 0;
        for (const auto &satellite : list.satellites)
            transponders += satellite.transponders.size();
    }
    std::printf("satellites.xml of %.1f MB, %zu transponders; plan of %zu rows against %d transponders\n",
                double(xml.size()) / (1024 * 1024), transponders, rows, kLargestSatellite);
    std::printf("%-52s %8.2f ms mean, %8.2f ms worst (%d runs; goal 200 ms)\n", "read the list + plan one satellite",
                total / kRuns, worst, kRuns);
    return 0;
}
