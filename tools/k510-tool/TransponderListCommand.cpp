// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransponderListCommand.h"
#include "RefusalText.h"

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

int runTranspondersFrom(const CommandLine &line)
{
    const QStringList &files = line.files;
    bool numeric = false;
    const int tenths = line.value("position").toInt(&numeric);
    if (!numeric)
        return fail(QStringLiteral("--position takes tenths of a degree, east positive (130 is 13.0E), not '%1'")
                        .arg(line.value("position")));

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
    const int target = satelliteNamed(*db, line.value("satellite"), files[1]);
    if (target < 0)
        return Failure;
    if (!canHoldTransponders(target))
        return fail(QStringLiteral("'%1' is satellite %2 of %3: satellites past the 255th cannot hold transponders, "
                                   "since a transponder names its satellite in one byte; nothing was written")
                        .arg(line.value("satellite"))
                        .arg(target + 1)
                        .arg(files[1]));
    const auto targetPosition = satellitePosition(db->satellites[std::size_t(target)]);
    if (targetPosition && *targetPosition != tenths && !line.isSet("other-position"))
        return fail(QStringLiteral("'%1' of %2 stands at %3, not at %4; --other-position takes the list's transponders "
                                   "all the same; nothing was written")
                        .arg(line.value("satellite"), files[1], englishPosition(*targetPosition), englishPosition(tenths)));

    const TransponderUpdatePlan plan = planTransponderUpdate(*db, target, *list, source);
    const std::vector<bool> ticked = defaultChoice(plan, line.isSet("update"));
    const auto outcome = applyTransponderUpdate(*db, plan, ticked);
    if (!outcome)
        return fail(refusalText(outcome.refusal()) + QStringLiteral("; OUT was not written"));
    if (!writeDatabase(*db, files[2], &code))
        return code;
    QTextStream out(stdout);
    out << QString::fromStdString(list->satellites[std::size_t(source)].name) << '\n';
    for (const std::string &line : transponderUpdateSummary(plan, ticked))
        out << QString::fromStdString(line) << '\n';
    out << "transponders added: " << outcome->added << ", changed: " << outcome->changed << Qt::endl;
    return Success;
}
