#pragma once

namespace k510::ui {

// The row a key press in a channel list moves the information panel to:
// Up and Down move the first selected row by one within the list, any other
// key keeps it. -1 when no row was selected and the key was not Down.
[[nodiscard]] int rowAfterKey(int firstSelectedRow, int rowCount, int key);

} // namespace k510::ui
