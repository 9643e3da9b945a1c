// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

class QTableView;

namespace k510::ui {

// How fast a list scrolls while a drag hovers in its edge zone, in rows per
// second: nothing farther than `margin` pixels from the edge, a few rows a
// second where the zone begins, so that the user can aim at a row, rising
// evenly to several hundred at the edge itself, so that a thousand rows pass
// in a few seconds.
[[nodiscard]] double edgeScrollSpeed(int distanceToEdge, int margin);

// Scrolls a list while a drag hovers near its top or bottom edge, on a timer
// rather than per pointer movement, so a pointer held still keeps scrolling
// and the speed follows only how near the edge it is. The zone is the list's
// auto-scroll margin, at least two rows deep.
class DragEdgeScroll : public QObject {
    Q_OBJECT
public:
    static constexpr int kTickMs = 40;

    explicit DragEdgeScroll(QTableView &list);

    // The drag is at y, in the viewport's coordinates.
    void hover(int y);
    // The drag left the list, was dropped or ended.
    void stop();
    [[nodiscard]] bool scrolling() const { return m_timer.isActive(); }

signals:
    // Rows moved under a pointer that did not: a drop line needs redrawing.
    void scrolled();

private:
    void tick();
    [[nodiscard]] int margin() const;

    QTableView &m_list;
    QTimer m_timer;
    int m_y = 0;
    double m_pendingRows = 0;   // the part of a row due but not yet scrolled
};

} // namespace k510::ui
