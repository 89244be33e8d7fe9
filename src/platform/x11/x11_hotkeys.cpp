#include "platform/x11/x11_hotkeys.h"

#include <X11/keysym.h>

#include <algorithm>

#include "hotkeytext/hotkey_text.h"
#include "platform/x11/virtual_key_keysyms.h"

namespace quintrel::x11 {
namespace {

// Xlib reports errors through one process-wide handler: while grabbing, it records BadAccess for
// our display instead of ending the program.
Display* trappedDisplay = nullptr;
bool accessRefused = false;

int recordGrabError(Display* display, XErrorEvent* error) {
  if (display == trappedDisplay && error->error_code == BadAccess) accessRefused = true;
  return 0;
}

}  // namespace

X11Hotkeys::X11Hotkeys(PressHandler onPress)
    : display_(XOpenDisplay(nullptr)), onPress_(std::move(onPress)) {
  if (display_ == nullptr) return;
  root_ = DefaultRootWindow(display_);
  readModifierMasks();
  XSelectInput(display_, root_, KeyPressMask);
  XFlush(display_);
}

X11Hotkeys::~X11Hotkeys() {
  if (display_ == nullptr) return;
  for (const auto& [id, grab] : grabs_) ungrabKeys(grab);
  XCloseDisplay(display_);
}

int X11Hotkeys::fd() const { return display_ != nullptr ? ConnectionNumber(display_) : -1; }

void X11Hotkeys::readModifierMasks() {
  XModifierKeymap* map = XGetModifierMapping(display_);
  if (map == nullptr) return;
  const auto maskOf = [&](KeySym keysym) -> unsigned {
    const KeyCode keycode = XKeysymToKeycode(display_, keysym);
    if (keycode == 0) return 0;
    for (int modifier = 0; modifier < 8; ++modifier) {
      for (int k = 0; k < map->max_keypermod; ++k) {
        if (map->modifiermap[modifier * map->max_keypermod + k] == keycode) return 1u << modifier;
      }
    }
    return 0;
  };
  numLockMask_ = maskOf(XK_Num_Lock);
  scrollLockMask_ = maskOf(XK_Scroll_Lock);
  if (const unsigned alt = maskOf(XK_Alt_L)) altMask_ = alt;
  if (const unsigned super = maskOf(XK_Super_L)) winMask_ = super;
  XFreeModifiermap(map);
}

std::vector<unsigned> X11Hotkeys::lockCombinations() const {
  std::vector<unsigned> locks{0};
  for (const unsigned lock : {static_cast<unsigned>(LockMask), numLockMask_, scrollLockMask_}) {
    if (lock == 0) continue;
    const std::size_t count = locks.size();
    for (std::size_t i = 0; i < count; ++i) locks.push_back(locks[i] | lock);
  }
  return locks;
}

bool X11Hotkeys::grab(int id, unsigned modifiers, int virtualKey) {
  if (display_ == nullptr || virtualKey == 0) return false;
  Grab grab{modifiers, virtualKey, {}, 0};
  for (const KeySym keysym : keysymsOfVirtualKey(virtualKey)) {
    const KeyCode keycode = XKeysymToKeycode(display_, keysym);
    // Keycode 0 would be AnyKey: a key the keyboard lacks is refused, never grabbed as every key.
    if (keycode != 0 &&
        std::find(grab.keycodes.begin(), grab.keycodes.end(), keycode) == grab.keycodes.end()) {
      grab.keycodes.push_back(keycode);
    }
  }
  if (grab.keycodes.empty()) return false;
  if (modifiers & kModControl) grab.xModifiers |= ControlMask;
  if (modifiers & kModShift) grab.xModifiers |= ShiftMask;
  if (modifiers & kModAlt) grab.xModifiers |= altMask_;
  if (modifiers & kModWin) grab.xModifiers |= winMask_;

  // As on Windows, one program cannot hold the same combination under two ids.
  for (const auto& [otherId, other] : grabs_) {
    if (otherId == id || other.xModifiers != grab.xModifiers) continue;
    for (const KeyCode keycode : grab.keycodes) {
      if (std::find(other.keycodes.begin(), other.keycodes.end(), keycode) !=
          other.keycodes.end()) {
        return false;
      }
    }
  }

  XSync(display_, False);
  trappedDisplay = display_;
  accessRefused = false;
  XErrorHandler previous = XSetErrorHandler(recordGrabError);
  for (const KeyCode keycode : grab.keycodes) {
    for (const unsigned locks : lockCombinations()) {
      XGrabKey(display_, keycode, grab.xModifiers | locks, root_, False, GrabModeAsync,
               GrabModeAsync);
    }
  }
  XSync(display_, False);
  const bool refused = accessRefused;
  if (refused) ungrabKeys(grab);
  XSync(display_, False);
  XSetErrorHandler(previous);
  trappedDisplay = nullptr;
  if (refused) return false;
  grabs_[id] = std::move(grab);
  return true;
}

void X11Hotkeys::ungrabKeys(const Grab& grab) {
  // Ungrabbing a combination another client holds changes nothing of theirs.
  for (const KeyCode keycode : grab.keycodes) {
    for (const unsigned locks : lockCombinations()) {
      XUngrabKey(display_, keycode, grab.xModifiers | locks, root_);
    }
  }
}

bool X11Hotkeys::ungrab(int id) {
  const auto it = grabs_.find(id);
  if (it == grabs_.end()) return false;
  ungrabKeys(it->second);
  grabs_.erase(it);
  XFlush(display_);
  return true;
}

void X11Hotkeys::dispatchEvents() {
  if (display_ == nullptr) return;
  while (XPending(display_) > 0) {
    XEvent event;
    XNextEvent(display_, &event);
    if (event.type != KeyPress) continue;
    const unsigned state = event.xkey.state & (ControlMask | ShiftMask | altMask_ | winMask_);
    const auto keycode = static_cast<KeyCode>(event.xkey.keycode);
    for (const auto& [id, grab] : grabs_) {
      if (grab.xModifiers != state) continue;
      if (std::find(grab.keycodes.begin(), grab.keycodes.end(), keycode) == grab.keycodes.end()) {
        continue;
      }
      const long lParam =
          static_cast<long>(grab.modifiers) | (static_cast<long>(grab.virtualKey) << 16);
      // The handler may grab, ungrab or run a nested event loop: copy what it needs first.
      const int pressedId = id;
      if (onPress_) onPress_(pressedId, lParam);
      break;
    }
  }
}

}  // namespace quintrel::x11
