// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransponderListCommand.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <algorithm>
#include <cstdlib>
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
    "transponders-from XML IN OUT --position TENTHS --satellite NAME [--update] [--other-position]\n"
    "                      add to IN's satellite NAME the DVB-S transponders that the satellites.xml\n"
    "                      list XML has at TENTHS of a degree (130 is 13.0E, -50 is 5.0W) and IN lacks\n"
    "                      (but for those under 1000 ks/s); --update also moves transponders whose\n"
    "                      frequency or symbol rate drifted; --other-position takes them onto a NAME\n"
    "                      that stands at another position; prints the summary");

// "19.2E", "5.0W"
QString englishPosition(int tenths)
{
    return QStringLiteral("%1.%2%3").arg(std::abs(tenths) / 10).arg(std::abs(tenths) % 10).arg(tenths < 0 ? 'W' : 'E');
}

QString englishFault(const ListRefusal &refusal)
{
    switch (refusal.fault) {
    case ListFault::Empty:
        return QStringLiteral("the file is empty");
    case ListFault::Malformed:
        return QStringLiteral("it is not well-formed XML");
    case ListFault::CutOff:
        return QStringLiteral("the file ends before the list does");
    case ListFault::AfterTheList:
        return QStringLiteral("more follows the closing </satellites>, such as a second XML document");
    case ListFault::WrongRoot:
        return QStringLiteral("its root is <%1>, not <satellites>").arg(QString::fromStdString(refusal.root));
    }
    return {};
}

std::optional<SatellitesList> readList(const QString &path, int *exitCode)
{
    QString error;
    const auto data = loadFile(path, &error, "a satellites.xml list");
    if (!data) {
        *exitCode = fail(error, NotAnImage);
        return std::nullopt;
    }
    SatellitesList list = readSatellitesXml(*data);
    if (const auto &refusal = list.refusal) {
        const QString where = refusal->fault == ListFault::Empty
                                  ? QString()
                                  : QStringLiteral("line %1, column %2: ").arg(refusal->line).arg(refusal->column);
        *exitCode = fail(QStringLiteral("%1 is no satellites.xml list (%2%3); nothing was written")
                             .arg(path, where, englishFault(*refusal)),
                         NotAnImage);
        return std::nullopt;
    }
    for (const int line : list.replacedBytesLines)
        QTextStream(stderr) << path << ": line " << line << ": bytes that are not UTF-8 were read as U+FFFD" << Qt::endl;
    return list;
}

// The only satellite of the database with that name, or -1 after saying why not.
int satelliteNamed(const ChannelDatabase &db, const QString &name, const QString &path)
{
    const std::string wanted = satelliteNameKey(utf8ToWindows1251(name.toStdString()));
    int found = -1;
    for (std::size_t index = 0; index < db.satellites.size(); ++index) {
        if (satelliteNameKey(db.satellites[index].name) != wanted)
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
    const QCommandLineOption otherPosition(QStringLiteral("other-position"));
    parser.addOptions({position, satellite, update, otherPosition});
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
    const int source = listSatelliteAt(*list, tenths);
    if (source < 0)
        return fail(QStringLiteral("%1 has no satellite at position %2 (%3)").arg(files[0]).arg(tenths).arg(englishPosition(tenths)));
    auto db = readDatabase(files[1], &code, NotAnImage);
    if (!db)
        return code;
    const int target = satelliteNamed(*db, parser.value(satellite), files[1]);
    if (target < 0)
        return Failure;
    if (!canHoldTransponders(target))
        return fail(QStringLiteral("'%1' is satellite %2 of %3: satellites past the 255th cannot hold transponders, "
                                   "since a transponder names its satellite in one byte; nothing was written")
                        .arg(parser.value(satellite))
                        .arg(target + 1)
                        .arg(files[1]));
    const auto targetPosition = satellitePosition(db->satellites[std::size_t(target)]);
    if (targetPosition && *targetPosition != tenths && !parser.isSet(otherPosition))
        return fail(QStringLiteral("'%1' of %2 stands at %3, not at %4; --other-position takes the list's transponders "
                                   "all the same; nothing was written")
                        .arg(parser.value(satellite), files[1], englishPosition(*targetPosition), englishPosition(tenths)));

    const TransponderUpdatePlan plan = planTransponderUpdate(*db, target, *list, source);
    const std::vector<bool> ticked = defaultChoice(plan, parser.isSet(update));
    const auto outcome = applyTransponderUpdate(*db, plan, ticked);
    if (!outcome)
        return fail(QStringLiteral("the %1 new transponders do not fit IN; OUT was not written")
                        .arg(std::count(ticked.begin(), ticked.end(), true)));
    if (!writeDatabase(*db, files[2], &code))
        return code;
    QTextStream out(stdout);
    out << QString::fromStdString(list->satellites[std::size_t(source)].name) << '\n';
    for (const std::string &line : transponderUpdateSummary(plan, ticked))
        out << QString::fromStdString(line) << '\n';
    out << "transponders added: " << outcome->added << ", changed: " << outcome->changed << Qt::endl;
    return Success;
}
