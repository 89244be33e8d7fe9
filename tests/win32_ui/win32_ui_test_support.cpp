#include "win32_ui_test_support.h"

#include <commctrl.h>

namespace quintrel::win32::test {

void useCommonControls() {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES;
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)registered;
}

void pumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
    if (message.message == WM_QUIT) {
      // Not ours to take: put it back for whoever asked.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

RECT rectInParent(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

FontOf fontOf(HWND control) {
  auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  LOGFONTW description{};
  if (font == nullptr || GetObjectW(font, sizeof description, &description) == 0) return {};
  return {description.lfFaceName, description.lfHeight, description.lfCharSet};
}

bool moveCursorTo(POINT point) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    SetCursorPos(point.x, point.y);
    pumpMessages();
    POINT now{};
    if (GetCursorPos(&now) != FALSE && now.x == point.x && now.y == point.y) return true;
    Sleep(10);
  }
  return false;
}

void setKeyHeld(int virtualKey, bool held) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[virtualKey] = held ? 0x80 : 0;
  SetKeyboardState(keys);
}

}  // namespace quintrel::win32::test
