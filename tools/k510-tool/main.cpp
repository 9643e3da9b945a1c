// SPDX-License-Identifier: GPL-3.0-or-later
// k510-tool: the channel database core from the command line.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QTextStream>

#include <cstdio>
#include <functional>
#include <map>

#include "CsvCommand.h"
#include "DatabaseFiles.h"
#include "EditCommands.h"
#include "ImageFiles.h"
#include "ImportCommand.h"
#include "JsonDump.h"
#include "ReferenceCommands.h"
#include "RepairCommand.h"
#include "ToolExit.h"
#include "TransponderListCommand.h"
#include "TransferCommands.h"
#include "WindowsOutput.h"
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

int info(const QStringList &args)
{
    int code = Success;
    const auto db = readDatabase(args.value(0), &code);
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

int dump(const QStringList &args)
{
    int code = Success;
    const auto db = readDatabase(args.value(0), &code);
    if (!db)
        return code;
    out() << QJsonDocument(databaseToJson(*db)).toJson(QJsonDocument::Indented);
    out().flush();
    return Success;
}

int check(const QStringList &args)
{
    QString error;
    const auto data = loadFile(args.value(0), &error);
    if (!data)
        return fail(error, NotAnImage);
    const CheckResult result = checkImage(bytesOf(*data));
    if (!result.readable)
        return fail(args.value(0) + QStringLiteral(": ") + fromUtf8(result.problems.front()), NotAnImage);
    for (const auto &problem : result.problems)
        out() << fromUtf8(problem) << '\n';
    out().flush();
    // An image the window refuses to open is no database image, whatever its size.
    if (const ReadResult read = readImage(bytesOf(*data)); !read.ok())
        return fail(args.value(0) + QStringLiteral(": ") + fromUtf8(read.error), NotAnImage);
    return result.problems.empty() ? Success : Failure;
}

int normalize(const QStringList &args)
{
    int code = Success;
    if (refusedAsInput(args.value(1), {args.value(0)}, &code))
        return code;
    const auto db = readDatabase(args.value(0), &code);
    if (!db || !writeDatabase(*db, args.value(1), &code))
        return code;
    return Success;
}

int demo(const QStringList &args)
{
    int code = Success;
    return writeDatabase(samples::demoDatabase(), args.value(0), &code) ? Success : code;
}

struct Command {
    int argumentCount;
    const char *synopsis;
    std::function<int(const QStringList &)> run;
};

} // namespace

int main(int argc, char *argv[])
{
    const WindowsOutput output;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("k510-tool"));
    const QStringList rawArguments = QCoreApplication::arguments();
    if (rawArguments.size() > 1 && isEditCommand(rawArguments[1]))
        return runEditCommand(rawArguments[1], rawArguments.mid(2));
    if (rawArguments.size() > 1 && isCsvCommand(rawArguments[1]))
        return runCsvCommand(rawArguments.mid(2));
    if (rawArguments.size() > 1 && isImportCommand(rawArguments[1]))
        return runImportCommand(rawArguments.mid(2));
    if (rawArguments.size() > 1 && isReferenceCommand(rawArguments[1]))
        return runReferenceCommand(rawArguments[1], rawArguments.mid(2));
    if (rawArguments.size() > 1 && isTransponderListCommand(rawArguments[1]))
        return runTransponderListCommand(rawArguments.mid(2));

    QCommandLineParser parser;
    const TransferCommands transfers(parser);

    const std::map<QString, Command> commands = {
        {"info", {1, "info FILE           counts of the database in FILE", info}},
        {"dump", {1, "dump FILE           the whole database as JSON", dump}},
        {"check", {1, "check FILE          every break of the numbering scheme (exit 1 if any)", check}},
        {"normalize", {2, "normalize IN OUT    write IN again in the canonical layout", normalize}},
        {"repair", {2, "repair IN OUT       write IN with its numbering repaired; prints each change", runRepair}},
        {"demo", {1, "demo FILE           write the demo database to FILE", demo}},
        {"send", {1, "send FILE           load FILE into the receiver on --port [--speed] (--force: any file)",
                  [&transfers](const QStringList &a) { return transfers.send(a); }}},
        {"receive", {1, "receive FILE        fetch the receiver's database on --port [--speed] into FILE (--force: blocks unchecked)",
                     [&transfers](const QStringList &a) { return transfers.receive(a); }}},
        {"ports", {0, "ports               the serial ports --port takes, each with its device",
                   [](const QStringList &) { return TransferCommands::ports(); }}},
    };

    QString description = QStringLiteral("Channel database tool for Tessora K-510/560/565 receivers.\n\nCommands:");
    for (const auto &[name, command] : commands)
        description += QStringLiteral("\n  ") + QString::fromUtf8(command.synopsis);
    for (const QString &synopsis : editCommandSynopses())
        description += QStringLiteral("\n  ") + synopsis;
    description += QStringLiteral("\n  ") + csvCommandSynopsis();
    for (const QString &synopsis : referenceCommandSynopses())
        description += QStringLiteral("\n  ") + synopsis;
    description += QStringLiteral("\n  ") + transponderListCommandSynopsis();
    description += QStringLiteral("\n  ") + importCommandSynopsis();
    description += QStringLiteral("\n\nExit status:\n"
                                  "  0  success\n"
                                  "  1  failure; check: the numbering scheme is broken; diff: A and B differ\n"
                                  "  2  FILE cannot be read (missing, no plain file, far too large);\n"
                                  "     check: FILE is no database image;\n"
                                  "     send: FILE is no database image and --force is not given;\n"
                                  "     apply-order, duplicates, import: an input is no image (REF: nor a CSV list);\n"
                                  "     transponders-from: XML is no satellites.xml list or IN no image;\n"
                                  "     diff: any failure\n"
                                  "\nExamples:\n"
                                  "  $ k510-tool demo demo.k5d\n"
                                  "  $ k510-tool info demo.k5d\n"
                                  "  $ k510-tool ports\n"
                                  "  $ k510-tool send demo.k5d --port ttyUSB0\n"
                                  "  $ k510-tool apply-order before-rescan.k5d rescanned.k5d ordered.k5d\n"
                                  "  $ k510-tool delete ordered.k5d clean.k5d $(k510-tool duplicates ordered.k5d)");
    parser.setApplicationDescription(description);
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("info, dump, check, normalize, repair, demo, delete, purge, csv, apply-order, duplicates, diff, transponders-from, import, send, receive or ports"));
    parser.process(app);

    QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return fail(QStringLiteral("no command given; see --help"));
    const QString name = args.takeFirst();
    const auto command = commands.find(name);
    if (command == commands.end())
        return fail(QStringLiteral("unknown command '%1'; see --help").arg(name));
    if (args.size() != command->second.argumentCount)
        return fail(QStringLiteral("usage: k510-tool %1").arg(QString::fromUtf8(command->second.synopsis).section("  ", 0, 0)));
    return command->second.run(args);
}
