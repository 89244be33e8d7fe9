// The menu "右键菜单" of the main window: a top-level menu item that the window never shows as a
// menu bar, with its one item "删除选中项"; it is only ever popped up over the list.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/context_menu.h"

namespace quintrel::win32 {

class Win32ContextMenu final : public ContextMenu {
 public:
  // owner: the window the pop-up belongs to. title and items: code page 936.
  Win32ContextMenu(HWND owner, const std::string& title, const std::vector<std::string>& items);
  ~Win32ContextMenu() override;

  // The hidden menu and its pop-up.
  HMENU menu() const { return menu_; }
  HMENU popup() const { return popup_; }

  // Shows items in the pop-up with its top left corner at topLeft until an item is chosen (with
  // either mouse button) or the menu is dismissed.
  int popUp(ScreenPoint topLeft, const std::vector<std::string>& items) override;

 private:
  void setItems(const std::vector<std::string>& items);

  HWND owner_;
  HMENU menu_;
  HMENU popup_;
};

}  // namespace quintrel::win32
