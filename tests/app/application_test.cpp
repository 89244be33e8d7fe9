#include "app/application.h"

#include <gtest/gtest.h>

#include "app/app_texts.h"
#include "platform/fake/recording_dialogs.h"
#include "test_support.h"

namespace quintrel {
namespace {

namespace fs = std::filesystem;

class ApplicationTest : public ::testing::Test {
 protected:
  fs::path listFile() const { return folder_ / "hotkey.txt"; }

  test::TempFolder folder_;
  MemoryListView table_ = test::hotkeyListView();
  RecordingDialogs dialogs_;
};

TEST_F(ApplicationTest, FirstStartWithoutFileShowsEmptyTableAndSavesEmptyFile) {
  Application app(listFile());
  app.mainWindowCreated(table_);
  EXPECT_EQ(table_.GetCount(), 0);
  EXPECT_TRUE(app.closeRequested(table_, dialogs_));
  EXPECT_TRUE(dialogs_.boxes.empty());
  EXPECT_TRUE(fs::exists(listFile()));
  EXPECT_EQ(test::readBytes(listFile()), "");
}

TEST_F(ApplicationTest, TableLoadedAtStartIsWrittenBackAtClose) {
  test::writeBytes(listFile(), "3|F5|10|20|" + test::kRightClick + "|\r\n\r\n4|||||");
  Application app(listFile());
  app.mainWindowCreated(table_);
  ASSERT_EQ(table_.GetCount(), 3);
  table_.SetCaption(1, kColumnHotkey, "Ctrl + A");
  EXPECT_TRUE(app.closeRequested(table_, dialogs_));
  EXPECT_EQ(test::readBytes(listFile()),
            "3|F5|10|20|" + test::kRightClick + "|\r\n2|Ctrl + A||||\r\n4|||||\r\n");
}

TEST_F(ApplicationTest, FailedSaveAsksAndKeepsTheWindowUnlessTheUserClosesAnyway) {
  Application app(listFile());
  app.mainWindowCreated(table_);
  test::appendRows(table_, {{"1", "F1", "1", "2", test::kLeftClick}});
  fs::create_directory(listFile());  // a folder takes the file's name while the program runs

  dialogs_.answer = false;
  EXPECT_FALSE(app.closeRequested(table_, dialogs_));
  ASSERT_EQ(dialogs_.boxes.size(), 1u);
  const RecordingDialogs::Box& box = dialogs_.boxes[0];
  EXPECT_EQ(box.title, texts::kMessageTitle);
  EXPECT_NE(box.text.find(texts::kReasonNotAFile), std::string::npos);
  EXPECT_EQ(box.acceptText, texts::kCloseAnyway);
  EXPECT_EQ(box.rejectText, texts::kGoBack);

  dialogs_.answer = true;
  EXPECT_TRUE(app.closeRequested(table_, dialogs_));
  EXPECT_TRUE(fs::is_directory(listFile()));
}

TEST_F(ApplicationTest, FileUnreadableAtStartIsNeverOverwritten) {
  fs::create_directory(listFile());
  Application app(listFile());
  app.mainWindowCreated(table_);
  EXPECT_EQ(table_.GetCount(), 0);
  fs::remove(listFile());
  test::writeBytes(listFile(), "keep me");  // what the program could not read must survive

  EXPECT_FALSE(app.closeRequested(table_, dialogs_));
  ASSERT_EQ(dialogs_.boxes.size(), 1u);
  EXPECT_NE(dialogs_.boxes[0].text.find(texts::kReasonUnreadableAtStart), std::string::npos);
  EXPECT_EQ(test::readBytes(listFile()), "keep me");
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
