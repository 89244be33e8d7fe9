#include "recording/hook_codes.h"

namespace quintrel {

MouseCodes threadMouseCodes(std::uintptr_t message) {
  // WM_LBUTTONDOWN .. WM_MBUTTONDBLCLK come in threes: press, release, double-click per button.
  if (message < msg::kWmLButtonDown || message > msg::kWmMButtonDblClk) return {};
  const auto offset = static_cast<std::int32_t>(message - msg::kWmLButtonDown);
  return {kLeftButton + offset / 3, kPress + offset % 3};
}

MouseCodes lowLevelMouseCodes(std::uintptr_t message, std::uint32_t mouseData) {
  const auto highWord = static_cast<std::uint16_t>(mouseData >> 16);
  switch (message) {
    case msg::kWmMouseWheel:
      // Only a single notch away counts as "away": a notch towards the user (0xFF88) and a fast
      // turn of two notches in one event (240) both read as the other action.
      return {kWheel, highWord == hook::kWheelNotch ? kWheelAway : kWheelOther};
    case msg::kWmXButtonDown:
    case msg::kWmXButtonUp: {
      const std::int32_t action = message == msg::kWmXButtonDown ? kPress : kRelease;
      if (highWord == hook::kXButton2) return {kExtraButton2, action};
      if (highWord == hook::kXButton1) return {kExtraButton1, action};
      return {};
    }
    default:
      return threadMouseCodes(message);
  }
}

std::uintptr_t threadKeyMessage(std::intptr_t keyFlags) {
  const bool keyGoesUp = (static_cast<std::uint32_t>(keyFlags) >> 31) != 0;
  return keyGoesUp ? msg::kWmKeyUp : msg::kWmKeyDown;
}

}  // namespace quintrel
