#include "platform/win32/win32_pointer.h"

#include <windows.h>

#include <array>

namespace quintrel {

ScreenPoint Win32Pointer::cursorPosition() {
  POINT at{};
  if (!GetCursorPos(&at)) return {};
  return {static_cast<int>(at.x), static_cast<int>(at.y)};
}

void Win32Pointer::setCursorPosition(ScreenPoint position) { SetCursorPos(position.x, position.y); }

void Win32Pointer::click(MouseButton button) {
  const bool left = button == MouseButton::Left;
  // No move flag: dx and dy are ignored and both events happen where the cursor is. One call, so
  // no other input comes between the press and the release.
  std::array<INPUT, 2> inputs{};
  inputs[0].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN;
  inputs[1].type = INPUT_MOUSE;
  inputs[1].mi.dwFlags = left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP;
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace quintrel
