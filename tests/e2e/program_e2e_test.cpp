// The Linux program as a user meets it: started in a folder, closed as a window manager closes
// it, judged by the list file it leaves behind.
#include <gtest/gtest.h>

#include <csignal>

#include "test_support.h"
#include "x11_session.h"

namespace quintrel::e2e {
namespace {

namespace fs = std::filesystem;

const std::string kMainTitle = "Quintrel V2.0 作者:Morvane";
const std::string kMessageTitle = "信息：";

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!x_.connected()) GTEST_SKIP() << "no X display (the test command starts Xvfb)";
  }
  fs::path listFile() const { return folder_ / "hotkey.txt"; }

  X11Session x_;
  test::TempFolder folder_;
};

TEST_F(ProgramTest, LoadsTheListAndWritesItBackWhenClosed) {
  const std::string leftClick = test::kLeftClick, rightClick = test::kRightClick;
  test::writeBytes(listFile(), "1|Ctrl + F1|640|480|" + leftClick + "|\r\n" +  //
                                   "\r\n" +                                    // a blank line
                                   "3|Shift + Alt + Num +|-5|7|" + rightClick + "|extra|more|\r\n" +
                                   "4|||||\n" +                              // LF alone
                                   "5|Ctrl + \xA1\xFB|10|20|" + leftClick);  // no line end
  ProgramRun program(QUINTREL_PROGRAM, folder_.path());
  const auto window = x_.waitForWindow(program.pid(), kMainTitle);
  ASSERT_TRUE(window) << "the main window did not appear";
  x_.closeWindow(*window);
  EXPECT_EQ(program.waitForExit(), 0);
  EXPECT_EQ(test::readBytes(listFile()), "1|Ctrl + F1|640|480|" + leftClick + "|\r\n" +
                                             "2|||||\r\n" + "3|Shift + Alt + Num +|-5|7|" +
                                             rightClick + "|\r\n" + "4|||||\r\n" +
                                             "5|Ctrl + \xA1\xFB|10|20|" + leftClick + "|\r\n");
}

TEST_F(ProgramTest, FirstStartWithoutFileShowsNoMessageAndLeavesAnEmptyFile) {
  ProgramRun program(QUINTREL_PROGRAM, folder_.path());
  const auto window = x_.waitForWindow(program.pid(), kMainTitle);
  ASSERT_TRUE(window);
  EXPECT_FALSE(x_.waitForWindow(program.pid(), kMessageTitle, 500ms));
  x_.closeWindow(*window);
  EXPECT_EQ(program.waitForExit(), 0);
  ASSERT_TRUE(fs::is_regular_file(listFile()));
  EXPECT_EQ(fs::file_size(listFile()), 0u);
}

TEST_F(ProgramTest, FailedSaveIsReportedAndTheWindowStaysUntilTheSaveWorks) {
  ProgramRun program(QUINTREL_PROGRAM, folder_.path());
  const auto window = x_.waitForWindow(program.pid(), kMainTitle);
  ASSERT_TRUE(window);
  fs::create_directory(listFile());  // the file's name is taken while the program runs

  x_.closeWindow(*window);
  const auto message = x_.waitForWindow(program.pid(), kMessageTitle);
  ASSERT_TRUE(message) << "no message about the failed save";
  x_.closeWindow(*message);  // closing the box is the safe answer: back to the window
  EXPECT_FALSE(program.waitForExit(1s)) << "the program ended although the save failed";
  EXPECT_TRUE(x_.hasWindow(program.pid(), kMainTitle));

  fs::remove(listFile());
  x_.closeWindow(*window);
  EXPECT_EQ(program.waitForExit(), 0);
  EXPECT_TRUE(fs::is_regular_file(listFile()));
}

TEST_F(ProgramTest, TerminationSignalClosesTheWindowAndSaves) {
  test::writeBytes(listFile(), "7|F7|1|2|x");
  ProgramRun program(QUINTREL_PROGRAM, folder_.path());
  ASSERT_TRUE(x_.waitForWindow(program.pid(), kMainTitle));
  program.signal(SIGTERM);
  EXPECT_EQ(program.waitForExit(), 0);
  EXPECT_EQ(test::readBytes(listFile()), "7|F7|1|2|x|\r\n");  // rewritten, so the save ran
}

}  // namespace
}  // namespace quintrel::e2e
