// Keys typed into the program's widgets, as Windows virtual-key codes: the X keysym behind a Qt
// key event goes through the same table as the system-wide hotkeys, so a key reads the same in an
// entry box as when it is pressed as a hotkey (left and right modifiers alike).
#pragma once

#include <QKeyEvent>

namespace quintrel::qt {

// The virtual-key code of the event's key; 0 for a key that has none, or for an event that
// carries no keysym (one made by the program, or on a platform other than X11).
int virtualKeyOf(const QKeyEvent& event);

// Tab or Shift + Tab without Ctrl or Alt: the window moves the focus with it and the key goes no
// further, so no control's own key handling sees it.
bool isFocusNavigationKey(const QKeyEvent& event);

}  // namespace quintrel::qt
