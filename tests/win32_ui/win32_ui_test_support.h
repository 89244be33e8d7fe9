// Helpers of the window tests: the common controls, the message queue, where a control is.
#pragma once

#include <windows.h>

#include <string>

namespace quintrel::win32::test {

// Registers the common control classes (once per process).
void useCommonControls();

// Handles every message waiting for this thread's windows.
void pumpMessages();

// A window's rectangle in the client coordinates of its parent.
RECT rectInParent(HWND control);

// The face name, height and character set of the font a control draws with.
struct FontOf {
  std::wstring face;
  LONG height = 0;
  BYTE charSet = 0;
};
FontOf fontOf(HWND control);

// Puts the cursor at point and waits until the system reports it there: under X the pointer's
// own motion may still be on its way. False when it never arrives.
bool moveCursorTo(POINT point);

// Marks virtualKey held or released in the thread's keyboard state, as GetKeyState reads it.
void setKeyHeld(int virtualKey, bool held);

}  // namespace quintrel::win32::test
