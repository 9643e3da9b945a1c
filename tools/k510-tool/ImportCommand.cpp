// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImportCommand.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <algorithm>
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
#include "model/TextCodec.h"

using namespace k510;

namespace {

const QString kImportSynopsis = QStringLiteral(
    "import SRC IN OUT [--satellite SRC_NAME=IN_NAME ...] [--tv LIST] [--radio LIST] [--transponder LIST] [--after N]\n"
    "                      copy channels of SRC (numbered as dump numbers them in SRC; --transponder: every\n"
    "                      channel on it; no list: every channel) into IN: onto IN's transponder within\n"
    "                      2 MHz or a copy of SRC's, channels IN has already skipped; satellites matched by\n"
    "                      name and longitude unless --satellite says (IN_NAME empty: not added); --after N:\n"
    "                      after position N of the list --tv or --radio names, not at its end; prints the\n"
    "                      summary; writes nothing (exit 1) when the channels do not fit IN");

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

// The satellite indices whose name is `utf8` (as satellites compare by name).
std::vector<int> satellitesNamed(const ChannelDatabase &db, const QString &utf8)
{
    const std::string key = satelliteNameKey(utf8ToWindows1251(utf8.toStdString()));
    std::vector<int> found;
    for (std::size_t k = 0; k < db.satellites.size(); ++k)
        if (satelliteNameKey(db.satellites[k].rowTexts.name) == key)
            found.push_back(int(k));
    return found;
}

// --satellite SRC_NAME=IN_NAME over the default matching; false after reporting.
bool applySatelliteChoices(const QStringList &choices, const ChannelDatabase &source, const ChannelDatabase &db,
                           std::vector<int> &targets, int *exitCode)
{
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
        for (const int index : from)
            targets[std::size_t(index)] = to;
    }
    return true;
}

int importCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption satellite(QStringLiteral("satellite"), QString(), QStringLiteral("SRC_NAME=IN_NAME"));
    const QCommandLineOption tv(QStringLiteral("tv"), QString(), QStringLiteral("LIST"));
    const QCommandLineOption radio(QStringLiteral("radio"), QString(), QStringLiteral("LIST"));
    const QCommandLineOption transponder(QStringLiteral("transponder"), QString(), QStringLiteral("LIST"));
    const QCommandLineOption after(QStringLiteral("after"), QString(), QStringLiteral("N"));
    parser.addOptions({satellite, tv, radio, transponder, after});
    if (!parser.parse(QStringList{QStringLiteral("k510-tool")} + arguments))
        return fail(parser.errorText());
    const QStringList files = parser.positionalArguments();
    if (files.size() != 3)
        return fail(QStringLiteral("usage: k510-tool %1").arg(kImportSynopsis.section(QLatin1Char('\n'), 0, 0)));
    if (int code = Success; refusedAsInput(files[2], files.mid(0, 2), &code))
        return code;

    QString error;
    const auto ranges = parseChannelNumberLists(parser.values(tv), parser.values(radio), parser.values(transponder), &error);
    if (!ranges)
        return fail(error);
    std::optional<ImportInsertion> insertion;
    if (parser.isSet(after)) {
        bool number = false;
        const int position = parser.value(after).toInt(&number);
        if (!number || position < 0)
            return fail(QStringLiteral("--after %1: a position 0 or above expected").arg(parser.value(after)));
        if (parser.isSet(tv) == parser.isSet(radio))
            return fail(QStringLiteral("--after needs exactly one of --tv and --radio: it places that list's channels"));
        insertion = ImportInsertion{parser.isSet(radio), position};
    }

    int code = Success;
    const auto source = readSource(files[0], &code);
    if (!source)
        return code;
    auto db = readDatabase(files[1], &code, NotAnImage);
    if (!db)
        return code;
    if (insertion && std::size_t(insertion->afterPosition) > (insertion->radio ? db->radioOrder : db->tvOrder).size())
        return fail(QStringLiteral("--after %1: IN's %2 list has %3 entries")
                        .arg(insertion->afterPosition)
                        .arg(insertion->radio ? QStringLiteral("radio") : QStringLiteral("tv"))
                        .arg((insertion->radio ? db->radioOrder : db->tvOrder).size()));

    ImportRequest request = everyChannel(*db, *source);
    request.insertion = insertion;
    if (!applySatelliteChoices(parser.values(satellite), *source, *db, request.targetSatellites, &code))
        return code;
    if (parser.isSet(tv) || parser.isSet(radio) || parser.isSet(transponder)) {
        const int tvCount = std::min(source->tvCount(), int(source->channels.size()));
        const int radioCount = std::max(int(source->channels.size()) - source->tvCount(), 0);
        const auto tvNumbers = numbersUpTo(ranges->tv, QStringLiteral("tv channel"), tvCount, &code);
        const auto radioNumbers = tvNumbers ? numbersUpTo(ranges->radio, QStringLiteral("radio channel"), radioCount, &code)
                                            : std::nullopt;
        const auto transponders = radioNumbers ? numbersUpTo(ranges->transponders, QStringLiteral("transponder"),
                                                             int(source->transponders.size()), &code)
                                               : std::nullopt;
        if (!transponders)
            return code;
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

    const ImportPlan plan = planImport(*db, *source, request);
    QTextStream out(stdout);
    for (const std::string &line : importSummary(plan))
        out << QString::fromStdString(line) << '\n';
    out.flush();
    if (!plan.fits)
        return fail(QStringLiteral("the channels do not fit IN (TV: %1 of %2, radio: %3 of %4 would); OUT was not written")
                        .arg(plan.tvThatFit)
                        .arg(plan.tv.size())
                        .arg(plan.radioThatFit)
                        .arg(plan.radio.size()));
    if (!applyImport(*db, plan))
        return fail(QStringLiteral("the import planned does not fit IN; OUT was not written"));
    return writeDatabase(*db, files[2], &code) ? Success : code;
}

} // namespace

bool isImportCommand(const QString &name) { return name == QLatin1String("import"); }

QString importCommandSynopsis() { return kImportSynopsis; }

int runImportCommand(const QStringList &arguments) { return importCommand(arguments); }
