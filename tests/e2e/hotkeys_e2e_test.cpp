// The program's main job under X: after "应用热键列表", a hotkey pressed anywhere clicks at its
// rows' positions in table order, with each row's button, about 200 ms apart, and the pointer
// comes back; "卸载所有热键" takes the hotkeys away. A probe window logs where the clicks land.
#include <gtest/gtest.h>

#include <cstdio>
#include <thread>

#include "test_support.h"
#include "x11_session.h"

namespace quintrel::e2e {
namespace {

const std::string kMainTitle = "Quintrel V2.0 作者:Morvane";

struct Press {
  unsigned button;
  int x;
  int y;
  unsigned long time;
};

class HotkeysTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!x_.connected()) GTEST_SKIP() << "no X display (the test command starts Xvfb)";
    // The probe covers the top left corner and holds Alt+F2, as another program might.
    probe_ = std::make_unique<HelperRun>(
        CLICK_PROBE, std::vector<std::string>{"0", "0", "300", "160", "--grab-alt-f2"});
    ASSERT_EQ(probe_->nextLine(5s), "ready");
    const std::string left = test::kLeftClick, right = test::kRightClick;
    test::writeBytes(folder_ / "hotkey.txt", "1|Ctrl + F1|20|30|" + left + "|\r\n" +
                                                 "2|Alt + F2|40|50|" + left + "|\r\n" +
                                                 "3|Ctrl + F1|60|70|" + right + "|\r\n" +
                                                 "4|Alt + F3|80|90|" + left + "|\r\n");
    program_ = std::make_unique<ProgramRun>(QUINTREL_PROGRAM, folder_.path());
    const auto window = x_.waitForWindow(program_->pid(), kMainTitle);
    ASSERT_TRUE(window);
    window_ = *window;
  }

  // Clicks a control of the main window at a point of its client area.
  void clickMainWindow(int x, int y) {
    const auto [rootX, rootY] = x_.toRoot(window_, x, y);
    ASSERT_TRUE(run("xdotool mousemove " + std::to_string(rootX) + " " + std::to_string(rootY) +
                    " click 1"));
  }
  void applyList() { clickMainWindow(233 + 40, 16); }      // "应用热键列表"
  void removeHotkeys() { clickMainWindow(313 + 40, 16); }  // "卸载所有热键"

  // The presses the probe saw within timeout, stopping early once count arrived.
  std::vector<Press> presses(std::size_t count, std::chrono::milliseconds timeout) {
    std::vector<Press> seen;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (seen.size() < count) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0) break;
      const auto line = probe_->nextLine(left);
      if (!line) break;
      Press press{};
      if (std::sscanf(line->c_str(), "press %u %d %d %lu", &press.button, &press.x, &press.y,
                      &press.time) == 4) {
        seen.push_back(press);
      }
    }
    return seen;
  }

  void expectCtrlF1Group(const char* when) {
    SCOPED_TRACE(when);
    ASSERT_TRUE(run("xdotool mousemove 700 700"));
    ASSERT_TRUE(run("xdotool key ctrl+F1"));
    const std::vector<Press> seen = presses(2, 3s);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].button, 1u);
    EXPECT_EQ(seen[0].x, 20);
    EXPECT_EQ(seen[0].y, 30);
    EXPECT_EQ(seen[1].button, 3u);
    EXPECT_EQ(seen[1].x, 60);
    EXPECT_EQ(seen[1].y, 70);
    // The pause after each click is 200 ms (server time, in milliseconds).
    EXPECT_GE(seen[1].time - seen[0].time, 190u);
    EXPECT_LT(seen[1].time - seen[0].time, 1000u);
    // The pointer comes back right after each click; the probe may see the click a moment before
    // the server has handled the move back.
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(x_.pointer(), (std::pair<int, int>{700, 700}));
    std::this_thread::sleep_for(250ms);  // the wait after the last click
  }

  X11Session x_;
  test::TempFolder folder_;
  std::unique_ptr<HelperRun> probe_;
  std::unique_ptr<ProgramRun> program_;
  Window window_ = 0;
};

TEST_F(HotkeysTest, AppliedHotkeysClickTheirRowsAndRemovedOnesDoNothing) {
  ASSERT_TRUE(run("xdotool key ctrl+F1"));
  EXPECT_TRUE(presses(1, 500ms).empty()) << "nothing is registered before the first apply";

  applyList();
  std::this_thread::sleep_for(300ms);
  expectCtrlF1Group("after apply");

  // Alt+F2 is the probe's: quintrel was refused it, and its other hotkeys still work.
  ASSERT_TRUE(run("xdotool key alt+F2"));
  EXPECT_TRUE(presses(1, 500ms).empty());
  ASSERT_TRUE(run("xdotool key alt+F3"));
  const std::vector<Press> altF3 = presses(1, 2s);
  ASSERT_EQ(altF3.size(), 1u);
  EXPECT_EQ(altF3[0].x, 80);
  std::this_thread::sleep_for(300ms);

  ASSERT_TRUE(run("xdotool key Num_Lock"));
  expectCtrlF1Group("with NumLock on");
  ASSERT_TRUE(run("xdotool key Num_Lock"));

  removeHotkeys();
  std::this_thread::sleep_for(300ms);
  ASSERT_TRUE(run("xdotool key ctrl+F1"));
  EXPECT_TRUE(presses(1, 700ms).empty()) << "a removed hotkey still clicked";

  applyList();
  std::this_thread::sleep_for(300ms);
  expectCtrlF1Group("after applying again");

  x_.closeWindow(window_);
  EXPECT_EQ(program_->waitForExit(), 0);
}

}  // namespace
}  // namespace quintrel::e2e
