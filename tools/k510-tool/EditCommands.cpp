// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditCommands.h"

#include <QCommandLineParser>
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

const QString kDeleteSynopsis = QStringLiteral(
    "delete IN OUT [--tv LIST] [--radio LIST] [--transponder LIST]\n"
    "                      delete TV channels, radio channels (radio numbers) and transponders\n"
    "                      with their channels, numbered as dump numbers them in IN; LIST: 3,5,10-12");
const QString kPurgeSynopsis = QStringLiteral(
    "purge IN OUT (--tv | --radio | --all) [--satellite N]\n"
    "                      delete every channel of the kind (of satellite N) in no favourite group");

// One kind of item: the numbers IN gives it run from 1 to `count`.
struct NumberedKind {
    QString name;
    int count;
};

// The command's positional arguments IN and OUT, after its options.
struct Invocation {
    QString in;
    QString out;
};

std::optional<Invocation> parse(QCommandLineParser &parser, const QStringList &arguments, const QString &synopsis,
                                int *exitCode)
{
    if (!parser.parse(QStringList{QStringLiteral("k510-tool")} + arguments)) {
        *exitCode = fail(parser.errorText());
        return std::nullopt;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2) {
        *exitCode = fail(QStringLiteral("usage: k510-tool %1").arg(synopsis.section(QLatin1Char('\n'), 0, 0)));
        return std::nullopt;
    }
    if (refusedAsInput(positional[1], {positional[0]}, exitCode))
        return std::nullopt;
    return Invocation{positional[0], positional[1]};
}

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

int deleteCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption tv(QStringLiteral("tv"), QString(), QStringLiteral("LIST"));
    const QCommandLineOption radio(QStringLiteral("radio"), QString(), QStringLiteral("LIST"));
    const QCommandLineOption transponder(QStringLiteral("transponder"), QString(), QStringLiteral("LIST"));
    parser.addOptions({tv, radio, transponder});
    int code = Success;
    const auto files = parse(parser, arguments, kDeleteSynopsis, &code);
    if (!files)
        return code;
    if (!parser.isSet(tv) && !parser.isSet(radio) && !parser.isSet(transponder))
        return fail(QStringLiteral("delete needs at least one of --tv, --radio and --transponder"));

    QString error;
    const auto ranges = parseChannelNumberLists(parser.values(tv), parser.values(radio), parser.values(transponder), &error);
    if (!ranges)
        return fail(error);

    auto db = readDatabase(files->in, &code);
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
    return finish(*db, summary, files->out);
}

int purgeCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption tv(QStringLiteral("tv"));
    const QCommandLineOption radio(QStringLiteral("radio"));
    const QCommandLineOption all(QStringLiteral("all"));
    const QCommandLineOption satellite(QStringLiteral("satellite"), QString(), QStringLiteral("N"));
    parser.addOptions({tv, radio, all, satellite});
    int code = Success;
    const auto files = parse(parser, arguments, kPurgeSynopsis, &code);
    if (!files)
        return code;
    if (int(parser.isSet(tv)) + int(parser.isSet(radio)) + int(parser.isSet(all)) != 1)
        return fail(QStringLiteral("purge needs exactly one of --tv, --radio and --all"));

    std::optional<NumberRange> satelliteNumber;
    if (parser.isSet(satellite)) {
        QString error;
        const auto ranges = parseNumberLists({parser.value(satellite)}, &error);
        if (!ranges || ranges->size() != 1 || ranges->front().first != ranges->front().last)
            return fail(ranges ? QStringLiteral("--satellite takes one number") : error);
        satelliteNumber = ranges->front();
    }

    auto db = readDatabase(files->in, &code);
    if (!db)
        return code;
    std::optional<int> satelliteIndex;
    if (satelliteNumber) {
        const NumberedKind satellites{QStringLiteral("satellite"), int(db->satellites.size())};
        if (!numbersIn({*satelliteNumber}, satellites, &code))
            return code;
        satelliteIndex = satelliteNumber->first - 1;
    }

    const bool purgeTv = parser.isSet(tv) || parser.isSet(all);
    const bool purgeRadio = parser.isSet(radio) || parser.isSet(all);
    const DeletionSummary summary
        = deleteItems(*db, purgeTv ? unfavouredTvNumbers(*db, satelliteIndex) : std::vector<int>{},
                      purgeRadio ? unfavouredRadioNumbers(*db, satelliteIndex) : std::vector<int>{}, {});
    return finish(*db, summary, files->out);
}

} // namespace

bool isEditCommand(const QString &name)
{
    return name == QLatin1String("delete") || name == QLatin1String("purge");
}

QStringList editCommandSynopses() { return {kDeleteSynopsis, kPurgeSynopsis}; }

int runEditCommand(const QString &name, const QStringList &arguments)
{
    return name == QLatin1String("delete") ? deleteCommand(arguments) : purgeCommand(arguments);
}
