// The mouse pointer, in screen pixels of the Windows convention: (0, 0) is the top left of the
// primary monitor; monitors to the left or above have negative coordinates.
#pragma once

namespace quintrel {

enum class MouseButton { Left, Right };

struct ScreenPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

class Pointer {
 public:
  Pointer() = default;
  Pointer(const Pointer&) = delete;
  Pointer& operator=(const Pointer&) = delete;
  virtual ~Pointer() = default;

  // Where the cursor is now.
  virtual ScreenPoint cursorPosition() = 0;
  // Moves the cursor; positions are passed on as they are, off-screen or negative ones too.
  virtual void setCursorPosition(ScreenPoint position) = 0;
  // Presses and releases button where the cursor is, as one click that reaches whatever window
  // is there.
  virtual void click(MouseButton button) = 0;
};

}  // namespace quintrel
