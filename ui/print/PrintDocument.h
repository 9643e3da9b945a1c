// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace k510::ui {

// One column of a printed list.
struct PrintColumn {
    QString title;
    bool alignRight = false;   // numbers
};

// Rows under a heading, e.g. one favourite group. An empty heading prints none.
struct PrintSection {
    QString heading;
    std::vector<QStringList> rows;   // one text per column
};

// What one printout holds, as plain texts: the printed and the PDF copy of a
// page are made from it alike.
struct PrintDocument {
    QString fileName;   // the database's file; empty when it lives in none
    QString title;      // what the page shows, e.g. "Каналы ТВ"
    QStringList notes;  // under the title: the filter, the sort, what a mark means
    std::vector<PrintColumn> columns;
    std::vector<PrintSection> sections;

    [[nodiscard]] int rowCount() const
    {
        int count = 0;
        for (const PrintSection &section : sections)
            count += int(section.rows.size());
        return count;
    }
};

} // namespace k510::ui
