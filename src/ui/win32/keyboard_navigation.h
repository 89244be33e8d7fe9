// Moving the keyboard focus with Tab and Shift + Tab among the controls of a window that is no
// dialog. The controls that take part are the window's own children with WS_TABSTOP that are
// visible and enabled, in their order (creation order); a control inside one of them (the edit
// field of a combo box, an editor laid over the list) counts as that child.
#pragma once

#include <windows.h>

namespace quintrel::win32 {

// Gives the focus to the next (backward: previous) control after the one holding the focus, round
// the end; with the focus elsewhere, to the first (last). The target, or null when no control can
// take the focus.
HWND moveFocus(HWND window, bool backward);

// The first control that takes the focus, or null.
HWND firstTabStop(HWND window);

// True when message is Tab or Shift + Tab going down in window or one of its descendants, with
// neither Ctrl nor Alt held: the key that moves the focus, which the window takes for itself.
bool isFocusNavigationKey(HWND window, const MSG& message);

}  // namespace quintrel::win32
