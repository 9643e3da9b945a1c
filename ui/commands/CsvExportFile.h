// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/UserDialogs.h"

#include <QLocale>
#include <QString>

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace k510::ui {

// The field separator spreadsheets set up for locale split a CSV file on
// when it is opened by double-click: ";" where decimals are written with a
// comma (as in Russian), "," elsewhere.
[[nodiscard]] char spreadsheetSeparator(const QLocale &locale);

// Where an export's save dialog starts, and the file it must not replace.
struct ExportPlace {
    QString directory;      // empty: the current folder
    QString openDatabase;   // the window's file; empty when there is none
};

struct CsvExported {
    QString path;           // empty when nothing was written
    char separator = ',';
};

// "Экспорт в CSV...": csvOf(separator) to a file chosen in the save dialog
// (as chooseExportFile chooses it), written atomically; a failure is shown.
// The filter entry chosen in the dialog gives the field separator. The
// dialog offers first the entry of `lastSeparator`, the one chosen last
// time; without one, the separator the spreadsheets of `regional` expect:
// the system's locale, not the editor's Russian default, since spreadsheets
// follow the system's regional settings. "Все файлы" takes the one offered.
CsvExported exportCsvFile(const std::function<std::string(char separator)> &csvOf, UserDialogs &dialogs,
                          QWidget *parent, const ExportPlace &place, std::optional<char> lastSeparator = {},
                          const QLocale &regional = QLocale::system());

} // namespace k510::ui
