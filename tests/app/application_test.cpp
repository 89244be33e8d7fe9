#include "app/application.h"

#include <gtest/gtest.h>

#include "app/app_texts.h"
#include "platform/fake/fake_hotkey_window.h"
#include "platform/fake/fake_input_hooks.h"
#include "platform/fake/memory_text_box.h"
#include "platform/fake/recording_dialogs.h"
#include "platform/fake/recording_pointer.h"
#include "platform/fake/scripted_message_wait.h"
#include "test_support.h"

namespace quintrel {
namespace {

namespace fs = std::filesystem;

class ApplicationTest : public ::testing::Test {
 protected:
  fs::path listFile() const { return folder_ / "hotkey.txt"; }
  void created(Application& app) {
    app.mainWindowCreated({table_, window_, pointer_, wait_, dialogs_, recordBox_, 1});
  }

  test::TempFolder folder_;
  MemoryListView table_ = test::hotkeyListView();
  FakeHotkeyWindow window_;
  RecordingPointer pointer_;
  ScriptedMessageWait wait_;
  RecordingDialogs dialogs_;
  MemoryTextBox recordBox_;
  FakeInputHooks hooks_;
};

TEST_F(ApplicationTest, FirstStartWithoutFileShowsEmptyTableAndSavesEmptyFile) {
  Application app(listFile(), hooks_);
  created(app);
  EXPECT_EQ(table_.GetCount(), 0);
  EXPECT_TRUE(app.closeRequested());
  EXPECT_TRUE(dialogs_.boxes.empty());
  EXPECT_TRUE(fs::exists(listFile()));
  EXPECT_EQ(test::readBytes(listFile()), "");
}

TEST_F(ApplicationTest, TableLoadedAtStartIsWrittenBackAtClose) {
  test::writeBytes(listFile(), "3|F5|10|20|" + test::kRightClick + "|\r\n\r\n4|||||");
  Application app(listFile(), hooks_);
  created(app);
  ASSERT_EQ(table_.GetCount(), 3);
  table_.SetCaption(1, kColumnHotkey, "Ctrl + A");
  EXPECT_TRUE(app.closeRequested());
  EXPECT_EQ(test::readBytes(listFile()),
            "3|F5|10|20|" + test::kRightClick + "|\r\n2|Ctrl + A||||\r\n4|||||\r\n");
}

TEST_F(ApplicationTest, FailedSaveAsksAndKeepsTheWindowUnlessTheUserClosesAnyway) {
  Application app(listFile(), hooks_);
  created(app);
  test::appendRows(table_, {{"1", "F1", "1", "2", test::kLeftClick}});
  fs::create_directory(listFile());  // a folder takes the file's name while the program runs

  dialogs_.answer = false;
  EXPECT_FALSE(app.closeRequested());
  ASSERT_EQ(dialogs_.boxes.size(), 1u);
  const RecordingDialogs::Box& box = dialogs_.boxes[0];
  EXPECT_EQ(box.title, texts::kMessageTitle);
  EXPECT_NE(box.text.find(texts::kReasonNotAFile), std::string::npos);
  EXPECT_EQ(box.acceptText, texts::kCloseAnyway);
  EXPECT_EQ(box.rejectText, texts::kGoBack);

  dialogs_.answer = true;
  EXPECT_TRUE(app.closeRequested());
  EXPECT_TRUE(fs::is_directory(listFile()));
}

TEST_F(ApplicationTest, FileUnreadableAtStartIsNeverOverwritten) {
  fs::create_directory(listFile());
  Application app(listFile(), hooks_);
  created(app);
  EXPECT_EQ(table_.GetCount(), 0);
  fs::remove(listFile());
  test::writeBytes(listFile(), "keep me");  // what the program could not read must survive

  EXPECT_FALSE(app.closeRequested());
  ASSERT_EQ(dialogs_.boxes.size(), 1u);
  EXPECT_NE(dialogs_.boxes[0].text.find(texts::kReasonUnreadableAtStart), std::string::npos);
  EXPECT_EQ(test::readBytes(listFile()), "keep me");
}

TEST_F(ApplicationTest, AppliedHotkeysPlayTheirRowsUntilRemoved) {
  test::writeBytes(listFile(), "1|Ctrl + F1|10|20|" + test::kLeftClick + "|\r\n" +
                                   "2|Alt + F2|30|40|" + test::kLeftClick + "|\r\n" +
                                   "3|Ctrl + F1|50|60|" + test::kRightClick + "|\r\n");
  Application app(listFile(), hooks_);
  created(app);
  EXPECT_EQ(window_.send(kWmHotkey, 1, 0), 0);  // nothing registered before the first apply
  EXPECT_TRUE(pointer_.clicks().empty());

  app.applyHotkeyList();
  EXPECT_EQ(app.hotkeyGroups(), (HotkeyGroups{"0,2", "1"}));
  window_.send(kWmHotkey, 1, 0);
  const auto clicks = pointer_.clicks();
  ASSERT_EQ(clicks.size(), 2u);
  EXPECT_EQ(clicks[0].at, (ScreenPoint{10, 20}));
  EXPECT_EQ(clicks[0].button, MouseButton::Left);
  EXPECT_EQ(clicks[1].at, (ScreenPoint{50, 60}));
  EXPECT_EQ(clicks[1].button, MouseButton::Right);

  app.removeAllHotkeys();
  EXPECT_TRUE(window_.registrations.empty());
  window_.send(kWmHotkey, 1, 0);
  EXPECT_EQ(pointer_.clicks().size(), 2u);
}

TEST(SaveFailureMessage, NamesTheReasonAndTheSystemError) {
  const std::string text = saveFailureMessage(SaveStatus::WriteFailed,
                                              std::make_error_code(std::errc::no_space_on_device));
  EXPECT_EQ(text.rfind(texts::kSaveFailedBefore, 0), 0u);
  EXPECT_NE(text.find(texts::kReasonWriteFailed), std::string::npos);
  EXPECT_NE(text.find(std::make_error_code(std::errc::no_space_on_device).message()),
            std::string::npos);
}

}  // namespace
}  // namespace quintrel
