// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// Number lists on the command line: numbers and ranges separated by commas,
// "3,5,10-12". Numbers are 1-based; a range runs from its first number up to
// its second.

struct NumberRange {
    int first = 0;
    int last = 0;
};

// Parses one or more lists (an option given several times). Empty items,
// anything but digits and one dash, 0 and reversed ranges are refused with a
// reason in *error.
[[nodiscard]] std::optional<std::vector<NumberRange>> parseNumberLists(const QStringList &lists, QString *error);

// The --tv, --radio and --transponder lists of a command, parsed in that
// order; the first refusal goes to *error.
struct ChannelNumberRanges {
    std::vector<NumberRange> tv;
    std::vector<NumberRange> radio;
    std::vector<NumberRange> transponders;
};
[[nodiscard]] std::optional<ChannelNumberRanges> parseChannelNumberLists(const QStringList &tv, const QStringList &radio,
                                                                         const QStringList &transponders, QString *error);

// Every number of the ranges when they lie in 1..count; otherwise nothing,
// and *error names the first number beyond count: "<kind> N does not exist
// in <file> (1..count)".
[[nodiscard]] std::optional<std::vector<int>> numbersWithin(const std::vector<NumberRange> &ranges, const QString &kind,
                                                            int count, const QString &file, QString *error);

// Every number of the ranges, which must already be known to be in bounds.
[[nodiscard]] std::vector<int> expand(const std::vector<NumberRange> &ranges);

// Ascending numbers as the list parseNumberLists reads: runs become ranges.
[[nodiscard]] QString formatNumberList(const std::vector<int> &ascending);
