// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvCommand.h"

#include <QCommandLineParser>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>

#include "DatabaseFiles.h"
#include "ImageFiles.h"
#include "ToolExit.h"
#include "model/CsvExport.h"

using namespace k510;

namespace {

const QString kCsvSynopsis = QStringLiteral(
    "csv FILE [--radio | --transponders] [--separator ,|;|tab] [--output OUT]\n"
    "                      the TV (radio) channel list in the user's order as CSV, UTF-8 with BOM,\n"
    "                      on stdout, or written to OUT as a save writes; fields parted by \",\"\n"
    "                      (\";\" suits spreadsheets that write decimals with a comma); --transponders:\n"
    "                      every transponder (satellite, polarisation, frequency, symbol rate, FEC)");

// The separator an option value names, or none.
std::optional<char> separatorNamed(const QString &value)
{
    if (value == QLatin1String(","))
        return ',';
    if (value == QLatin1String(";"))
        return ';';
    if (value == QLatin1String("tab"))
        return '\t';
    return std::nullopt;
}

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
    const QCommandLineOption transponders(QStringLiteral("transponders"));
    const QCommandLineOption output(QStringLiteral("output"), QString(), QStringLiteral("OUT"));
    const QCommandLineOption separator(QStringLiteral("separator"), QString(), QStringLiteral("SEPARATOR"),
                                       QStringLiteral(","));
    parser.addOptions({radio, transponders, output, separator});
    if (!parser.parse(QStringList{QStringLiteral("k510-tool")} + arguments))
        return fail(parser.errorText());
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1 || (parser.isSet(radio) && parser.isSet(transponders)))
        return fail(QStringLiteral("usage: k510-tool %1").arg(kCsvSynopsis.section(QLatin1Char('\n'), 0, 0)));
    const std::optional<char> separatorChar = separatorNamed(parser.value(separator));
    if (!separatorChar)
        return fail(QStringLiteral("--separator takes \",\", \";\" or \"tab\", not \"%1\"").arg(parser.value(separator)));

    int code = Success;
    if (parser.isSet(output) && refusedAsInput(parser.value(output), positional, &code))
        return code;
    const auto db = readDatabase(positional.front(), &code);
    if (!db)
        return code;
    const std::string csv = parser.isSet(transponders) ? transponderListCsv(*db, std::nullopt, *separatorChar)
                                                       : channelListCsv(*db, parser.isSet(radio), *separatorChar);
    if (!parser.isSet(output))
        return writeToStdout(csv);
    QString error;
    if (!saveFileAtomically(parser.value(output), std::span(reinterpret_cast<const std::uint8_t *>(csv.data()), csv.size()), &error))
        return fail(error);
    return Success;
}
