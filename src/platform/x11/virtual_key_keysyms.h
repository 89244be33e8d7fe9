// The one table between Windows virtual-key codes and X keysyms, used to grab hotkeys and to
// read keys typed into the program.
#pragma once

#include <X11/X.h>

#include <vector>

namespace quintrel::x11 {

// The keysyms that stand for a virtual key (Shift stands for both Shift keys, Enter for both
// Enter keys); empty for a code no key of the X keyboard produces.
std::vector<KeySym> keysymsOfVirtualKey(int virtualKey);

// The virtual key of a keysym; 0 when it has none. Letters read the same in either case.
int virtualKeyOfKeysym(KeySym keysym);

}  // namespace quintrel::x11
