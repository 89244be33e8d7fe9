#include "ui/win32/win32_context_menu.h"

#include "ui/win32/wide_text.h"

namespace quintrel::win32 {

Win32ContextMenu::Win32ContextMenu(HWND owner, const std::string& title,
                                   const std::vector<std::string>& items)
    : owner_(owner), menu_(CreateMenu()), popup_(CreatePopupMenu()) {
  setItems(items);
  // The menu owns the pop-up from here on and destroys it with itself.
  AppendMenuW(menu_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup_),
              widen(title).c_str());
}

Win32ContextMenu::~Win32ContextMenu() { DestroyMenu(menu_); }

int Win32ContextMenu::popUp(ScreenPoint topLeft, const std::vector<std::string>& items) {
  setItems(items);
  // Commands are numbered from 1: 0 is what TPM_RETURNCMD gives when nothing was chosen.
  const BOOL chosen = TrackPopupMenu(
      popup_, TPM_RETURNCMD | TPM_LEFTBUTTON | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN,
      topLeft.x, topLeft.y, 0, owner_, nullptr);
  if (chosen <= 0 || chosen > static_cast<BOOL>(items.size())) return -1;
  return chosen - 1;
}

void Win32ContextMenu::setItems(const std::vector<std::string>& items) {
  while (GetMenuItemCount(popup_) > 0) DeleteMenu(popup_, 0, MF_BYPOSITION);
  UINT_PTR command = 1;
  for (const std::string& item : items) {
    AppendMenuW(popup_, MF_STRING, command++, widen(item).c_str());
  }
}

}  // namespace quintrel::win32
