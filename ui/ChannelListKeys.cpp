#include "ChannelListKeys.h"

#include <Qt>

namespace k510::ui {

int rowAfterKey(int firstSelectedRow, int rowCount, int key)
{
    int row = firstSelectedRow;
    if (key == Qt::Key_Up && row > 0)
        --row;
    else if (key == Qt::Key_Down && row < rowCount - 1)
        ++row;
    return row;
}

} // namespace k510::ui
