// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The databases the sorting tests sort, and how a reader orders two cells.

#include "tools/samples/DatabaseBuilder.h"
#include "ui/lists/ReportList.h"

#include <QCollator>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <optional>

namespace sorting {

using k510::ui::ReportList;

// One satellite; transponders 1..5 at 11200 H, 5150 V, 10750 H, 3900 V,
// 12000 H; TV channels whose names probe the text order.
inline k510::ChannelDatabase sortingDatabase()
{
    k510::samples::DatabaseBuilder builder;
    builder.addSatellite({"Sat"});
    builder.addTransponder(1, 11200, 'H', 27500, 3);
    builder.addTransponder(1, 5150, 'V', 30000, 0);
    builder.addTransponder(1, 10750, 'H', 22000, 2);
    builder.addTransponder(1, 3900, 'V', 27500, 5);
    builder.addTransponder(1, 12000, 'H', 1000, 1);
    const char *names[] = {"яблоко", "Яблоко", "арбуз", "Банан", "alpha", "Alpha", "beta", "123", "Ёлка", "Rai 1", "Rai"};
    int transponder = 0;
    for (const char *name : names)
        builder.addTv(transponder++ % 5 + 1, {name});
    return builder.build();
}

// Cells whose text order and value order differ: frequencies 3675 and
// 10723, rates 3000 and 27500, "AUTO" and "1/2", ports 2 and 10, longitudes
// 9,5 and 13,0 and 180,0; names in both alphabets and both cases, with
// numbers inside.
inline k510::ChannelDatabase readingDatabase()
{
    using k510::SwitchType;
    k510::samples::DatabaseBuilder b;
    b.addSatellite({.name = "Astra 19,2E", .lnbLowMhz = 9750, .lnbHighMhz = 10600, .switchType = SwitchType::Diseqc10,
                    .diseqc10Port = 2, .longitudeTenths = 192});
    b.addSatellite({.name = "Hot Bird", .lnbLowMhz = 9750, .lnbHighMhz = 10600, .switchType = SwitchType::Diseqc11,
                    .diseqc11Port = 10, .longitudeTenths = 130, .power12v = true});
    b.addSatellite({.name = "Экспресс АМ6", .lnbLowMhz = 5150, .switchType = SwitchType::Usals, .longitudeTenths = 530});
    b.addSatellite({.name = "amos", .switchType = SwitchType::Motor, .longitudeTenths = 40, .west = true});
    b.addSatellite({.name = "Eutelsat 9", .lnbLowMhz = 9750, .lnbHighMhz = 10600, .switchType = SwitchType::Diseqc11,
                    .diseqc11Port = 2, .longitudeTenths = 95});
    b.addSatellite({.name = "ямал 401", .switchType = SwitchType::Usals, .longitudeTenths = 1800, .power12v = true});
    b.addSatellite({.name = "Intelsat 1002", .switchType = SwitchType::Diseqc10, .diseqc10Port = 4,
                    .longitudeTenths = 10, .west = true});
    const int tps[] = {
        b.addTransponder(1, 10723, 'V', 3000, 1), b.addTransponder(1, 3675, 'H', 27500, 0),
        b.addTransponder(1, 12603, 'H', 22000, 5), b.addTransponder(1, 11200, 'V', 27500, 3),
        b.addTransponder(1, 3675, 'V', 1000, 2),   b.addTransponder(1, 4000, 'H', 30000, 4),
        b.addTransponder(1, 10723, 'H', 3000, 0),
    };
    const char *tv[] = {"Россия 1", "россия 10", "Россия 2", "BBC World", "bbc one", "Первый канал", "НТВ",
                        "123 ТВ", "Ёлка ТВ", "Ель", "euronews", "Euronews", "Канал 9", "Канал 10"};
    int n = 0;
    for (const char *name : tv) {
        b.addTv(tps[n % 7], {.name = name, .scrambled = n % 3 == 0, .locked = n % 4 == 1});
        ++n;
    }
    for (const char *name : {"Радио Маяк", "Europa Plus", "радио 7", "Радио 10", "DFM", "Ель FM"}) {
        b.addRadio(tps[n % 7], {.name = name, .scrambled = n % 2 == 0, .locked = n % 3 == 0});
        ++n;
    }
    b.setTvGroup(1, "Новости", {12, 3, 10, 1, 4, 8, 13, 2});
    b.setRadioGroup(1, "Радио", {4, 2, 6, 1, 3});
    return b.build();
}

// A cell read as a number the way a user reads it: "10723", "9,5", "3/4".
inline std::optional<double> readNumber(const QString &cell)
{
    static const QRegularExpression decimal(QStringLiteral("^(\\d+)(,\\d+)?$"));
    static const QRegularExpression rate(QStringLiteral("^(\\d+)/(\\d+)$"));
    if (const auto match = decimal.match(cell); match.hasMatch())
        return QString(cell).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    if (const auto match = rate.match(cell); match.hasMatch())
        return match.captured(1).toDouble() / match.captured(2).toDouble();
    return std::nullopt;
}

// How a reader orders two cells of a column: the columns that show numbers
// by value, words after them; words as a Russian dictionary does, capitals
// and small letters alike; an empty cell last.
inline int readerOrder(const QString &title, const QString &a, const QString &b)
{
    static const QStringList numberColumns{"#", "№", "Частота", "Скорость", "FEC", "1.1", "USALS"};
    if (numberColumns.contains(title)) {
        const auto x = readNumber(a), y = readNumber(b);
        if (x && y)
            return (*x > *y) - (*x < *y);
        if (x || y)
            return x ? -1 : 1;
    }
    if (a.isEmpty() || b.isEmpty())
        return int(a.isEmpty()) - int(b.isEmpty());
    QCollator collator(QLocale(QLocale::Russian, QLocale::Russia));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    const int order = collator.compare(a, b);
    return (order > 0) - (order < 0);
}

inline QList<QStringList> rowsOf(const ReportList *list)
{
    QList<QStringList> rows;
    for (int row = 0; row < list->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < list->model()->columnCount(); ++column)
            cells.append(list->text(row, column));
        rows.append(cells);
    }
    return rows;
}

} // namespace sorting
