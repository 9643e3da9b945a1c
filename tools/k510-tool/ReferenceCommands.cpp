// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReferenceCommands.h"
#include "RefusalText.h"

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
    ReferenceFileResult read = readReferenceFile(bytesOf(*data), kindOf(radioCsv));
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

} // namespace

int runApplyOrder(const CommandLine &line)
{
    const QStringList &files = line.files;
    int code = Success;
    if (refusedAsInput(files.at(2), files.mid(0, 2), &code))
        return code;
    const auto reference = readReference(files.at(0), line.isSet("radio-csv"), &code);
    if (!reference)
        return code;
    auto db = readDatabase(files.at(1), &code, NotAnImage);
    if (!db)
        return code;

    const OrderPlan plan = planOrder(*db, *reference);
    const bool replaceFavourites = !line.isSet("keep-favourites");
    QTextStream out(stdout);
    const auto printSummary = [&] {
        for (const std::string &line : orderSummary(plan, replaceFavourites))
            out << QString::fromStdString(line) << '\n';
        if (line.isSet("list")) {
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
    if (!writeDatabase(*db, files.at(2), &code))
        return code;
    printSummary();
    return Success;
}

int runDuplicates(const CommandLine &line)
{
    int code = Success;
    const auto db = readDatabase(line.files.front(), &code, NotAnImage);
    if (!db)
        return code;
    const bool both = line.isSet("tv") == line.isSet("radio");
    QTextStream out(stdout);
    // Only kinds with duplicates: an empty list is no list delete takes.
    for (const bool radio : {false, true}) {
        if (!both && !line.isSet(radio ? "radio" : "tv"))
            continue;
        const DuplicateChannels found = duplicateChannels(*db, kindOf(radio));
        const std::vector<int> &numbers = line.isSet("names") ? found.similarNames : found.copies;
        if (!numbers.empty())
            out << (radio ? "--radio " : "--tv ") << formatNumberList(numbers) << '\n';
    }
    return Success;
}

int runDiff(const CommandLine &line)
{
    int code = Success;
    // Exit code 1 says "different", so every failure gives 2.
    const auto before = readDatabase(line.files.at(0), &code, NotAnImage);
    const auto after = before ? readDatabase(line.files.at(1), &code, NotAnImage) : std::nullopt;
    if (!after)
        return code;
    const DatabaseDiff diff = diffDatabases(*before, *after);
    QTextStream out(stdout);
    if (line.isSet("json"))
        out << QJsonDocument(diffJson(diff)).toJson(QJsonDocument::Indented);
    else
        out << diffText(diff);
    return diff.empty() ? Success : Failure;
}
