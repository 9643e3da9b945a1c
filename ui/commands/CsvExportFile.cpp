// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvExportFile.h"

#include "DatabaseFiles.h"
#include "FileMessages.h"
#include "SaveFlow.h"

namespace k510::ui {

char spreadsheetSeparator(const QLocale &locale)
{
    // Spreadsheets take the list separator of the regional settings, which
    // QLocale does not tell; it is ";" wherever the decimal point is ",".
    return locale.decimalPoint() == QLatin1String(",") ? ';' : ',';
}

namespace {

// One entry per separator, so a list can be written for a spreadsheet set up
// for another locale than the system's.
const QString kCsvSemicolonFilter = QStringLiteral("CSV, разделитель «;» (*.csv)");
const QString kCsvCommaFilter = QStringLiteral("CSV, разделитель «,» (*.csv)");

QString csvFilterOf(char separator)
{
    return separator == ';' ? kCsvSemicolonFilter : kCsvCommaFilter;
}

} // namespace

CsvExported exportCsvFile(const std::function<std::string(char separator)> &csvOf, UserDialogs &dialogs,
                          QWidget *parent, const ExportPlace &place, std::optional<char> lastSeparator,
                          const QLocale &regional)
{
    const char offered = lastSeparator.value_or(spreadsheetSeparator(regional));
    const UserDialogs::FileDialogOptions options{
        kCsvSemicolonFilter + QStringLiteral(";;") + kCsvCommaFilter + QStringLiteral(";;Все файлы (*)"),
        QStringLiteral("csv"), place.directory, csvFilterOf(offered)};
    const UserDialogs::FileChoice chosen = chooseExportFile(dialogs, parent, options, place.openDatabase);
    if (chosen.path.isEmpty())
        return {};
    const char separator = chosen.filter == kCsvSemicolonFilter ? ';'
        : chosen.filter == kCsvCommaFilter                      ? ','
                                                                : offered;
    const std::string csv = csvOf(separator);
    if (const QString error = writeFileText(chosen.path, QByteArrayView(csv.data(), qsizetype(csv.size())));
        !error.isEmpty()) {
        showFileProblem(dialogs, error);
        return {};
    }
    return {chosen.path, separator};
}

} // namespace k510::ui
