// The keys of the whole desktop as a low-level keyboard hook sees them on Windows, made from the
// key presses and releases X reports (raw events: a keycode, no modifier state).
//
// Windows tells a key typed with Alt held apart: such an event is WM_SYSKEYDOWN / WM_SYSKEYUP,
// not WM_KEYDOWN / WM_KEYUP, and carries LLKHF_ALTDOWN. So this object keeps which Alt and Ctrl
// keys are held, and reads every event as Windows does:
// - any key while Alt is held and Ctrl is not, and F10 always, gives a system message;
// - Alt itself goes down as a system key unless Ctrl is held, and comes up as one only when no
//   other key was pressed since (a lone tap of Alt, which opens a window's menu); after Alt + F,
//   say, the release of Alt is a plain WM_KEYUP;
// - Ctrl + Alt (AltGr on Windows) types plain keys.
// A low-level hook names the side of Shift, Ctrl and Alt (VK_LSHIFT ... VK_RMENU). A key for
// which no virtual key exists arrives as 0xFF, the code Windows gives a key its layout leaves
// unassigned; its scan code still tells it apart.
#pragma once

#include <X11/X.h>

#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "platform/input_hooks.h"

namespace quintrel::x11 {

// LowLevelKeyRecord flags.
inline constexpr std::uint32_t kKeyFlagAltDown = 0x20;  // LLKHF_ALTDOWN
inline constexpr std::uint32_t kKeyFlagUp = 0x80;       // LLKHF_UP
// The virtual key of a key that has none.
inline constexpr std::uint32_t kNoVirtualKey = 0xFF;

struct LowLevelKeyEvent {
  unsigned message = 0;  // WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN or WM_SYSKEYUP
  hook::LowLevelKeyRecord record;
};

// The virtual key a low-level hook gives for a keysym: sided for Shift, Ctrl and Alt,
// kNoVirtualKey when there is none.
std::uint32_t lowLevelVirtualKey(KeySym keysym);

class LowLevelKeyboard {
 public:
  // A key went down (press) or up: its X keycode, the keysym of its first level in the first
  // group, and the server time of the event in milliseconds.
  LowLevelKeyEvent event(bool press, unsigned keycode, KeySym keysym, std::uint32_t time);

  // Forgets every held key and takes these (keycode, keysym) as held now: for when the program
  // starts to listen while keys are down.
  void restart(const std::vector<std::pair<unsigned, KeySym>>& held);

  bool altHeld() const { return !altKeys_.empty(); }
  bool controlHeld() const { return !controlKeys_.empty(); }

 private:
  void track(bool press, unsigned keycode, std::uint32_t virtualKey);

  std::set<unsigned> altKeys_;      // keycodes of the Alt keys held
  std::set<unsigned> controlKeys_;  // and of the Ctrl keys
  bool loneAlt_ = false;            // Alt went down as a system key, no key since
};

}  // namespace quintrel::x11
