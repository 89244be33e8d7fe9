#include "recording/hook_codes.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace quintrel {
namespace {

std::uint32_t highWord(std::uint16_t value) { return std::uint32_t{value} << 16; }

TEST(HookCodes, MouseMessagesTranslateByTheTableOfBothKindsOfHook) {
  struct Case {
    std::uintptr_t message;
    std::uint32_t mouseData;
    MouseCodes lowLevel;
    MouseCodes threadBound;
  };
  const Case cases[] = {
      {0x200, 0, {0, 0}, {0, 0}},  // a move
      {0x201, 0, {1, 1}, {1, 1}},
      {0x202, 0, {1, 2}, {1, 2}},
      {0x203, 0, {1, 3}, {1, 3}},
      {0x204, 0, {2, 1}, {2, 1}},
      {0x205, 0, {2, 2}, {2, 2}},
      {0x206, 0, {2, 3}, {2, 3}},
      {0x207, 0, {3, 1}, {3, 1}},
      {0x208, 0, {3, 2}, {3, 2}},
      {0x209, highWord(2), {3, 3}, {3, 3}},  // mouseData matters only for wheel and extras
      {0x20A, highWord(120), {4, 4}, {0, 0}},
      {0x20A, highWord(0xFF88), {4, 5}, {0, 0}},  // one notch towards the user
      {0x20A, highWord(240), {4, 5}, {0, 0}},     // two notches in one event
      {0x20A, 120, {4, 5}, {0, 0}},               // 120 in the low word is no notch
      {0x20B, highWord(1), {6, 1}, {0, 0}},       // XBUTTON1 is button 6
      {0x20B, highWord(2), {5, 1}, {0, 0}},       // XBUTTON2 is button 5
      {0x20C, highWord(2), {5, 2}, {0, 0}},
      {0x20C, highWord(1) | 0xFFFF, {6, 2}, {0, 0}},
      {0x20B, highWord(3), {0, 0}, {0, 0}},
      {0x20C, 0, {0, 0}, {0, 0}},
      {0x20D, 0, {0, 0}, {0, 0}},              // WM_XBUTTONDBLCLK is not in the table
      {0x20E, highWord(120), {0, 0}, {0, 0}},  // the horizontal wheel neither
      {0x1FF, 0, {0, 0}, {0, 0}},
      {0x100, 0, {0, 0}, {0, 0}},
      {std::uintptr_t{0x201} | (std::uintptr_t{1} << 31), 0, {0, 0}, {0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << std::hex << "message 0x" << c.message << " mouseData 0x" << c.mouseData);
    EXPECT_EQ(lowLevelMouseCodes(c.message, c.mouseData), c.lowLevel);
    EXPECT_EQ(threadMouseCodes(c.message), c.threadBound);
  }
}

TEST(HookCodes, AThreadBoundKeyGoesUpExactlyWhenItsTransitionBitIsSet) {
  EXPECT_EQ(threadKeyMessage(0x00000001), msg::kWmKeyDown);
  EXPECT_EQ(threadKeyMessage(0x401E0001), msg::kWmKeyDown);  // previous state only: a repeat
  EXPECT_EQ(threadKeyMessage(static_cast<std::intptr_t>(0xC01E0001u)), msg::kWmKeyUp);
  // Sign-extended, as the flags arrive in a 64-bit lParam.
  EXPECT_EQ(threadKeyMessage(static_cast<std::int32_t>(0x80000001u)), msg::kWmKeyUp);
}

}  // namespace
}  // namespace quintrel
