#include "editing/row_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/cell_editor.h"
#include "platform/fake/fake_editor_control.h"
#include "platform/fake/fake_focus.h"
#include "platform/fake/fake_list_view_cells.h"
#include "platform/fake/recording_pointer.h"
#include "platform/fake/scripted_context_menu.h"
#include "test_support.h"

namespace quintrel {
namespace {

class RowCommandsTest : public ::testing::Test {
 protected:
  RowCommandsTest() {
    test::appendRows(table_, {{"1", "F1", "10", "10", test::kLeftClick},
                              {"2", "F2", "20", "20", test::kLeftClick},
                              {"3", "F1", "30", "30", test::kLeftClick},
                              {"4", "F2", "40", "40", test::kLeftClick},
                              {"5", "F3", "50", "50", test::kLeftClick}});
  }

  std::vector<std::string> numbers() const {
    std::vector<std::string> found;
    for (int row = 0; row < table_.GetCount(); ++row) found.push_back(table_.GetCaption(row, 0));
    return found;
  }

  MemoryListView table_ = test::hotkeyListView();
  FakeFocus focus_;
  FakeListViewCells cells_{table_, focus_, {30, 100, 60, 60, 80}, {0, 0}};
  ScriptedContextMenu menu_;
  RecordingPointer pointer_;
  int applies_ = 0;
  RowCommands commands_{table_, cells_, menu_, pointer_, [this] { ++applies_; }};
};

TEST_F(RowCommandsTest, DeletesExactlyTheSelectedRowsAndAppliesOnce) {
  table_.select(1, true);
  table_.select(3, true);
  EXPECT_EQ(commands_.deleteSelectedRows(), 2);
  EXPECT_EQ(numbers(), (std::vector<std::string>{"1", "3", "5"}));  // "#" texts kept as they were
  EXPECT_EQ(table_.GetCaption(1, kColumnX), "30");
  EXPECT_EQ(applies_, 1);
}

TEST_F(RowCommandsTest, NothingSelectedRemovesNothingAndDoesNotApply) {
  EXPECT_EQ(commands_.deleteSelectedRows(), 0);
  EXPECT_EQ(table_.GetCount(), 5);
  EXPECT_EQ(applies_, 0);
}

TEST_F(RowCommandsTest, TheMenuOpensBesideTheCursorAndOnlyItsItemDeletes) {
  pointer_.position = {-50, 60};
  table_.select(0, true);
  table_.select(4, true);

  commands_.showRowMenu();  // closed without a choice
  ASSERT_EQ(menu_.shown.size(), 1u);
  EXPECT_EQ(menu_.shown[0].topLeft, (ScreenPoint{-47, 63}));
  EXPECT_EQ(menu_.shown[0].items, (std::vector<std::string>{std::string(kDeleteSelectedRowsItem)}));
  EXPECT_EQ(table_.GetCount(), 5);
  EXPECT_EQ(applies_, 0);

  menu_.choice = 0;
  commands_.showRowMenu();
  EXPECT_EQ(numbers(), (std::vector<std::string>{"2", "3", "4"}));
  EXPECT_EQ(applies_, 1);
}

TEST_F(RowCommandsTest, EnterInAnEditorStoresTheEditOtherKeysDoNothing) {
  CellEditor editor;
  editor.attach(cells_, pointer_);
  FakeEditorControl editBox{focus_};
  editor.addEditor(
      editBox, nullptr, [](EditorControl& box, CellAddress) { return box.text(); },
      CellEditor::kAny, kColumnX);
  pointer_.position = cells_.screenPointOf({2, kColumnX});
  cells_.deliver(msg::kWmLButtonDblClk);
  editBox.type("333");

  for (const int key : {27 /* Escape */, int{'A'}, 9 /* Tab */}) {
    commands_.commitOnEnter(key);
    EXPECT_TRUE(editBox.visible && editBox.hasFocus()) << key;
  }
  EXPECT_EQ(table_.GetCaption(2, kColumnX), "30");

  commands_.commitOnEnter(kEnterKey);
  EXPECT_EQ(table_.GetCaption(2, kColumnX), "333");
  EXPECT_FALSE(editBox.visible);
  EXPECT_TRUE(cells_.hasFocus());

  commands_.commitOnEnter(kEnterKey);  // nothing being edited: the focus stays, nothing written
  EXPECT_EQ(cells_.writes.size(), 1u);
}

}  // namespace
}  // namespace quintrel
