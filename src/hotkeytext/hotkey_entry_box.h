// Hotkey entry boxes: edit boxes that capture a key combination instead of taking typed text.
// While modifiers are held a box shows their prefix ("Ctrl + Shift + "); a named key completes the
// hotkey ("Ctrl + Shift + A"): the box gives up the focus, reports the hotkey and remembers it.
//
// The held modifiers are shared by all boxes: a modifier pressed in one box and released while no
// box has the focus stays held until its release reaches a box or a hotkey is completed.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/hotkey_box_control.h"

namespace quintrel {

// Held-modifier flags as the entry boxes report them (not the system hotkey flags).
enum HeldModifier : unsigned {
  kHeldCtrl = 1,
  kHeldShift = 2,
  kHeldAlt = 4,
};

// A box accepted a complete hotkey: the box, the completing key's virtual-key code, the modifiers
// held as that key went down, and the hotkey text. A result of exactly 1 consumes the key: the box
// then neither remembers the hotkey nor shows it.
using HotkeyEnteredCallback = std::function<int(HotkeyBoxControl& box, int keyCode,
                                                unsigned heldModifiers, std::string_view text)>;

class HotkeyEntryBoxes {
 public:
  HotkeyEntryBoxes() = default;
  HotkeyEntryBoxes(const HotkeyEntryBoxes&) = delete;
  HotkeyEntryBoxes& operator=(const HotkeyEntryBoxes&) = delete;

  // Turns every box whose name begins with namePrefix, in the given (form) order, into an entry
  // box: read-only, showing its text when that already reads as a hotkey (the callback is told)
  // and placeholder otherwise. The front end routes the boxes' messages to handleBoxMessage.
  void setup(const std::vector<HotkeyBoxControl*>& boxes, std::string_view namePrefix,
             std::string placeholder, HotkeyEnteredCallback callback);

  // The boxes' message procedure: key down and up (keyCode is the virtual-key code) and focus
  // loss. True when the message was consumed and must not reach the box's own handling.
  bool handleBoxMessage(HotkeyBoxControl& box, unsigned message, int keyCode);

  unsigned heldModifiers() const { return held_; }
  const std::string& placeholderText() const { return placeholder_; }
  // The last hotkey text the box accepted; empty until the first.
  std::string rememberedText(const HotkeyBoxControl& box) const;

 private:
  bool keyDown(HotkeyBoxControl& box, int keyCode);
  void keyUp(HotkeyBoxControl& box, int keyCode);
  void focusLost(HotkeyBoxControl& box);
  // The remembered text when it is a hotkey, else the placeholder: what an idle box shows.
  std::string restingText(const HotkeyBoxControl& box) const;

  unsigned held_ = 0;
  std::string placeholder_;
  HotkeyEnteredCallback callback_;
  std::map<const HotkeyBoxControl*, std::string> remembered_;
};

}  // namespace quintrel
