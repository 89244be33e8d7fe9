// The desktop-wide keyboard hook under X: keys typed anywhere reach it as a Windows low-level hook
// sees them, also a hotkey that another program holds; keys typed with Alt are system keys, which
// the MouseHook's callback never gets.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "x11_session.h"

namespace quintrel::e2e {
namespace {

class KeyboardHookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!x_.connected()) GTEST_SKIP() << "no X display (the test command starts Xvfb)";
    // Another program holds Alt+F2 as its hotkey: X then delivers the key to it alone.
    grabber_ = std::make_unique<HelperRun>(
        CLICK_PROBE, std::vector<std::string>{"0", "0", "50", "50", "--grab-alt-f2"});
    ASSERT_EQ(grabber_->nextLine(5s), "ready");
    hook_ = std::make_unique<HelperRun>(KEY_HOOK_PROBE, std::vector<std::string>{});
    ASSERT_EQ(hook_->nextLine(5s), "ready");
  }
  std::vector<std::string> lines(std::size_t count) {
    std::vector<std::string> read;
    while (read.size() < count) {
      const auto line = hook_->nextLine(5s);
      if (!line) break;
      read.push_back(*line);
    }
    return read;
  }

  X11Session x_;
  std::unique_ptr<HelperRun> grabber_;
  std::unique_ptr<HelperRun> hook_;
};

TEST_F(KeyboardHookTest, KeysReadAsOnWindowsAndSystemKeysPassTheCallbackBy) {
  ASSERT_TRUE(run("xdotool key a"));
  EXPECT_EQ(lines(4), (std::vector<std::string>{"callback 100 65", "hook 100 65 30 0",
                                                "callback 101 65", "hook 101 65 30 80"}));

  // Left Alt is VK_LMENU (164), F2 VK_F2 (113); their scan codes are a PC keyboard's. (xdotool
  // may release Alt once more at the end; the test reads no further.)
  ASSERT_TRUE(run("xdotool keydown alt keydown F2 keyup F2 keyup alt"));
  EXPECT_EQ(lines(5), (std::vector<std::string>{"hook 104 164 56 20", "hook 104 113 60 20",
                                                "hook 105 113 60 a0", "callback 101 164",
                                                "hook 101 164 56 80"}));
}

}  // namespace
}  // namespace quintrel::e2e
