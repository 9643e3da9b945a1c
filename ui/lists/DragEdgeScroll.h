// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAbstractItemView;

// While a drag hovers within one row's height of a list's top or bottom edge,
// each drag-move event scrolls the list one step towards that edge (one row
// for a list that scrolls per item). y is in the list's viewport coordinates.
void scrollNearEdge(QAbstractItemView &list, int y, int rowHeight);
