// GoogleTest before the X11 headers: their macros (None) would break it.
#include <gtest/gtest.h>

#include "platform/x11/low_level_keyboard.h"

#include <X11/keysym.h>

#include <vector>

#include "platform/window_messages.h"

namespace quintrel::x11 {
namespace {

constexpr unsigned kDown = msg::kWmKeyDown;
constexpr unsigned kUp = msg::kWmKeyUp;
constexpr unsigned kSysDown = msg::kWmSysKeyDown;
constexpr unsigned kSysUp = msg::kWmSysKeyUp;
constexpr std::uint32_t kAlt = kKeyFlagAltDown;
constexpr std::uint32_t kRelease = kKeyFlagUp;

// Keycodes of a PC keyboard under X (evdev code + 8).
struct Key {
  unsigned keycode;
  KeySym keysym;
};
constexpr Key kA{38, XK_a};
constexpr Key kF4{70, XK_F4};
constexpr Key kF10{76, XK_F10};
constexpr Key kDelete{119, XK_Delete};
constexpr Key kLeftAlt{64, XK_Alt_L};
constexpr Key kRightAlt{108, XK_Alt_R};
constexpr Key kLeftControl{37, XK_Control_L};
constexpr Key kRightControl{105, XK_Control_R};
constexpr Key kRightShift{62, XK_Shift_R};
constexpr Key kNoKeysym{200, NoSymbol};

struct Step {
  bool press;
  Key key;
  unsigned message;  // what the hook sees
  std::uint32_t virtualKey;
  std::uint32_t flags;
};
struct Case {
  const char* name;
  std::vector<Step> steps;
};

TEST(LowLevelKeyboardTest, KeysReadAsAWindowsLowLevelHookSeesThem) {
  const Case cases[] = {
      {"a plain key", {{true, kA, kDown, 'A', 0}, {false, kA, kUp, 'A', kRelease}}},
      {"a lone tap of Alt",
       {{true, kLeftAlt, kSysDown, 0xA4, kAlt}, {false, kLeftAlt, kSysUp, 0xA4, kRelease}}},
      {"Alt + F4: Alt comes up as a plain key",
       {{true, kLeftAlt, kSysDown, 0xA4, kAlt},
        {true, kF4, kSysDown, 0x73, kAlt},
        {false, kF4, kSysUp, 0x73, kAlt | kRelease},
        {false, kLeftAlt, kUp, 0xA4, kRelease}}},
      {"Ctrl + Alt + Delete types plain keys",
       {{true, kLeftControl, kDown, 0xA2, 0},
        {true, kLeftAlt, kDown, 0xA4, kAlt},
        {true, kDelete, kDown, 0x2E, kAlt},
        {false, kDelete, kUp, 0x2E, kAlt | kRelease},
        {false, kLeftAlt, kUp, 0xA4, kRelease},
        {false, kLeftControl, kUp, 0xA2, kRelease}}},
      {"Alt, then Ctrl: Ctrl ends the system keys",
       {{true, kRightAlt, kSysDown, 0xA5, kAlt},
        {true, kRightControl, kDown, 0xA3, kAlt},
        {true, kA, kDown, 'A', kAlt},
        {false, kRightAlt, kUp, 0xA5, kRelease}}},
      {"F10 is a system key on its own",
       {{true, kF10, kSysDown, 0x79, 0}, {false, kF10, kSysUp, 0x79, kRelease}}},
      {"Alt stays held while either Alt key is",
       {{true, kLeftAlt, kSysDown, 0xA4, kAlt},
        {true, kRightAlt, kSysDown, 0xA5, kAlt},
        {false, kLeftAlt, kSysUp, 0xA4, kAlt | kRelease},
        {true, kA, kSysDown, 'A', kAlt},
        {false, kRightAlt, kUp, 0xA5, kRelease},
        {false, kA, kUp, 'A', kRelease}}},
      {"Shift with Alt held is a system key, and names its side",
       {{true, kLeftAlt, kSysDown, 0xA4, kAlt}, {true, kRightShift, kSysDown, 0xA1, kAlt}}},
      {"a key without a virtual key",
       {{true, kNoKeysym, kDown, kNoVirtualKey, 0},
        {false, kNoKeysym, kUp, kNoVirtualKey, kRelease}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LowLevelKeyboard keyboard;
    std::uint32_t time = 1000;
    for (const Step& step : c.steps) {
      SCOPED_TRACE(step.virtualKey);
      const LowLevelKeyEvent event =
          keyboard.event(step.press, step.key.keycode, step.key.keysym, ++time);
      EXPECT_EQ(event.message, step.message);
      EXPECT_EQ(event.record.virtualKey, step.virtualKey);
      EXPECT_EQ(event.record.scanCode, step.key.keycode - 8);
      EXPECT_EQ(event.record.flags, step.flags);
      EXPECT_EQ(event.record.time, time);
    }
  }
}

TEST(LowLevelKeyboardTest, ARestartTakesTheKeysHeldNowAndForgetsTheRest) {
  LowLevelKeyboard keyboard;
  keyboard.event(true, kLeftControl.keycode, kLeftControl.keysym, 1);
  keyboard.restart({{kLeftAlt.keycode, kLeftAlt.keysym}, {kA.keycode, kA.keysym}});
  EXPECT_TRUE(keyboard.altHeld());
  EXPECT_FALSE(keyboard.controlHeld());
  // Alt was down before: a key now is a system key, and Alt's release is not a lone tap.
  EXPECT_EQ(keyboard.event(true, kF4.keycode, kF4.keysym, 2).message, msg::kWmSysKeyDown);
  EXPECT_EQ(keyboard.event(false, kLeftAlt.keycode, kLeftAlt.keysym, 3).message, msg::kWmKeyUp);
  EXPECT_FALSE(keyboard.altHeld());
}

}  // namespace
}  // namespace quintrel::x11
