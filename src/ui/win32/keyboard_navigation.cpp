#include "ui/win32/keyboard_navigation.h"

#include <vector>

namespace quintrel::win32 {
namespace {

bool takesFocus(HWND control) {
  return (GetWindowLongPtrW(control, GWL_STYLE) & WS_TABSTOP) != 0 && IsWindowVisible(control) &&
         IsWindowEnabled(control);
}

std::vector<HWND> tabStops(HWND window) {
  std::vector<HWND> controls;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (takesFocus(child)) controls.push_back(child);
  }
  return controls;
}

// The child of window that is or contains focus; null when focus is not inside window.
HWND childHolding(HWND window, HWND focus) {
  for (HWND at = focus; at != nullptr; at = GetParent(at)) {
    if (GetParent(at) == window) return at;
  }
  return nullptr;
}

}  // namespace

HWND moveFocus(HWND window, bool backward) {
  const std::vector<HWND> controls = tabStops(window);
  if (controls.empty()) return nullptr;
  const HWND current = childHolding(window, GetFocus());
  std::size_t index = backward ? controls.size() - 1 : 0;
  for (std::size_t at = 0; at < controls.size(); ++at) {
    if (controls[at] != current) continue;
    index = backward ? (at + controls.size() - 1) % controls.size() : (at + 1) % controls.size();
    break;
  }
  SetFocus(controls[index]);
  return controls[index];
}

HWND firstTabStop(HWND window) {
  const std::vector<HWND> controls = tabStops(window);
  return controls.empty() ? nullptr : controls.front();
}

bool isFocusNavigationKey(HWND window, const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
  if (message.hwnd != window && IsChild(window, message.hwnd) == FALSE) return false;
  return GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0;
}

}  // namespace quintrel::win32
