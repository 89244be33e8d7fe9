// The mouse pointer on X11: XTest presses and releases the button, so the click reaches whatever
// window is under the cursor, as a real click would. Positions are in the Windows convention; the
// primary output's origin (RandR) maps them to root-window coordinates.
#pragma once

#include <X11/Xlib.h>

#include "platform/pointer.h"

namespace quintrel::x11 {

class X11Pointer final : public Pointer {
 public:
  // display: an open connection that outlives this object.
  explicit X11Pointer(Display* display);

  ScreenPoint cursorPosition() override;
  void setCursorPosition(ScreenPoint position) override;
  void click(MouseButton button) override;

  // The root-window position of the primary output's top left corner.
  ScreenPoint primaryOrigin();

 private:
  Display* display_;
  Window root_;
  bool hasRandr_ = false;
};

}  // namespace quintrel::x11
