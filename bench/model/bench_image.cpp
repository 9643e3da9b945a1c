// SPDX-License-Identifier: GPL-3.0-or-later
// Times reading and writing a full-capacity image: region A filled to its
// limit (64 satellites, 2000 transponders, 6000 TV and the remaining radio
// channels) and every favourite group full.

#include <chrono>
#include <cstdio>

#include "model/ImageReader.h"
#include "model/ImageWriter.h"
#include "tools/samples/SampleDatabases.h"

namespace {

template <typename Work>
double microsecondsPerRun(int runs, Work work)
{
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    for (int i = 0; i < runs; ++i)
        work();
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / runs;
}

} // namespace

int main()
{
    const k510::ChannelDatabase db = k510::samples::fullCapacityDatabase();
    const k510::WriteResult image = k510::writeImage(db);
    if (!image.ok()) {
        std::fprintf(stderr, "cannot write the full image: %s\n", image.error.c_str());
        return 1;
    }
    std::printf("full-capacity image: %zu satellites, %zu transponders, %zu channels (%zu TV, %zu radio)\n",
                db.satellites.size(), db.transponders.size(), db.channels.size(), db.tvOrder.size(),
                db.radioOrder.size());

    constexpr int runs = 200;
    std::size_t sink = 0;
    const double read = microsecondsPerRun(runs, [&] { sink += k510::readImage(image.image).database->channels.size(); });
    const double write = microsecondsPerRun(runs, [&] { sink += k510::writeImage(db).image.size(); });
    std::printf("readImage:  %8.1f us per image (mean of %d)\n", read, runs);
    std::printf("writeImage: %8.1f us per image (mean of %d)\n", write, runs);
    return sink == 0;
}
