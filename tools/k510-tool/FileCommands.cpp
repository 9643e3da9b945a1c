// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileCommands.h"

#include <QJsonDocument>
#include <QTextStream>

#include "DatabaseFiles.h"
#include "ImageFiles.h"
#include "JsonDump.h"
#include "model/ImageCheck.h"
#include "model/ImageReader.h"
#include "tools/samples/SampleDatabases.h"

using namespace k510;

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QString fromUtf8(const std::string &text) { return QString::fromStdString(text); }

} // namespace

int runInfo(const CommandLine &line)
{
    int code = Success;
    const auto db = readDatabase(line.files.value(0), &code);
    if (!db)
        return code;
    std::size_t tvFavourites = 0, radioFavourites = 0;
    for (const auto &group : db->tvFavourites)
        tvFavourites += group.size();
    for (const auto &group : db->radioFavourites)
        radioFavourites += group.size();
    out() << "satellites:        " << db->satellites.size() << '\n'
          << "transponders:      " << db->transponders.size() << '\n'
          << "tv channels:       " << db->tvOrder.size() << '\n'
          << "radio channels:    " << db->radioOrder.size() << '\n'
          << "channel records:   " << db->channels.size() << '\n'
          << "tv favourites:     " << tvFavourites << '\n'
          << "radio favourites:  " << radioFavourites << Qt::endl;
    return Success;
}

int runDump(const CommandLine &line)
{
    int code = Success;
    const auto db = readDatabase(line.files.value(0), &code);
    if (!db)
        return code;
    out() << QJsonDocument(databaseToJson(*db)).toJson(QJsonDocument::Indented);
    out().flush();
    return Success;
}

int runCheck(const CommandLine &line)
{
    QString error;
    const auto data = loadFile(line.files.value(0), &error);
    if (!data)
        return fail(error, NotAnImage);
    const CheckResult result = checkImage(bytesOf(*data));
    if (!result.readable)
        return fail(line.files.value(0) + QStringLiteral(": ") + fromUtf8(result.problems.front()), NotAnImage);
    for (const auto &problem : result.problems)
        out() << fromUtf8(problem) << '\n';
    out().flush();
    // An image the window refuses to open is no database image, whatever its size.
    if (const ReadResult read = readImage(bytesOf(*data)); !read.ok())
        return fail(line.files.value(0) + QStringLiteral(": ") + fromUtf8(read.error), NotAnImage);
    return result.problems.empty() ? Success : Failure;
}

int runNormalize(const CommandLine &line)
{
    int code = Success;
    if (refusedAsInput(line.files.value(1), {line.files.value(0)}, &code))
        return code;
    const auto db = readDatabase(line.files.value(0), &code);
    if (!db || !writeDatabase(*db, line.files.value(1), &code))
        return code;
    return Success;
}

int runDemo(const CommandLine &line)
{
    int code = Success;
    return writeDatabase(samples::demoDatabase(), line.files.value(0), &code) ? Success : code;
}
