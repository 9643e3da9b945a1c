#include "ChannelListKeys.h"

#include <Qt>

namespace k510::ui {

int rowAfterKey(int firstSelectedRow, int rowCount, int key, const std::function<bool(int row)> &isShown)
{
    const auto shown = [&](int row) { return !isShown || isShown(row); };
    const int step = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
    if (step == 0)
        return firstSelectedRow;
    for (int row = firstSelectedRow + step; row >= 0 && row < rowCount; row += step)
        if (shown(row))
            return row;
    return firstSelectedRow;
}

} // namespace k510::ui
