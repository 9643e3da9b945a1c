// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImportCommand.h"

#include "RefusalText.h"

#include <QTextStream>

#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "DatabaseFiles.h"
#include "ImageFiles.h"
#include "NumberList.h"
#include "ToolExit.h"
#include "model/ChannelIdentity.h"
#include "model/ChannelImport.h"
#include "model/ImageCheck.h"
#include "model/ImageReader.h"
#include "model/OrderLists.h"
#include "model/TextCodec.h"

using namespace k510;

namespace {

// SRC as the window opens it: read, and every break of its numbering named.
std::optional<ChannelDatabase> readSource(const QString &path, int *exitCode)
{
    QString error;
    const auto data = loadFile(path, &error);
    if (!data) {
        *exitCode = fail(error, NotAnImage);
        return std::nullopt;
    }
    ReadResult read = readImage(bytesOf(*data));
    if (!read.ok()) {
        *exitCode = fail(path + QStringLiteral(": ") + QString::fromStdString(read.error), NotAnImage);
        return std::nullopt;
    }
    QTextStream err(stderr);
    for (const auto &warning : read.warnings)
        err << path << ": " << QString::fromStdString(warning) << Qt::endl;
    for (const auto &problem : checkImage(bytesOf(*data)).problems)
        err << path << ": " << QString::fromStdString(problem) << Qt::endl;
    return std::move(read.database);
}

// Every number of the ranges, or nullopt after naming the first beyond count.
std::optional<std::vector<int>> numbersUpTo(const std::vector<NumberRange> &ranges, const QString &kind, int count,
                                            int *exitCode)
{
    QString error;
    auto numbers = numbersWithin(ranges, kind, count, QStringLiteral("SRC"), &error);
    if (!numbers)
        *exitCode = fail(error);
    return numbers;
}

std::vector<int> satellitesNamed(const ChannelDatabase &db, const QString &utf8)
{
    return k510::satellitesNamed(db, utf8ToWindows1251(utf8.toStdString()));
}

// --satellite SRC_NAME=IN_NAME over the default matching; false after reporting.
bool applySatelliteChoices(const QStringList &choices, const ChannelDatabase &source, const ChannelDatabase &db,
                           std::vector<int> &targets, int *exitCode)
{
    std::map<int, std::pair<QString, int>> chosenBy;   // per SRC satellite: the option and its target
    for (const QString &choice : choices) {
        const qsizetype equals = choice.indexOf(QLatin1Char('='));
        if (equals < 0) {
            *exitCode = fail(QStringLiteral("--satellite %1: SRC_NAME=IN_NAME expected").arg(choice));
            return false;
        }
        const std::vector<int> from = satellitesNamed(source, choice.left(equals));
        if (from.empty()) {
            *exitCode = fail(QStringLiteral("--satellite %1: SRC has no satellite of that name").arg(choice));
            return false;
        }
        int to = kNotImported;
        if (const QString name = choice.mid(equals + 1); !name.trimmed().isEmpty()) {
            const std::vector<int> named = satellitesNamed(db, name);
            if (named.size() != 1) {
                *exitCode = fail(QStringLiteral("--satellite %1: IN has %2 satellites of that name")
                                     .arg(choice)
                                     .arg(named.size()));
                return false;
            }
            to = named.front();
        }
        for (const int index : from) {
            if (const auto earlier = chosenBy.find(index); earlier != chosenBy.end() && earlier->second.second != to) {
                *exitCode = fail(QStringLiteral("--satellite %1: --satellite %2 maps that satellite of SRC already")
                                     .arg(choice, earlier->second.first));
                return false;
            }
            chosenBy.try_emplace(index, choice, to);
            targets[std::size_t(index)] = to;
        }
    }
    return true;
}

// The channel numbers of SRC's list of a kind at the places the ranges name,
// as the window numbers its rows; nullopt after naming a place beyond it.
std::optional<std::vector<int>> numbersAtPlaces(const std::vector<NumberRange> &ranges, const ChannelDatabase &source,
                                                bool radio, int *exitCode)
{
    const std::vector<int> listed = orderedNumbers(radio ? source.radioOrder : source.tvOrder);
    const auto places = numbersUpTo(ranges, radio ? QStringLiteral("radio place") : QStringLiteral("tv place"),
                                    int(listed.size()), exitCode);
    if (!places)
        return std::nullopt;
    std::vector<int> numbers;
    for (const int place : *places)
        numbers.push_back(listed[std::size_t(place - 1)]);
    return numbers;
}

// The channel lists of the command line, parsed before any file is read.
struct Selection {
    ChannelNumberRanges numbers;
    std::vector<NumberRange> tvPlaces;
    std::vector<NumberRange> radioPlaces;
};

} // namespace

int runImport(const CommandLine &line)
{
    const QStringList &files = line.files;
    if (int code = Success; refusedAsInput(files[2], files.mid(0, 2), &code))
        return code;

    QString error;
    Selection lists;
    if (const auto ranges = parseChannelNumberLists(line.values("tv"), line.values("radio"), line.values("transponder"), &error))
        lists.numbers = *ranges;
    else
        return fail(error);
    for (const auto &[option, ranges] : {std::pair{"tv-places", &lists.tvPlaces}, std::pair{"radio-places", &lists.radioPlaces}}) {
        if (!line.isSet(option))
            continue;
        const auto parsed = parseNumberLists(line.values(option), &error);
        if (!parsed)
            return fail(QStringLiteral("--%1: %2").arg(QLatin1String(option), error));
        *ranges = *parsed;
    }
    const bool tvListed = line.isSet("tv") || line.isSet("tv-places");
    const bool radioListed = line.isSet("radio") || line.isSet("radio-places");
    std::optional<qlonglong> afterPlace;
    if (line.isSet("after")) {
        bool number = false;
        afterPlace = line.value("after").toLongLong(&number);
        if (!number)
            return fail(QStringLiteral("--after %1: a place from 0 to the length of IN's list expected").arg(line.value("after")));
        if (tvListed == radioListed)
            return fail(QStringLiteral("--after needs exactly one of --tv and --radio (or --tv-places, --radio-places):"
                                       " it places that list's channels"));
    }

    int code = Success;
    const auto source = readSource(files[0], &code);
    if (!source)
        return code;
    auto db = readDatabase(files[1], &code, NotAnImage);
    if (!db)
        return code;

    ImportRequest request = everyChannel(*db, *source);
    request.updateTransponders = line.isSet("update-transponders");
    if (afterPlace) {
        const std::size_t length = (radioListed ? db->radioOrder : db->tvOrder).size();
        if (*afterPlace < 0 || std::size_t(*afterPlace) > length)
            return fail(QStringLiteral("--after %1: IN's %2 list has %3 entries, so a place from 0 to %3 expected")
                            .arg(*afterPlace)
                            .arg(radioListed ? QStringLiteral("radio") : QStringLiteral("tv"))
                            .arg(length));
        request.insertion = ImportInsertion{kindOf(radioListed), int(*afterPlace)};
    }
    if (!applySatelliteChoices(line.values("satellite"), *source, *db, request.targetSatellites, &code))
        return code;
    if (tvListed || radioListed || line.isSet("transponder")) {
        const int tvCount = std::min(source->tvCount(), int(source->channels.size()));
        const int radioCount = std::max(int(source->channels.size()) - source->tvCount(), 0);
        auto tvNumbers = numbersUpTo(lists.numbers.tv, QStringLiteral("tv channel"), tvCount, &code);
        auto radioNumbers = tvNumbers ? numbersUpTo(lists.numbers.radio, QStringLiteral("radio channel"), radioCount, &code)
                                      : std::nullopt;
        const auto tvAtPlaces = radioNumbers ? numbersAtPlaces(lists.tvPlaces, *source, false, &code) : std::nullopt;
        const auto radioAtPlaces = tvAtPlaces ? numbersAtPlaces(lists.radioPlaces, *source, true, &code) : std::nullopt;
        const auto transponders = radioAtPlaces ? numbersUpTo(lists.numbers.transponders, QStringLiteral("transponder"),
                                                              int(source->transponders.size()), &code)
                                                : std::nullopt;
        if (!transponders)
            return code;
        tvNumbers->insert(tvNumbers->end(), tvAtPlaces->begin(), tvAtPlaces->end());
        radioNumbers->insert(radioNumbers->end(), radioAtPlaces->begin(), radioAtPlaces->end());
        const std::set<int> onTransponders(transponders->begin(), transponders->end());
        const auto selected = [&](const std::vector<int> &listed, const std::vector<int> &named, bool radioKind) {
            std::vector<int> numbers = named;
            for (const int number : listed) {
                const Channel &channel = source->channels[std::size_t(number - 1 + (radioKind ? source->tvCount() : 0))];
                if (onTransponders.count(channel.tpNumber))
                    numbers.push_back(number);
            }
            return numbers;
        };
        request.tv = selected(request.tv, *tvNumbers, false);
        request.radio = selected(request.radio, *radioNumbers, true);
    }

    // The summary comes first, so what was planned shows even when OUT cannot be written.
    const ImportPlan plan = planImport(*db, *source, request);
    QTextStream out(stdout);
    for (const std::string &line : importSummary(plan))
        out << QString::fromStdString(line) << '\n';
    out.flush();
    if (const Outcome<Applied> applied = applyImport(*db, plan); !applied)
        return fail(refusalText(applied.refusal()) + QStringLiteral("; OUT was not written"));
    return writeDatabase(*db, files[2], &code) ? Success : code;
}
