// The commands around the list view's rows: the right-click menu that deletes the selected rows,
// and Enter in an in-place editor, which ends the edit by giving the list view the focus.
#pragma once

#include <functional>
#include <string_view>

#include "platform/context_menu.h"
#include "platform/list_view.h"
#include "platform/list_view_cells.h"
#include "platform/pointer.h"

namespace quintrel {

// 删除选中项, the one item of the row menu.
inline constexpr std::string_view kDeleteSelectedRowsItem =
    "\xC9\xBE\xB3\xFD\xD1\xA1\xD6\xD0\xCF\xEE";

// The virtual-key code of Enter.
inline constexpr int kEnterKey = 13;

class RowCommands {
 public:
  // applyHotkeyList registers the table's hotkeys anew; it runs after rows were deleted, because
  // the hotkey groups name rows by index and those indexes have moved.
  RowCommands(ListView& table, ListViewCells& cells, ContextMenu& menu, Pointer& pointer,
              std::function<void()> applyHotkeyList);

  // The list view's right click, on a row or below them: the row menu opens 3 pixels right of
  // and below the cursor; choosing its item deletes the selected rows, closing it does nothing.
  void showRowMenu();
  // Removes exactly the selected rows, the others keeping their order and their "#" texts, then
  // applies the hotkey list when any row went. Returns how many rows were removed.
  int deleteSelectedRows();
  // The key-pressed handler of the in-place editors: Enter gives the list view the focus, which
  // stores the edit. The key is never consumed; it goes on to the editor as usual.
  void commitOnEnter(int keyCode);

 private:
  ListView& table_;
  ListViewCells& cells_;
  ContextMenu& menu_;
  Pointer& pointer_;
  std::function<void()> applyHotkeyList_;
};

}  // namespace quintrel
