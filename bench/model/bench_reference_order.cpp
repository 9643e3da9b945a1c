// SPDX-License-Identifier: GPL-3.0-or-later
// Times getting the order back after a rescan on two full-capacity databases
// (6000 TV channels and the radio channels that still fit, each): the
// rescanned one has lost 10 % of the channels, gained as many new ones, its
// transponders moved up by 1 MHz and its order shuffled. Measured: planning
// and applying the old order in the model, comparing the two in the model,
// and `k510-tool diff` on the two image files as a whole process.
// Goals: ordering under 50 ms, the diff process under 200 ms.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "model/DatabaseDiff.h"
#include "model/ImageWriter.h"
#include "model/ReferenceOrder.h"
#include "tools/samples/SampleDatabases.h"

namespace {

using Clock = std::chrono::steady_clock;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool writeFile(const std::filesystem::path &path, const k510::ChannelDatabase &db)
{
    const k510::WriteResult image = k510::writeImage(db);
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char *>(image.image.data()), std::streamsize(image.image.size()));
    return image.ok() && bool(file);
}

// Wall time of one run of the tool, output discarded; negative on failure.
double runTool(const std::vector<std::string> &arguments, int *exitCode)
{
    std::vector<char *> argv{const_cast<char *>(K510_TOOL_PATH)};
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, K510_TOOL_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    *exitCode = WEXITSTATUS(status);
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

int main()
{
    const k510::ChannelDatabase before = k510::samples::fullCapacityDatabase();
    const k510::ChannelDatabase after = k510::samples::rescannedDatabase(before, 510);
    const k510::ChannelReference reference = k510::referenceOf(before);
    std::printf("before the rescan: %zu TV, %zu radio; after: %zu TV, %zu radio\n", before.tvOrder.size(),
                before.radioOrder.size(), after.tvOrder.size(), after.radioOrder.size());

    constexpr int runs = 21;
    std::vector<double> ordering;
    k510::OrderPlan plan;
    for (int i = 0; i < runs; ++i) {
        k510::ChannelDatabase copy = after;
        const auto start = Clock::now();
        plan = k510::planOrder(copy, reference);
        if (!k510::applyOrder(copy, plan, true))
            return 1;
        ordering.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::printf("matched %d TV, %d radio; new %zu TV, %zu radio; reference without partner %zu TV, %zu radio\n",
                plan.tv.matched, plan.radio.matched, plan.tv.newChannels.size(), plan.radio.newChannels.size(),
                plan.tv.unmatchedReference.size(), plan.radio.unmatchedReference.size());
    std::printf("planOrder + applyOrder:      %8.2f ms median of %d (goal: under 50 ms)\n", median(ordering), runs);

    std::vector<double> comparing;
    std::size_t changes = 0;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        const k510::DatabaseDiff diff = k510::diffDatabases(before, after);
        comparing.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        changes = diff.tv.added.size() + diff.tv.removed.size() + diff.tv.moves.size();
    }
    std::printf("diffDatabases:               %8.2f ms median of %d (%zu TV additions, removals and moves)\n",
                median(comparing), runs, changes);

    std::string pattern = (std::filesystem::temp_directory_path() / "k510-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        return 1;
    const std::filesystem::path folder(pattern);
    const std::filesystem::path a = folder / "before.k5d", b = folder / "after.k5d";
    if (!writeFile(a, before) || !writeFile(b, after))
        return 1;
    std::vector<double> process;
    int exitCode = -1;
    for (int i = 0; i < 11; ++i) {
        const double ms = runTool({"diff", a.string(), b.string()}, &exitCode);
        if (ms < 0)
            return 1;
        process.push_back(ms);
    }
    std::filesystem::remove_all(folder);
    std::printf("k510-tool diff A B process:  %8.2f ms median of 11, exit code %d (goal: under 200 ms)\n",
                median(process), exitCode);
    return exitCode == 1 ? 0 : 1;
}
