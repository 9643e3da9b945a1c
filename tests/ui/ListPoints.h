// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Points in a list where a test clicks or drops, as the user would aim.

#include "ui/lists/ReportList.h"

#include <QPoint>

// The middle of a row's second cell: the first one is narrow.
[[nodiscard]] inline QPoint centreOfRow(const k510::ui::ReportList &list, int row)
{
    return list.visualRect(list.model()->index(row, 1)).center();
}

// Just below the last row, where a drop lands at the end of the list.
[[nodiscard]] inline QPoint belowTheRows(const k510::ui::ReportList &list)
{
    return {10, list.visualRect(list.model()->index(list.rowCount() - 1, 1)).bottom() + 5};
}
