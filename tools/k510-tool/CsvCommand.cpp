#include "CsvCommand.h"

#include <QCommandLineParser>

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

#include "DatabaseFiles.h"
#include "ImageFiles.h"
#include "ToolExit.h"
#include "model/CsvExport.h"

using namespace k510;

namespace {

const QString kCsvSynopsis = QStringLiteral(
    "csv FILE [--radio] [--output OUT]\n"
    "                      the TV (radio) channel list in the user's order as CSV, UTF-8 with BOM,\n"
    "                      on stdout, or written to OUT as a save writes");

// Byte for byte: the file's CRLF line ends and BOM must reach a redirect unchanged.
int writeToStdout(const std::string &csv)
{
    if (std::fwrite(csv.data(), 1, csv.size(), stdout) != csv.size() || std::fflush(stdout) != 0)
        return fail(QStringLiteral("cannot write to standard output"));
    return Success;
}

} // namespace

bool isCsvCommand(const QString &name) { return name == QLatin1String("csv"); }

QString csvCommandSynopsis() { return kCsvSynopsis; }

int runCsvCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption radio(QStringLiteral("radio"));
    const QCommandLineOption output(QStringLiteral("output"), QString(), QStringLiteral("OUT"));
    parser.addOptions({radio, output});
    if (!parser.parse(QStringList{QStringLiteral("k510-tool")} + arguments))
        return fail(parser.errorText());
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return fail(QStringLiteral("usage: k510-tool %1").arg(kCsvSynopsis.section(QLatin1Char('\n'), 0, 0)));

    int code = Success;
    const auto db = readDatabase(positional.front(), &code);
    if (!db)
        return code;
    const std::string csv = channelListCsv(*db, parser.isSet(radio));
    if (!parser.isSet(output))
        return writeToStdout(csv);
    QString error;
    if (!saveFileAtomically(parser.value(output), std::span(reinterpret_cast<const std::uint8_t *>(csv.data()), csv.size()), &error))
        return fail(error);
    return Success;
}
