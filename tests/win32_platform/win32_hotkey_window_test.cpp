// The main window's side of the hotkey registry, against the system's own hotkeys and properties.
#include "platform/win32/win32_hotkey_window.h"

#include <gtest/gtest.h>

#include <string>

#include "hotkeytext/hotkey_text.h"
#include "platform/fake/fake_hotkey_window.h"
#include "playback/hotkey_registry.h"
#include "system_session.h"

namespace quintrel::test {
namespace {

class Win32HotkeyWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (window.handle() == nullptr) GTEST_SKIP() << "no window can be made here (no display)";
    hotkeys.attach(window.handle());
    window.hotkeys = &hotkeys;
  }
  void TearDown() override {
    for (int id = 1; id <= 3; ++id) hotkeys.unregisterHotkey(id);
  }

  TestWindow window;
  Win32HotkeyWindow hotkeys;
};

TEST_F(Win32HotkeyWindowTest, TheSystemRefusesACombinationTakenUntilItIsFreed) {
  const unsigned ctrlAlt = kModControl | kModAlt;
  EXPECT_TRUE(hotkeys.registerHotkey(1, ctrlAlt, VK_F11));
  EXPECT_FALSE(hotkeys.registerHotkey(2, ctrlAlt, VK_F11));
  // The modifiers are taken as given: the same key with one more modifier is another hotkey.
  EXPECT_TRUE(hotkeys.registerHotkey(3, ctrlAlt | kModShift, VK_F11));
  EXPECT_TRUE(hotkeys.unregisterHotkey(1));
  EXPECT_FALSE(hotkeys.unregisterHotkey(1));
  EXPECT_TRUE(hotkeys.registerHotkey(2, ctrlAlt, VK_F11));
}

TEST_F(Win32HotkeyWindowTest, WithoutAWindowNothingIsRegisteredOrStored) {
  Win32HotkeyWindow detached;
  EXPECT_FALSE(detached.registerHotkey(1, kModControl | kModAlt, VK_F11));
  int value = 0;
  detached.setProperty("HOTKEYLIST", &value);
  EXPECT_EQ(detached.property("HOTKEYLIST"), nullptr);
  // The system's hotkey, registered for no window, would have taken the combination.
  EXPECT_TRUE(hotkeys.registerHotkey(1, kModControl | kModAlt, VK_F11));
}

TEST_F(Win32HotkeyWindowTest, PropertiesAreTheWindowsUnderTheirCodePage936Names) {
  const std::string hotkeyTable = "\xC8\xC8\xBC\xFC\xB1\xED";  // 热键表
  int first = 0;
  int second = 0;
  hotkeys.setProperty("HOTKEYLIST", &first);
  hotkeys.setProperty(hotkeyTable, &second);
  EXPECT_EQ(hotkeys.property("HOTKEYLIST"), &first);
  EXPECT_EQ(hotkeys.property(hotkeyTable), &second);
  // The name reaches the system as the Chinese text, whatever the system's own code page.
  EXPECT_EQ(GetPropW(window.handle(), L"\u70ED\u952E\u8868"), &second);
  EXPECT_EQ(GetPropW(window.handle(), L"HOTKEYLIST"), &first);

  hotkeys.removeProperty(hotkeyTable);
  EXPECT_EQ(hotkeys.property(hotkeyTable), nullptr);
  EXPECT_EQ(hotkeys.property("HOTKEYLIST"), &first);
  hotkeys.removeProperty("HOTKEYLIST");
  EXPECT_EQ(GetPropW(window.handle(), L"HOTKEYLIST"), nullptr);
}

TEST_F(Win32HotkeyWindowTest, HotkeyPressesReachTheProcedureInTheSlot) {
  WindowProcedure* const base = hotkeys.procedure();
  ASSERT_NE(base, nullptr);
  EXPECT_EQ(hotkeys.hotkeyPressed(4, 0), 0);

  RecordingProcedure recording;
  recording.result = 9;
  EXPECT_EQ(hotkeys.setProcedure(&recording), base);
  const LPARAM lParam = MAKELPARAM(kModShift, VK_F5);
  EXPECT_EQ(hotkeys.hotkeyPressed(4, lParam), 9);
  EXPECT_EQ(recording.messages, (std::vector<RecordingProcedure::Message>{{WM_HOTKEY, 4, lParam}}));

  EXPECT_EQ(hotkeys.setProcedure(nullptr), &recording);
  EXPECT_EQ(hotkeys.procedure(), base);
}

// The whole road: a key combination pressed on the keyboard becomes the system's WM_HOTKEY, which
// the window's procedure hands on, and the registry routes to the handler of its id.
TEST_F(Win32HotkeyWindowTest, APressedCombinationReachesTheRegistrysHandler) {
  HotkeyRegistry registry;
  RecordingProcedure handler;
  const unsigned ctrlAlt = kModControl | kModAlt;
  ASSERT_EQ(registry.addHotkey(hotkeys, ctrlAlt, VK_F10, &handler, 2), 1);

  sendKeys({{VK_CONTROL, false},
            {VK_MENU, false},
            {VK_F10, false},
            {VK_F10, true},
            {VK_MENU, true},
            {VK_CONTROL, true}});
  EXPECT_TRUE(pumpUntil([&] { return !handler.messages.empty(); }));
  EXPECT_EQ(
      handler.messages,
      (std::vector<RecordingProcedure::Message>{{WM_HOTKEY, 2, MAKELPARAM(ctrlAlt, VK_F10)}}));

  registry.removeAllHotkeys(hotkeys);
  EXPECT_EQ(hotkeys.property(HotkeyRegistry::kPropertyName), nullptr);
  EXPECT_TRUE(hotkeys.registerHotkey(1, ctrlAlt, VK_F10));  // the registry let it go
}

}  // namespace
}  // namespace quintrel::test
