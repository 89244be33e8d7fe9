// How a hooked event becomes the two small codes a hook callback receives.
//
// Mouse events become (button, action): buttons 1 left, 2 right, 3 middle, 4 wheel, 5 and 6 the
// extra buttons; actions 1 press, 2 release, 3 double-click, and for the wheel 4 (one notch away
// from the user) and 5 (anything else). Every other event, moves included, is (0, 0). Callers
// have long relied on the extra buttons' odd order: XBUTTON2 is button 5, XBUTTON1 button 6.
#pragma once

#include <cstdint>

#include "platform/window_messages.h"

namespace quintrel {

namespace hook {

// The high word of mouseData: a wheel's delta, or which extra button.
inline constexpr std::uint16_t kWheelNotch = 120;
inline constexpr std::uint16_t kXButton1 = 1;
inline constexpr std::uint16_t kXButton2 = 2;

}  // namespace hook

enum MouseButtonCode : std::int32_t {
  kNoButton = 0,
  kLeftButton = 1,
  kRightButton = 2,
  kMiddleButton = 3,
  kWheel = 4,
  kExtraButton2 = 5,  // XBUTTON2
  kExtraButton1 = 6,  // XBUTTON1
};
enum MouseActionCode : std::int32_t {
  kNoAction = 0,
  kPress = 1,
  kRelease = 2,
  kDoubleClick = 3,
  kWheelAway = 4,  // exactly one notch away from the user
  kWheelOther = 5,
};

struct MouseCodes {
  std::int32_t button = kNoButton;
  std::int32_t action = kNoAction;
  friend bool operator==(const MouseCodes&, const MouseCodes&) = default;
};

// The codes of an event seen by a low-level (desktop-wide) mouse hook: buttons, wheel and extra
// buttons.
MouseCodes lowLevelMouseCodes(std::uintptr_t message, std::uint32_t mouseData);
// The codes of an event seen by a thread-bound mouse hook: the three buttons only; the wheel and
// the extra buttons are (0, 0) there.
MouseCodes threadMouseCodes(std::uintptr_t message);
// The message of a key event seen by a thread-bound keyboard hook, from its flags: key up when
// bit 31 (the transition flag) is set, else key down.
std::uintptr_t threadKeyMessage(std::intptr_t keyFlags);

}  // namespace quintrel
