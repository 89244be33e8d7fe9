// Recording under X: with "鼠标记录开" on, clicks anywhere on the desktop become lines in
// "编辑框2"; "鼠标记录关" ends that (its own click is the last line, as its message says);
// "添加到列表" turns the lines into rows, which the close saves.
#include <gtest/gtest.h>

#include <thread>

#include "test_support.h"
#include "x11_session.h"

namespace quintrel::e2e {
namespace {

const std::string kMainTitle = "Quintrel V2.0 作者:Morvane";
const std::string kMessageTitle = "信息：";

class RecordingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!x_.connected()) GTEST_SKIP() << "no X display (the test command starts Xvfb)";
    probe_ =
        std::make_unique<HelperRun>(CLICK_PROBE, std::vector<std::string>{"0", "0", "300", "160"});
    ASSERT_EQ(probe_->nextLine(5s), "ready");
    program_ = std::make_unique<ProgramRun>(QUINTREL_PROGRAM, folder_.path());
    const auto window = x_.waitForWindow(program_->pid(), kMainTitle);
    ASSERT_TRUE(window);
    window_ = *window;
  }

  std::pair<int, int> button(int left) { return x_.toRoot(window_, left + 40, 16); }
  void click(std::pair<int, int> at, int button = 1) {
    ASSERT_TRUE(run("xdotool mousemove " + std::to_string(at.first) + " " +
                    std::to_string(at.second) + " click " + std::to_string(button)));
  }
  // Closes the message box the program shows, as its close button would.
  void dismissMessage() {
    const auto box = x_.waitForWindow(program_->pid(), kMessageTitle);
    ASSERT_TRUE(box) << "no message box";
    x_.closeWindow(*box);
    std::this_thread::sleep_for(300ms);
  }

  X11Session x_;
  test::TempFolder folder_;
  std::unique_ptr<HelperRun> probe_;
  std::unique_ptr<ProgramRun> program_;
  Window window_ = 0;
};

TEST_F(RecordingTest, RecordedClicksBecomeRowsThatAreSaved) {
  click(button(396));  // "鼠标记录开"
  dismissMessage();
  click({50, 60}, 1);
  click({70, 80}, 3);
  click({90, 100}, 2);  // the middle button is not recorded
  std::this_thread::sleep_for(200ms);
  const auto off = button(476);
  click(off);  // "鼠标记录关"
  dismissMessage();
  click({110, 120}, 1);  // after recording: not recorded
  click(button(556));    // "添加到列表"
  std::this_thread::sleep_for(300ms);

  x_.closeWindow(window_);
  ASSERT_EQ(program_->waitForExit(), 0);
  EXPECT_EQ(test::readBytes(folder_ / "hotkey.txt"),
            "1||50|60|" + test::kLeftClick + "|\r\n" + "2||70|80|" + test::kRightClick + "|\r\n" +
                "3||" + std::to_string(off.first) + "|" + std::to_string(off.second) + "|" +
                test::kLeftClick + "|\r\n");
}

}  // namespace
}  // namespace quintrel::e2e
