// System-wide hotkeys on X11: key grabs on the root window, over a connection of the program's own.
//
// A hotkey is a key plus Ctrl/Shift/Alt/Win (Win is Mod4). It is grabbed once for every
// combination of the lock modifiers (CapsLock, NumLock, ScrollLock), so it works whatever locks are
// on. A grab that another client holds is refused at once: the grab requests are sent, the server
// is asked to answer (XSync), and a BadAccess among the answers undoes the whole hotkey.
//
// No thread: the front end watches fd() and calls dispatchEvents() when it is readable and before
// its event loop sleeps; pressed hotkeys arrive through the callback, key repeats included.
#pragma once

#include <X11/Xlib.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace quintrel::x11 {

class X11Hotkeys {
 public:
  // Called with the hotkey's id and the WM_HOTKEY lParam (modifiers low word, key high word).
  using PressHandler = std::function<void(int id, long lParam)>;

  // Opens the connection to $DISPLAY; valid() is false when that fails.
  explicit X11Hotkeys(PressHandler onPress);
  ~X11Hotkeys();
  X11Hotkeys(const X11Hotkeys&) = delete;
  X11Hotkeys& operator=(const X11Hotkeys&) = delete;

  bool valid() const { return display_ != nullptr; }
  int fd() const;
  Display* display() const { return display_; }

  // Grabs the combination for id; false, with nothing grabbed, when it cannot be had (no such key
  // on the keyboard, held by another client, or already a hotkey of this program).
  bool grab(int id, unsigned modifiers, int virtualKey);
  // Releases the grabs of id; false when id has none.
  bool ungrab(int id);
  // Handles every event the connection holds.
  void dispatchEvents();

 private:
  struct Grab {
    unsigned modifiers;  // kMod* flags, as registered
    int virtualKey;
    std::vector<KeyCode> keycodes;
    unsigned xModifiers;  // the X modifier mask without locks
  };

  void readModifierMasks();
  std::vector<unsigned> lockCombinations() const;
  void ungrabKeys(const Grab& grab);

  Display* display_ = nullptr;
  Window root_ = 0;
  PressHandler onPress_;
  std::map<int, Grab> grabs_;
  unsigned altMask_ = Mod1Mask;
  unsigned winMask_ = Mod4Mask;
  unsigned numLockMask_ = 0;
  unsigned scrollLockMask_ = 0;
};

}  // namespace quintrel::x11
