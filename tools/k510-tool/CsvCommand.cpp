// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvCommand.h"

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

int runCsv(const CommandLine &line)
{
    const std::optional<char> separatorChar = separatorNamed(line.value("separator"));
    if (!separatorChar)
        return fail(QStringLiteral("--separator takes \",\", \";\" or \"tab\", not \"%1\"").arg(line.value("separator")));

    int code = Success;
    if (line.isSet("output") && refusedAsInput(line.value("output"), line.files, &code))
        return code;
    const auto db = readDatabase(line.files.front(), &code);
    if (!db)
        return code;
    const std::string csv = line.isSet("transponders") ? transponderListCsv(*db, std::nullopt, *separatorChar)
                                                       : channelListCsv(*db, kindOf(line.isSet("radio")), *separatorChar);
    if (!line.isSet("output"))
        return writeToStdout(csv);
    QString error;
    if (!saveFileAtomically(line.value("output"), std::span(reinterpret_cast<const std::uint8_t *>(csv.data()), csv.size()), &error))
        return fail(error);
    return Success;
}
