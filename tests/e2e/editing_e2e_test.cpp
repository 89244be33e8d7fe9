// Editing the table under X as a user does: a key combination typed into "热键框1" adds a row, a
// double-clicked cell is edited in place and stored by Enter or the wheel, an edited hotkey is live
// half a second after the edit ends, and the right-click menu deletes the selected rows.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <thread>

#include "test_support.h"
#include "x11_session.h"

namespace quintrel::e2e {
namespace {

const std::string kMainTitle = "Quintrel V2.0 作者:Morvane";

// Where the rows are drawn in the main window's client area, with the fonts the test command
// installs: the list starts at y 32, its header is 18 pixels high and its rows 15 apart.
constexpr int kFirstRowMiddle = 58;
constexpr int kRowHeight = 15;
// The middles of the columns "#", "热键", "x", "y" and "类型".
constexpr int kColumnMiddle[] = {25, 125, 225, 275, 340};

class EditingTest : public ::testing::Test {
 protected:
  void start(const std::string& listFile) {
    if (!x_.connected()) GTEST_SKIP() << "no X display (the test command starts Xvfb)";
    test::writeBytes(folder_ / "hotkey.txt", listFile);
    program_ = std::make_unique<ProgramRun>(QUINTREL_PROGRAM, folder_.path());
    const auto window = x_.waitForWindow(program_->pid(), kMainTitle);
    ASSERT_TRUE(window);
    window_ = *window;
  }

  // xdotool mouse actions at a point of the main window's client area.
  void mouseAt(int x, int y, const std::string& action) {
    const auto [rootX, rootY] = x_.toRoot(window_, x, y);
    ASSERT_TRUE(run("xdotool mousemove " + std::to_string(rootX) + " " + std::to_string(rootY) +
                    " " + action));
    std::this_thread::sleep_for(200ms);
  }
  void atCell(int row, int column, const std::string& action) {
    mouseAt(kColumnMiddle[column], kFirstRowMiddle + row * kRowHeight, action);
  }
  void keys(const std::string& keys) {
    ASSERT_TRUE(run("xdotool " + keys));
    std::this_thread::sleep_for(200ms);
  }
  std::string closeAndRead() {
    x_.closeWindow(window_);
    EXPECT_EQ(program_->waitForExit(), 0);
    return test::readBytes(folder_ / "hotkey.txt");
  }

  X11Session x_;
  test::TempFolder folder_;
  std::unique_ptr<ProgramRun> program_;
  Window window_ = 0;
};

const std::string kLeft = test::kLeftClick;

TEST_F(EditingTest, TypedHotkeyAddsARowAndAnEditedCellIsStoredByEnter) {
  start("1|F1|10|20|" + kLeft + "|\r\n");
  mouseAt(116, 16, "click 1");  // into "热键框1"
  keys("key ctrl+a");
  atCell(0, 2, "click --repeat 2 --delay 80 1");  // the "x" of the first row
  keys("key ctrl+a type '77|5'");  // "|" would split the cell in the file: it is kept out
  keys("key Return");
  atCell(0, 3, "click --repeat 2 --delay 80 1");  // the "y": the wheel over the list stores it
  keys("key ctrl+a type 33");
  atCell(1, 3, "click 5");
  EXPECT_EQ(closeAndRead(), "1|F1|775|33|" + kLeft + "|\r\n2|Ctrl + A|||" + kLeft + "|\r\n");
}

TEST_F(EditingTest, SelectedRowsAreDeletedFromTheRowMenu) {
  start("1|F1|1|1|" + kLeft + "|\r\n2|F2|2|2|" + kLeft + "|\r\n3|F3|3|3|" + kLeft + "|\r\n" +
        "4|F4|4|4|" + kLeft + "|\r\n");
  atCell(0, 0, "click 1");
  keys("keydown ctrl");
  atCell(2, 0, "click 1");
  keys("keyup ctrl");
  atCell(2, 3, "click 3");
  // The menu opens 3 pixels right of and below the cursor; its one item is just below that.
  keys("mousemove_relative 20 12 click 1");
  EXPECT_EQ(closeAndRead(), "2|F2|2|2|" + kLeft + "|\r\n4|F4|4|4|" + kLeft + "|\r\n");
}

TEST_F(EditingTest, EditedHotkeyPlaysHalfASecondAfterTheEditEnds) {
  HelperRun probe(CLICK_PROBE, {"0", "0", "300", "160"});
  ASSERT_EQ(probe.nextLine(5s), "ready");
  start("1|F1|20|30|" + kLeft + "|\r\n");
  mouseAt(233 + 40, 16, "click 1");  // "应用热键列表"
  atCell(0, 1, "click --repeat 2 --delay 80 1");
  keys("key ctrl+F9");
  atCell(3, 1, "click 1");  // into the list below the rows: the edit is stored
  std::this_thread::sleep_for(1s);

  keys("mousemove 700 700 key ctrl+F9");
  const auto line = probe.nextLine(3s);
  ASSERT_TRUE(line) << "the edited hotkey did not play";
  int button = 0, x = 0, y = 0;
  ASSERT_EQ(std::sscanf(line->c_str(), "press %d %d %d", &button, &x, &y), 3) << *line;
  EXPECT_EQ((std::array{button, x, y}), (std::array{1, 20, 30}));
  std::this_thread::sleep_for(400ms);
  keys("key F1");  // the old hotkey is gone
  EXPECT_FALSE(probe.nextLine(700ms));
  EXPECT_EQ(closeAndRead(), "1|Ctrl + F9|20|30|" + kLeft + "|\r\n");
}

}  // namespace
}  // namespace quintrel::e2e
