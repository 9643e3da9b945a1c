// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditCommands.h"

#include <QTextStream>

#include <algorithm>
#include <optional>
#include <vector>

#include "DatabaseFiles.h"
#include "ImageFiles.h"
#include "NumberList.h"
#include "ToolExit.h"
#include "model/Deletion.h"
#include "model/Purge.h"

using namespace k510;

namespace {

// One kind of item: the numbers IN gives it run from 1 to `count`.
struct NumberedKind {
    QString name;
    int count;
};

// Every number of the ranges, or nullopt after reporting the first that
// names nothing in IN.
std::optional<std::vector<int>> numbersIn(const std::vector<NumberRange> &ranges, const NumberedKind &kind,
                                          int *exitCode)
{
    QString error;
    auto numbers = numbersWithin(ranges, kind.name, kind.count, QStringLiteral("IN"), &error);
    if (!numbers)
        *exitCode = fail(error);
    return numbers;
}

int finish(const ChannelDatabase &db, const DeletionSummary &summary, const QString &out)
{
    int code = Success;
    if (!writeDatabase(db, out, &code))
        return code;
    QTextStream stream(stdout);
    stream << QStringLiteral("deleted: tv channels %1, radio channels %2, transponders %3\n")
                  .arg(summary.tvDeleted)
                  .arg(summary.radioDeleted)
                  .arg(summary.transpondersDeleted);
    if (summary.favouriteEntriesRemoved > 0)
        stream << QStringLiteral("favourite entries removed: %1\n").arg(summary.favouriteEntriesRemoved);
    if (summary.orderEntriesCleared > 0)
        stream << QStringLiteral("order entries cleared: %1 (a deleted channel listed twice in a damaged order; "
                                 "they name no channel now)\n")
                      .arg(summary.orderEntriesCleared);
    stream.flush();
    return Success;
}

// The numbers that name a record, as the model's lookups count them.
int tvNumbers(const ChannelDatabase &db) { return std::min(db.tvCount(), int(db.channels.size())); }
int radioNumbers(const ChannelDatabase &db) { return std::max(int(db.channels.size()) - db.tvCount(), 0); }

} // namespace

int runDelete(const CommandLine &line)
{
    const QString &in = line.files.at(0);
    const QString &out = line.files.at(1);
    int code = Success;
    if (refusedAsInput(out, {in}, &code))
        return code;
    if (!line.isSet("tv") && !line.isSet("radio") && !line.isSet("transponder"))
        return fail(QStringLiteral("delete needs at least one of --tv, --radio and --transponder"));

    QString error;
    const auto ranges = parseChannelNumberLists(line.values("tv"), line.values("radio"), line.values("transponder"), &error);
    if (!ranges)
        return fail(error);

    auto db = readDatabase(in, &code);
    if (!db)
        return code;
    const auto tvList = numbersIn(ranges->tv, {QStringLiteral("tv channel"), tvNumbers(*db)}, &code);
    const auto radioList = tvList ? numbersIn(ranges->radio, {QStringLiteral("radio channel"), radioNumbers(*db)}, &code)
                                  : std::nullopt;
    const auto transponderList = radioList
        ? numbersIn(ranges->transponders, {QStringLiteral("transponder"), int(db->transponders.size())}, &code)
        : std::nullopt;
    if (!transponderList)
        return code;

    const DeletionSummary summary = deleteItems(*db, *tvList, *radioList, *transponderList);
    return finish(*db, summary, out);
}

int runPurge(const CommandLine &line)
{
    const QString &in = line.files.at(0);
    const QString &out = line.files.at(1);
    int code = Success;
    if (refusedAsInput(out, {in}, &code))
        return code;
    if (int(line.isSet("tv")) + int(line.isSet("radio")) + int(line.isSet("all")) != 1)
        return fail(QStringLiteral("purge needs exactly one of --tv, --radio and --all"));

    std::optional<NumberRange> satelliteNumber;
    if (line.isSet("satellite")) {
        QString error;
        const auto ranges = parseNumberLists({line.value("satellite")}, &error);
        if (!ranges || ranges->size() != 1 || ranges->front().first != ranges->front().last)
            return fail(ranges ? QStringLiteral("--satellite takes one number") : error);
        satelliteNumber = ranges->front();
    }

    auto db = readDatabase(in, &code);
    if (!db)
        return code;
    std::optional<int> satelliteIndex;
    if (satelliteNumber) {
        const NumberedKind satellites{QStringLiteral("satellite"), int(db->satellites.size())};
        if (!numbersIn({*satelliteNumber}, satellites, &code))
            return code;
        satelliteIndex = satelliteNumber->first - 1;
    }

    const bool purgeTv = line.isSet("tv") || line.isSet("all");
    const bool purgeRadio = line.isSet("radio") || line.isSet("all");
    const DeletionSummary summary
        = deleteItems(*db, purgeTv ? unfavouredTvNumbers(*db, satelliteIndex) : std::vector<int>{},
                      purgeRadio ? unfavouredRadioNumbers(*db, satelliteIndex) : std::vector<int>{}, {});
    return finish(*db, summary, out);
}
