#pragma once

#include <functional>

namespace k510::ui {

// The row a key press in a channel list moves the information panel to:
// Up and Down move the first selected row to the shown row before or after
// it, any other key keeps it. -1 when no row was selected and the key was
// not Down.
[[nodiscard]] int rowAfterKey(int firstSelectedRow, int rowCount, int key,
                              const std::function<bool(int row)> &isShown = {});

} // namespace k510::ui
