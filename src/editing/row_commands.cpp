#include "editing/row_commands.h"

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace quintrel {

RowCommands::RowCommands(ListView& table, ListViewCells& cells, ContextMenu& menu, Pointer& pointer,
                         std::function<void()> applyHotkeyList)
    : table_(table),
      cells_(cells),
      menu_(menu),
      pointer_(pointer),
      applyHotkeyList_(std::move(applyHotkeyList)) {}

void RowCommands::showRowMenu() {
  const ScreenPoint cursor = pointer_.cursorPosition();
  const std::vector<std::string> items{std::string(kDeleteSelectedRowsItem)};
  if (menu_.popUp({cursor.x + 3, cursor.y + 3}, items) == 0) deleteSelectedRows();
}

int RowCommands::deleteSelectedRows() {
  std::vector<int> selected = table_.GetSelItems();
  // Highest index first, so the rows still to go keep their indexes; sorted and made unique here
  // rather than trusted, since one index taken twice would remove an unselected row.
  std::sort(selected.begin(), selected.end(), std::greater<>());
  selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
  int removed = 0;
  for (const int row : selected) {
    if (row < 0 || row >= table_.GetCount()) continue;
    table_.Remove(row);
    ++removed;
  }
  if (removed > 0 && applyHotkeyList_) applyHotkeyList_();
  return removed;
}

void RowCommands::commitOnEnter(int keyCode) {
  if (keyCode == kEnterKey) cells_.takeFocus();
}

}  // namespace quintrel
