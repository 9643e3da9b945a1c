// SPDX-License-Identifier: GPL-3.0-or-later
#include "DragEdgeScroll.h"

#include <QAbstractItemView>
#include <QScrollBar>

void scrollNearEdge(QAbstractItemView &list, int y, int rowHeight)
{
    // The scroll bar stops at its ends, so an empty or short list never moves.
    QScrollBar &bar = *list.verticalScrollBar();
    if (y < rowHeight)
        bar.triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (y >= list.viewport()->height() - rowHeight)
        bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
}
