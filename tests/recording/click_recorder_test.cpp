#include "recording/click_recorder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/app_texts.h"
#include "platform/fake/fake_input_hooks.h"
#include "platform/fake/memory_text_box.h"
#include "platform/fake/recording_dialogs.h"
#include "platform/fake/recording_pointer.h"
#include "recording/hook_codes.h"
#include "test_support.h"

namespace quintrel {
namespace {

constexpr WindowHandle kMainWindow = 0x5000;
const std::string kComma = "\xA3\xAC";  // ，
const std::string kLeft = test::kLeftClick;
const std::string kRight = test::kRightClick;

// Message boxes that note, as each one shows, how many hooks the system has installed.
class HookWatchingDialogs final : public Dialogs {
 public:
  explicit HookWatchingDialogs(const FakeInputHooks& system) : system_(system) {}
  void showMessage(std::string_view text, std::string_view title, MessageIcon icon) override {
    hooksWhileShown.push_back(system_.hooks.size());
    boxes.showMessage(text, title, icon);
  }
  bool ask(std::string_view, std::string_view, std::string_view, std::string_view) override {
    return false;
  }

  RecordingDialogs boxes;
  std::vector<std::size_t> hooksWhileShown;

 private:
  const FakeInputHooks& system_;
};

class ClickRecorderTest : public ::testing::Test {
 protected:
  // The user clicks where the pointer is; the system tells every installed mouse hook.
  void mouseEvent(std::uintptr_t message) {
    for (const HookHandle handle : system_.installedOf(hook::kMouseLowLevel)) {
      hook::LowLevelMouseRecord record;
      std::intptr_t result = 0;
      system_.deliver(handle, hook::kAction, message, reinterpret_cast<std::intptr_t>(&record),
                      result);
      EXPECT_EQ(result, system_.nextHookResult);  // never swallowed
    }
  }
  void clickAt(ScreenPoint at, std::uintptr_t down, std::uintptr_t up) {
    pointer_.position = at;
    mouseEvent(down);
    mouseEvent(up);
  }

  FakeInputHooks system_;
  MouseHook hook_{system_};
  RecordingPointer pointer_;
  MemoryTextBox box_;
  MemoryListView table_ = test::hotkeyListView();
  HookWatchingDialogs dialogs_{system_};
  std::unique_ptr<ClickRecorder> recorder_ =
      std::make_unique<ClickRecorder>(hook_, kMainWindow, pointer_, box_, table_, dialogs_);
};

TEST_F(ClickRecorderTest, TheHookIsOnOnlyBetweenTheTwoMessages) {
  recorder_->startRecording();
  EXPECT_EQ(system_.installedOf(hook::kMouseLowLevel).size(), 1u);
  EXPECT_EQ(system_.setHookCalls, (std::vector<FakeInputHooks::SetHookCall>{{14, 0}}));
  recorder_->startRecording();  // twice: still one hook, so each click is one line
  clickAt({1, 2}, msg::kWmLButtonDown, msg::kWmLButtonUp);
  recorder_->stopRecording();
  EXPECT_TRUE(system_.hooks.empty());
  recorder_->stopRecording();  // while off: the message all the same

  EXPECT_EQ(dialogs_.hooksWhileShown, (std::vector<std::size_t>{0, 1, 0, 0}));
  ASSERT_EQ(dialogs_.boxes.boxes.size(), 4u);
  for (const auto& box : dialogs_.boxes.boxes) {
    EXPECT_EQ(box.title, texts::kMessageTitle);
    EXPECT_EQ(box.icon, MessageIcon::None);
  }
  // 已经开启[记录坐标]功能!... and 已经关闭[记录坐标]功能!...请自己删除!
  EXPECT_EQ(dialogs_.boxes.boxes[0].text.substr(0, 9), "\xD2\xD1\xBE\xAD\xBF\xAA\xC6\xF4[");
  EXPECT_EQ(dialogs_.boxes.boxes[2].text.substr(0, 9), "\xD2\xD1\xBE\xAD\xB9\xD8\xB1\xD5[");
  EXPECT_EQ(box_.text(), kLeft + kComma + "1" + kComma + "2\r\n");
}

TEST_F(ClickRecorderTest, EachReleaseOfTheLeftOrRightButtonIsOneLineWithTheCursorPosition) {
  recorder_->startRecording();
  clickAt({100, 200}, msg::kWmLButtonDown, msg::kWmLButtonUp);
  // A double-click: down, up, double-click message, up.
  clickAt({7, 8}, msg::kWmLButtonDown, msg::kWmLButtonUp);
  clickAt({7, 8}, msg::kWmLButtonDblClk, msg::kWmLButtonUp);
  // Held right button on a monitor left of the primary one: nothing until it is released.
  pointer_.position = {-300, 5};
  mouseEvent(msg::kWmRButtonDown);
  EXPECT_EQ(box_.text().find(kRight), std::string::npos);
  mouseEvent(msg::kWmRButtonUp);
  // Neither the middle button, the wheel, extra buttons nor moves make a line.
  for (const auto message : {msg::kWmMButtonUp, msg::kWmMouseWheel, msg::kWmXButtonUp,
                             msg::kWmMouseMove, msg::kWmRButtonDblClk}) {
    mouseEvent(message);
  }

  const std::string separator = kComma;
  EXPECT_EQ(box_.text(), kLeft + separator + "100" + separator + "200\r\n" +  //
                             kLeft + separator + "7" + separator + "8\r\n" +  //
                             kLeft + separator + "7" + separator + "8\r\n" +  //
                             kRight + separator + "-300" + separator + "5\r\n");
  EXPECT_EQ(recorder_->recordClick(kLeftButton, kRelease, 99), 0);
}

TEST_F(ClickRecorderTest, LinesGoAtTheEndWhereverTheUserLeftTheCaretAndComeIntoView) {
  box_.setText("first\r\nsecond");
  box_.select(2, 8);
  recorder_->recordClick(kRightButton, kRelease, 0);

  EXPECT_EQ(box_.text(), "first\r\nsecond" + kRight + kComma + "0" + kComma + "0\r\n");
  using BoxCall = MemoryTextBox::Call;
  EXPECT_EQ(box_.calls, (std::vector<BoxCall>{BoxCall::MoveCaretToEnd, BoxCall::ScrollCaretIntoView,
                                              BoxCall::ReplaceSelection}));
  EXPECT_EQ(box_.selectionStart(), box_.text().size());
}

TEST_F(ClickRecorderTest, LinesOfExactlyThreeFieldsBecomeRowsNumberedAfterTheCount) {
  test::appendRows(table_, {{"1"}, {"9"}, {"x"}});
  const std::string lines[] = {
      kLeft + kComma + "100" + kComma + "200",             // a recorded line
      "",                                                  // a blank line
      kRight + kComma + "-3" + kComma + "4" + kComma,      // one "，" more at its end
      kLeft + kComma + "5",                                // two fields
      kLeft + ",1,2",                                      // ASCII commas: one field
      kRight + kComma + kComma + "9",                      // empty x
      " a " + kComma + "b" + kComma + "c",                 // copied as it is
      kLeft + kComma + "\xB0\xA3\xAC\xB0" + kComma + "3",  // "，" bytes inside characters
      kLeft + kComma + "\x81|" + kComma + "6",             // "|" as a second byte
      kLeft + kComma + "1|2" + kComma + "3",               // a list-file separator
      kLeft + kComma + "1\n" + kComma + "3",               // a stray line feed
      kLeft + kComma + "1\r" + kComma + "3",               // a stray carriage return
      kRight + kComma + "11" + kComma + "12",              // the last line has no "\r\n"
  };
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\r\n") + line;
  box_.setText(text);

  recorder_->addRecordedRows();
  const test::Rows added = {
      {"4", "", "100", "200", kLeft},
      {"5", "", "-3", "4", kRight},
      {"6", "", "", "9", kRight},
      {"7", "", "b", "c", " a "},
      {"8", "", "\xB0\xA3\xAC\xB0", "3", kLeft},
      {"9", "", "\x81|", "6", kLeft},
      {"10", "", "11", "12", kRight},
  };
  test::Rows expected = {{"1", "", "", "", ""}, {"9", "", "", "", ""}, {"x", "", "", "", ""}};
  expected.insert(expected.end(), added.begin(), added.end());
  EXPECT_EQ(test::rowsOf(table_), expected);
  EXPECT_EQ(box_.text(), text);

  // Again: the same rows once more, numbered on.
  recorder_->addRecordedRows();
  EXPECT_EQ(table_.GetCount(), 17);
  EXPECT_EQ(table_.GetCaption(16, kColumnNumber), "17");
  EXPECT_EQ(table_.GetCaption(16, kColumnX), "11");
  EXPECT_TRUE(dialogs_.boxes.boxes.empty());
}

TEST_F(ClickRecorderTest, AnEmptyBoxAddsNoRows) {
  recorder_->addRecordedRows();
  box_.setText("\r\n\r\n");
  recorder_->addRecordedRows();
  EXPECT_EQ(table_.GetCount(), 0);
}

TEST_F(ClickRecorderTest, ReleasingTheRecorderWhileRecordingStopsTheHook) {
  recorder_->startRecording();
  recorder_.reset();
  EXPECT_TRUE(system_.hooks.empty());
  EXPECT_EQ(dialogs_.boxes.boxes.size(), 1u);  // without the message of the button
}

}  // namespace
}  // namespace quintrel
