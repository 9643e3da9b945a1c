// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReferenceCommands.h"
#include "RefusalText.h"

#include <QCommandLineParser>
#include <QJsonDocument>
#include <QTextStream>

#include <optional>

#include "DatabaseFiles.h"
#include "DiffReport.h"
#include "ImageFiles.h"
#include "NumberList.h"
#include "ToolExit.h"
#include "model/DatabaseDiff.h"
#include "model/Duplicates.h"
#include "model/ReferenceFile.h"
#include "model/ReferenceOrder.h"

using namespace k510;

namespace {

const QString kApplyOrderSynopsis = QStringLiteral(
    "apply-order REF IN OUT [--keep-favourites] [--radio-csv] [--list]\n"
    "                      order IN's channels after REF, an image or a CSV list the editor exported\n"
    "                      (a TV list; --radio-csv: a radio list), and take REF's favourite groups;\n"
    "                      prints the summary, with --list every new channel and every channel of REF\n"
    "                      without partner; writes nothing (exit 1) when not one channel of REF is in IN");
const QString kDuplicatesSynopsis = QStringLiteral(
    "duplicates FILE [--tv] [--radio] [--names]\n"
    "                      copies: channels repeating one before them in the order (same transponder and\n"
    "                      service ID), as delete's --tv and --radio take them; --names: instead the\n"
    "                      channels that only share transponder and name with one before them (most\n"
    "                      often regional variants, each a service of its own)");
const QString kDiffSynopsis = QStringLiteral(
    "diff A B [--json]\n"
    "                      what changed from A to B, channels recognised across a rescan, each named by\n"
    "                      its place in the list as the window numbers rows and by its channel number as\n"
    "                      dump numbers them: \"№ 11 (канал 3753)\"; exit 0 when equal, 1 when different");

// The positional arguments after the options, or nullopt after reporting
// the usage line.
std::optional<QStringList> parse(QCommandLineParser &parser, const QStringList &arguments, const QString &synopsis,
                                 qsizetype files, int *exitCode)
{
    if (!parser.parse(QStringList{QStringLiteral("k510-tool")} + arguments)) {
        *exitCode = fail(parser.errorText());
        return std::nullopt;
    }
    if (parser.positionalArguments().size() != files) {
        *exitCode = fail(QStringLiteral("usage: k510-tool %1").arg(synopsis.section(QLatin1Char('\n'), 0, 0)));
        return std::nullopt;
    }
    return parser.positionalArguments();
}

// REF as a reference, the same as the window reads it. A file that is
// neither an image nor a CSV list is as unreadable as a missing one.
std::optional<ChannelReference> readReference(const QString &path, bool radioCsv, int *exitCode)
{
    QString error;
    const auto data = loadFile(path, &error, "a database image or a CSV channel list");
    if (!data) {
        *exitCode = fail(error, NotAnImage);
        return std::nullopt;
    }
    ReferenceFileResult read = readReferenceFile(bytesOf(*data), radioCsv);
    for (const auto &warning : read.warnings)
        QTextStream(stderr) << path << ": " << QString::fromStdString(warning) << Qt::endl;
    if (read.otherKind) {
        *exitCode = fail(radioCsv ? QStringLiteral("%1 is a TV channel list: it orders IN's TV channels, without "
                                                   "--radio-csv; a radio list takes --radio-csv").arg(path)
                                  : QStringLiteral("%1 is a radio channel list: it orders IN's radio channels, with "
                                                   "--radio-csv; a TV list goes without").arg(path),
                         NotAnImage);
        return std::nullopt;
    }
    if (!read.ok()) {
        // The reason is the window's own text, so it keeps a line of its own.
        *exitCode = fail(path + QStringLiteral(": ") + QString::fromStdString(read.error), NotAnImage);
        if (!read.image)
            fail(QStringLiteral("%1 is no database image, nor a channel list").arg(path));
        return std::nullopt;
    }
    return std::move(read.reference);
}

void listChannels(QTextStream &out, const char *what, const std::vector<ReferenceChannel> &channels)
{
    for (const ReferenceChannel &channel : channels)
        out << what << QString::fromStdString(channelLine(channel)) << '\n';
}

int applyOrderCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption keepFavourites(QStringLiteral("keep-favourites"));
    const QCommandLineOption radioCsv(QStringLiteral("radio-csv"));
    const QCommandLineOption list(QStringLiteral("list"));
    parser.addOptions({keepFavourites, radioCsv, list});
    int code = Success;
    const auto files = parse(parser, arguments, kApplyOrderSynopsis, 3, &code);
    if (!files || refusedAsInput(files->at(2), files->mid(0, 2), &code))
        return code;
    const auto reference = readReference(files->at(0), parser.isSet(radioCsv), &code);
    if (!reference)
        return code;
    auto db = readDatabase(files->at(1), &code, NotAnImage);
    if (!db)
        return code;

    const OrderPlan plan = planOrder(*db, *reference);
    const bool replaceFavourites = !parser.isSet(keepFavourites);
    QTextStream out(stdout);
    const auto printSummary = [&] {
        for (const std::string &line : orderSummary(plan, replaceFavourites))
            out << QString::fromStdString(line) << '\n';
        if (parser.isSet(list)) {
            listChannels(out, "новый ТВ: ", plan.tv.newChannels);
            listChannels(out, "без пары в образце, ТВ: ", plan.tv.unmatchedReference);
            listChannels(out, "новый радио: ", plan.radio.newChannels);
            listChannels(out, "без пары в образце, радио: ", plan.radio.unmatchedReference);
        }
        out.flush();
    };
    // As the window, which offers no "OK" then.
    if (matchesNothing(plan)) {
        printSummary();
        return fail(QStringLiteral("not one channel of REF is in IN; OUT was not written"));
    }
    if (const Outcome<Applied> applied = applyOrder(*db, plan, replaceFavourites); !applied)
        return fail(refusalText(applied.refusal()) + QStringLiteral("; OUT was not written"));
    if (!writeDatabase(*db, files->at(2), &code))
        return code;
    printSummary();
    return Success;
}

int duplicatesCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption tv(QStringLiteral("tv"));
    const QCommandLineOption radio(QStringLiteral("radio"));
    const QCommandLineOption names(QStringLiteral("names"));
    parser.addOptions({tv, radio, names});
    int code = Success;
    const auto files = parse(parser, arguments, kDuplicatesSynopsis, 1, &code);
    if (!files)
        return code;
    const auto db = readDatabase(files->front(), &code, NotAnImage);
    if (!db)
        return code;
    const bool both = parser.isSet(tv) == parser.isSet(radio);
    QTextStream out(stdout);
    // Only kinds with duplicates: an empty list is no list delete takes.
    for (const bool isRadio : {false, true}) {
        if (!both && !parser.isSet(isRadio ? radio : tv))
            continue;
        const DuplicateChannels found = duplicateChannels(*db, isRadio);
        const std::vector<int> &numbers = parser.isSet(names) ? found.similarNames : found.copies;
        if (!numbers.empty())
            out << (isRadio ? "--radio " : "--tv ") << formatNumberList(numbers) << '\n';
    }
    return Success;
}

int diffCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"));
    parser.addOption(json);
    int code = Success;
    // Exit code 1 says "different", so every failure gives 2.
    const auto files = parse(parser, arguments, kDiffSynopsis, 2, &code);
    if (!files)
        return NotAnImage;
    const auto before = readDatabase(files->at(0), &code, NotAnImage);
    const auto after = before ? readDatabase(files->at(1), &code, NotAnImage) : std::nullopt;
    if (!after)
        return code;
    const DatabaseDiff diff = diffDatabases(*before, *after);
    QTextStream out(stdout);
    if (parser.isSet(json))
        out << QJsonDocument(diffJson(diff)).toJson(QJsonDocument::Indented);
    else
        out << diffText(diff);
    return diff.empty() ? Success : Failure;
}

} // namespace

bool isReferenceCommand(const QString &name)
{
    return name == QLatin1String("apply-order") || name == QLatin1String("duplicates") || name == QLatin1String("diff");
}

QStringList referenceCommandSynopses() { return {kApplyOrderSynopsis, kDuplicatesSynopsis, kDiffSynopsis}; }

int runReferenceCommand(const QString &name, const QStringList &arguments)
{
    if (name == QLatin1String("apply-order"))
        return applyOrderCommand(arguments);
    if (name == QLatin1String("duplicates"))
        return duplicatesCommand(arguments);
    return diffCommand(arguments);
}
