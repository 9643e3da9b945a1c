// SPDX-License-Identifier: GPL-3.0-or-later
#include "DragEdgeScroll.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>
#include <cmath>

namespace k510::ui {

namespace {

constexpr double kSlowestRowsPerSecond = 4;
constexpr double kFastestRowsPerSecond = 400;

} // namespace

double edgeScrollSpeed(int distanceToEdge, int margin)
{
    if (margin <= 0 || distanceToEdge >= margin)
        return 0;
    const double nearness = double(margin - std::max(distanceToEdge, 0)) / double(margin);
    return kSlowestRowsPerSecond + (kFastestRowsPerSecond - kSlowestRowsPerSecond) * nearness;
}

DragEdgeScroll::DragEdgeScroll(QTableView &list) : QObject(&list), m_list(list)
{
    m_list.setAutoScrollMargin(std::max(m_list.autoScrollMargin(), 2 * m_list.verticalHeader()->defaultSectionSize()));
    m_timer.setInterval(kTickMs);
    connect(&m_timer, &QTimer::timeout, this, &DragEdgeScroll::tick);
}

int DragEdgeScroll::margin() const
{
    // A list too short for two whole zones splits its height between them.
    return std::min(m_list.autoScrollMargin(), m_list.viewport()->height() / 2);
}

void DragEdgeScroll::hover(int y)
{
    m_y = y;
    const int height = m_list.viewport()->height();
    const bool inZone = y < margin() || y >= height - margin();
    if (!inZone) {
        stop();
    } else if (!m_timer.isActive()) {
        m_pendingRows = 0;
        m_timer.start();
    }
}

void DragEdgeScroll::stop()
{
    m_timer.stop();
    m_pendingRows = 0;
}

void DragEdgeScroll::tick()
{
    const int height = m_list.viewport()->height();
    const bool up = m_y < height / 2;
    const int distance = up ? m_y : height - 1 - m_y;
    m_pendingRows += edgeScrollSpeed(distance, margin()) * kTickMs / 1000.0;
    const double rows = std::floor(m_pendingRows);
    if (rows < 1)
        return;
    m_pendingRows -= rows;
    // The scroll bar stops at its ends, so an empty or short list never moves.
    QScrollBar &bar = *m_list.verticalScrollBar();
    const int before = bar.value();
    // A list that scrolls per pixel steps a row's height at a time.
    const int step = m_list.verticalScrollMode() == QAbstractItemView::ScrollPerItem
                         ? 1
                         : m_list.verticalHeader()->defaultSectionSize();
    bar.setValue(before + (up ? -1 : 1) * int(rows) * step);
    if (bar.value() != before)
        emit scrolled();
}

} // namespace k510::ui
