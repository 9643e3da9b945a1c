// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirstWindowGeometry.h"

#include "ui/lists/ReportList.h"

#include <QHeaderView>
#include <QMainWindow>
#include <QScreen>
#include <QStyle>

namespace k510::ui {

namespace {

constexpr QSize kSmallestSize(592, 380);
constexpr int kRowsShown = 25;

} // namespace

QRect firstWindowGeometry(const QMainWindow &window, const ReportList &list)
{
    const QRect screenArea = window.screen()->availableGeometry();
    const int rowHeight = list.verticalHeader()->defaultSectionSize();
    const int chrome = window.sizeHint().height() - list.sizeHint().height()
                       + list.horizontalHeader()->sizeHint().height() + 2 * list.frameWidth();
    const QSize wanted(std::min(screenArea.width() * 3 / 4, 900), chrome + kRowsShown * rowHeight);
    const QSize size = kSmallestSize.expandedTo(window.minimumSizeHint())
                           .expandedTo(wanted.boundedTo(screenArea.size() - QSize(0, 40)));
    return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, screenArea);
}

} // namespace k510::ui
