#include "platform/x11/low_level_keyboard.h"

#include <X11/keysym.h>

#include "platform/window_messages.h"
#include "platform/x11/virtual_key_keysyms.h"

namespace quintrel::x11 {
namespace {

constexpr int kVkShift = 0x10;
constexpr int kVkControl = 0x11;
constexpr int kVkMenu = 0x12;  // Alt
constexpr std::uint32_t kVkF10 = 0x79;
constexpr std::uint32_t kVkLeftShift = 0xA0;
constexpr std::uint32_t kVkRightShift = 0xA1;
constexpr std::uint32_t kVkLeftControl = 0xA2;
constexpr std::uint32_t kVkRightControl = 0xA3;
constexpr std::uint32_t kVkLeftMenu = 0xA4;
constexpr std::uint32_t kVkRightMenu = 0xA5;

bool isAlt(std::uint32_t key) { return key == kVkLeftMenu || key == kVkRightMenu; }
bool isControl(std::uint32_t key) { return key == kVkLeftControl || key == kVkRightControl; }

}  // namespace

std::uint32_t lowLevelVirtualKey(KeySym keysym) {
  const int key = virtualKeyOfKeysym(keysym);
  const bool right = keysym == XK_Shift_R || keysym == XK_Control_R || keysym == XK_Alt_R;
  switch (key) {
    case 0:
      return kNoVirtualKey;
    case kVkShift:
      return right ? kVkRightShift : kVkLeftShift;
    case kVkControl:
      return right ? kVkRightControl : kVkLeftControl;
    case kVkMenu:
      return right ? kVkRightMenu : kVkLeftMenu;
    default:
      return static_cast<std::uint32_t>(key);
  }
}

void LowLevelKeyboard::track(bool press, unsigned keycode, std::uint32_t virtualKey) {
  std::set<unsigned>* held = isAlt(virtualKey)       ? &altKeys_
                             : isControl(virtualKey) ? &controlKeys_
                                                     : nullptr;
  if (held == nullptr) return;
  if (press) {
    held->insert(keycode);
  } else {
    held->erase(keycode);
  }
}

LowLevelKeyEvent LowLevelKeyboard::event(bool press, unsigned keycode, KeySym keysym,
                                         std::uint32_t time) {
  const std::uint32_t key = lowLevelVirtualKey(keysym);
  // Windows reads the modifiers as they are once this event has taken effect: Alt going down is
  // held already, Alt coming up is not.
  track(press, keycode, key);
  const bool system =
      key == kVkF10 || (altHeld() && !controlHeld()) || (isAlt(key) && !press && loneAlt_);
  if (isAlt(key)) {
    loneAlt_ = press && system;
  } else if (press || system) {
    loneAlt_ = false;
  }

  LowLevelKeyEvent result;
  result.message = press ? (system ? msg::kWmSysKeyDown : msg::kWmKeyDown)
                         : (system ? msg::kWmSysKeyUp : msg::kWmKeyUp);
  result.record.virtualKey = key;
  result.record.scanCode = keycode >= 8 ? keycode - 8 : 0;  // X keycodes are evdev codes + 8
  result.record.flags = (press ? 0 : kKeyFlagUp) | (altHeld() ? kKeyFlagAltDown : 0);
  result.record.time = time;
  return result;
}

void LowLevelKeyboard::restart(const std::vector<std::pair<unsigned, KeySym>>& held) {
  altKeys_.clear();
  controlKeys_.clear();
  loneAlt_ = false;
  for (const auto& [keycode, keysym] : held) track(true, keycode, lowLevelVirtualKey(keysym));
}

}  // namespace quintrel::x11
