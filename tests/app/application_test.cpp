#include "app/application.h"

#include <gtest/gtest.h>

#include "app/app_texts.h"
#include "editing/row_commands.h"
#include "hotkeytext/editor_callbacks.h"
#include "platform/fake/fake_combo_editor.h"
#include "platform/fake/fake_editor_control.h"
#include "platform/fake/fake_focus.h"
#include "platform/fake/fake_hotkey_box.h"
#include "platform/fake/fake_hotkey_window.h"
#include "platform/fake/fake_input_hooks.h"
#include "platform/fake/fake_list_view_cells.h"
#include "platform/fake/memory_text_box.h"
#include "platform/fake/recording_dialogs.h"
#include "platform/fake/recording_period_timer.h"
#include "platform/fake/recording_pointer.h"
#include "platform/fake/scripted_context_menu.h"
#include "platform/fake/scripted_message_wait.h"
#include "platform/window_messages.h"
#include "test_support.h"

namespace quintrel {
namespace {

namespace fs = std::filesystem;

class ApplicationTest : public ::testing::Test {
 protected:
  fs::path listFile() const { return folder_ / "hotkey.txt"; }
  void created(Application& app) {
    app.mainWindowCreated({table_,
                           window_,
                           pointer_,
                           wait_,
                           dialogs_,
                           recordBox_,
                           1,
                           cells_,
                           {&hotkeyBox1_, &hotkeyBox2_},
                           hotkeyBox2_,
                           numberEditor_,
                           hotkeyEditor_,
                           kindEditor_,
                           menu_,
                           timer_});
  }
  // A double-click on a cell, with the cursor over it.
  void doubleClick(CellAddress cell) {
    pointer_.setCursorPosition(cells_.screenPointOf(cell));
    cells_.deliver(msg::kWmLButtonDblClk);
  }

  test::TempFolder folder_;
  MemoryListView table_ = test::hotkeyListView();
  FakeHotkeyWindow window_;
  RecordingPointer pointer_;
  ScriptedMessageWait wait_;
  RecordingDialogs dialogs_;
  MemoryTextBox recordBox_;
  FakeInputHooks hooks_;
  FakeFocus focus_;
  FakeListViewCells cells_{table_, focus_, {50, 150, 50, 50, 80}, {100, 200}};
  FakeHotkeyBox hotkeyBox1_{
      "\xC8\xC8\xBC\xFC\xBF\xF2"
      "1"};  // 热键框1
  FakeHotkeyBox hotkeyBox2_{
      "\xC8\xC8\xBC\xFC\xBF\xF2"
      "2"};  // 热键框2
  FakeEditorControl numberEditor_{focus_};
  FakeEditorControl hotkeyEditor_{focus_};
  FakeComboEditor kindEditor_{{test::kLeftClick, test::kRightClick}};
  ScriptedContextMenu menu_;
  RecordingPeriodTimer timer_;
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

TEST_F(ApplicationTest, StartUpMakesEntryBoxesAndHidesTheCellEditors) {
  Application app(listFile(), hooks_);
  created(app);
  EXPECT_EQ(hotkeyBox1_.text(), texts::kPressHotkey);
  EXPECT_EQ(hotkeyBox2_.text(), texts::kPressHotkey);
  EXPECT_TRUE(hotkeyBox1_.readOnly && hotkeyBox2_.readOnly);
  EXPECT_FALSE(numberEditor_.visible || hotkeyEditor_.visible || kindEditor_.visible);
  EXPECT_EQ(numberEditor_.parent, &cells_);
  EXPECT_EQ(cells_.messageHandler(), &app.cellEditor());
  // Gone with the window: no message reaches the editor of a window that no longer exists.
  app.mainWindowDestroyed();
  EXPECT_EQ(cells_.messageHandler(), nullptr);
}

TEST_F(ApplicationTest, HotkeyTypedIntoTheTopBoxAddsARowButTheCellBoxAddsNone) {
  Application app(listFile(), hooks_);
  created(app);
  for (HotkeyBoxControl* box : {static_cast<HotkeyBoxControl*>(&hotkeyBox1_),
                                static_cast<HotkeyBoxControl*>(&hotkeyBox2_)}) {
    app.hotkeyBoxMessage(*box, msg::kWmKeyDown, 17);   // Ctrl
    app.hotkeyBoxMessage(*box, msg::kWmKeyDown, 'B');  // completes "Ctrl + B"
    app.hotkeyBoxMessage(*box, msg::kWmKeyUp, 'B');
    app.hotkeyBoxMessage(*box, msg::kWmKeyUp, 17);
    EXPECT_EQ(box->text(), "Ctrl + B");
  }
  EXPECT_EQ(test::rowsOf(table_), (test::Rows{{"1", "Ctrl + B", "", "", test::kLeftClick}}));
}

TEST_F(ApplicationTest, EditedCellsAreStoredAndAnEditedHotkeyIsAppliedByTheTimer) {
  test::writeBytes(listFile(), "1|F1|10|20|" + test::kLeftClick + "|\r\n");
  Application app(listFile(), hooks_);
  created(app);

  doubleClick({0, kColumnX});
  ASSERT_TRUE(numberEditor_.visible);
  EXPECT_EQ(numberEditor_.text(), "10");
  numberEditor_.type("15");
  app.editorKeyPressed(kEnterKey);  // Enter gives the list the focus, which stores the edit
  EXPECT_FALSE(numberEditor_.visible);
  EXPECT_EQ(table_.GetCaption(0, kColumnX), "15");

  doubleClick({0, kColumnKind});
  EXPECT_EQ(kindEditor_.text(), test::kLeftClick);
  kindEditor_.selectItem(1);
  focus_.give(nullptr);  // the combo box has the focus (its fake takes none)
  cells_.takeFocus();
  EXPECT_EQ(table_.GetCaption(0, kColumnKind), test::kRightClick);

  doubleClick({0, kColumnHotkey});
  hotkeyEditor_.type("F2");
  cells_.deliver(msg::kWmVScroll);  // scrolling stores the edit before the list moves
  EXPECT_EQ(table_.GetCaption(0, kColumnHotkey), "F2");
  EXPECT_EQ(timer_.period(), kApplyAfterHotkeyEditMs);
  EXPECT_TRUE(window_.registrations.empty());
  app.timerElapsed();
  EXPECT_EQ(window_.registrations.size(), 1u);
  EXPECT_EQ(timer_.period(), 0);  // one apply per edit

  // An edit still open when the window closes is stored and saved, not lost.
  doubleClick({0, kColumnY});
  numberEditor_.type("99");
  EXPECT_TRUE(app.closeRequested());
  EXPECT_EQ(test::readBytes(listFile()), "1|F2|15|99|" + test::kRightClick + "|\r\n");
}

TEST_F(ApplicationTest, RowMenuDeletesTheSelectedRowsAndReappliesTheHotkeys) {
  test::writeBytes(listFile(), "1|F1|1|1||\r\n2|F2|2|2||\r\n3|F3|3|3||\r\n");
  Application app(listFile(), hooks_);
  created(app);
  app.applyHotkeyList();
  table_.select(0, true);
  table_.select(2, true);
  menu_.choice = 0;
  pointer_.setCursorPosition({300, 250});
  app.listRightClicked();
  ASSERT_EQ(menu_.shown.size(), 1u);
  EXPECT_EQ(menu_.shown[0].topLeft, (ScreenPoint{303, 253}));
  EXPECT_EQ(test::rowsOf(table_), (test::Rows{{"2", "F2", "2", "2", ""}}));
  ASSERT_EQ(window_.registrations.size(), 1u);
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
