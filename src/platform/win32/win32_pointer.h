// The mouse pointer on Windows: GetCursorPos and SetCursorPos, and a click as one SendInput of the
// button's press and release, which the system delivers to whatever window is under the cursor,
// as it would a click of the user's.
#pragma once

#include "platform/pointer.h"

namespace quintrel {

class Win32Pointer final : public Pointer {
 public:
  // (0, 0) when the system cannot tell (no desktop of this process's own, for one).
  ScreenPoint cursorPosition() override;
  void setCursorPosition(ScreenPoint position) override;
  void click(MouseButton button) override;
};

}  // namespace quintrel
