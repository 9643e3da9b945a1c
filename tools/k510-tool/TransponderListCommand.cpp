// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransponderListCommand.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <algorithm>
#include <optional>

#include "DatabaseFiles.h"
#include "ImageFiles.h"
#include "ToolExit.h"
#include "lists/SatellitesXml.h"
#include "model/ChannelIdentity.h"
#include "model/TextCodec.h"
#include "model/TransponderUpdate.h"

using namespace k510;

namespace {

const QString kSynopsis = QStringLiteral(
    "transponders-from XML IN OUT --position TENTHS --satellite NAME [--update]\n"
    "                      add to IN's satellite NAME the DVB-S transponders that the satellites.xml\n"
    "                      list XML has at TENTHS of a degree (130 is 13.0E, -50 is 5.0W) and IN lacks;\n"
    "                      --update also moves transponders whose frequency or symbol rate drifted;\n"
    "                      prints the summary");

std::optional<SatellitesList> readList(const QString &path, int *exitCode)
{
    QString error;
    const auto data = loadFile(path, &error, "a satellites.xml list");
    if (!data) {
        *exitCode = fail(error, NotAnImage);
        return std::nullopt;
    }
    SatellitesList list = readSatellitesXml(*data);
    if (!list.ok()) {
        *exitCode = fail(withReason(QStringLiteral("%1 is no satellites.xml list; nothing was written").arg(path), path,
                                    QString::fromStdString(list.error)),
                         NotAnImage);
        return std::nullopt;
    }
    for (const UnusableEntry &entry : list.unusable)
        QTextStream(stderr) << path << ": " << QString::fromStdString(entry.text()) << Qt::endl;
    return list;
}

// The only satellite of the database with that name, or -1 after saying why not.
int satelliteNamed(const ChannelDatabase &db, const QString &name, const QString &path)
{
    const std::string wanted = satelliteNameKey(utf8ToWindows1251(name.toStdString()));
    int found = -1;
    for (std::size_t index = 0; index < db.satellites.size(); ++index) {
        if (satelliteNameKey(db.satellites[index].rowTexts.name) != wanted)
            continue;
        if (found >= 0) {
            fail(QStringLiteral("%1 has several satellites named '%2'; rename one first").arg(path, name));
            return -1;
        }
        found = int(index);
    }
    if (found < 0)
        fail(QStringLiteral("%1 has no satellite named '%2'").arg(path, name));
    return found;
}

} // namespace

bool isTransponderListCommand(const QString &name) { return name == QLatin1String("transponders-from"); }

QString transponderListCommandSynopsis() { return kSynopsis; }

int runTransponderListCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption position(QStringLiteral("position"), QString(), QStringLiteral("TENTHS"));
    const QCommandLineOption satellite(QStringLiteral("satellite"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption update(QStringLiteral("update"));
    parser.addOptions({position, satellite, update});
    if (!parser.parse(QStringList{QStringLiteral("k510-tool")} + arguments))
        return fail(parser.errorText());
    const QStringList files = parser.positionalArguments();
    if (files.size() != 3 || !parser.isSet(position) || !parser.isSet(satellite))
        return fail(QStringLiteral("usage: k510-tool %1").arg(kSynopsis.section(QLatin1Char('\n'), 0, 0)));
    bool numeric = false;
    const int tenths = parser.value(position).toInt(&numeric);
    if (!numeric)
        return fail(QStringLiteral("--position takes tenths of a degree, east positive (130 is 13.0E), not '%1'")
                        .arg(parser.value(position)));

    int code = Success;
    if (refusedAsInput(files[2], files.mid(0, 2), &code))
        return code;
    const auto list = readList(files[0], &code);
    if (!list)
        return code;
    const auto source = std::find_if(list->satellites.begin(), list->satellites.end(),
                                     [tenths](const ListSatellite &entry) { return entry.position == tenths; });
    if (source == list->satellites.end())
        return fail(QStringLiteral("%1 has no satellite at position %2").arg(files[0]).arg(tenths));
    auto db = readDatabase(files[1], &code, NotAnImage);
    if (!db)
        return code;
    const int target = satelliteNamed(*db, parser.value(satellite), files[1]);
    if (target < 0)
        return Failure;

    const TransponderUpdatePlan plan = planTransponderUpdate(*db, target, *source);
    std::vector<bool> ticked = defaultChoice(plan);
    if (parser.isSet(update)) {
        for (std::size_t row = 0; row < plan.rows.size(); ++row)
            ticked[row] = ticked[row] || plan.rows[row].fate == ListTransponderFate::Changes;
    }
    const auto outcome = applyTransponderUpdate(*db, plan, ticked);
    if (!outcome)
        return fail(QStringLiteral("the new transponders do not fit IN; OUT was not written"));
    if (!writeDatabase(*db, files[2], &code))
        return code;
    QTextStream out(stdout);
    out << QString::fromStdString(source->name) << '\n';
    for (const std::string &line : transponderUpdateSummary(plan))
        out << QString::fromStdString(line) << '\n';
    out << "transponders added: " << outcome->added << ", changed: " << outcome->changed << Qt::endl;
    return Success;
}
