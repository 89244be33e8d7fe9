#include "editing/cell_editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/fake/fake_editor_control.h"
#include "platform/fake/fake_focus.h"
#include "platform/fake/fake_list_view_cells.h"
#include "platform/fake/recording_pointer.h"
#include "platform/window_messages.h"
#include "test_support.h"

namespace quintrel {
namespace {

using namespace msg;

// The program's arrangement: one edit box for columns "x" and "y", a combo box for "类型", column
// "#" without an editor; each editor is filled from its cell and gives back its own text.
class CellEditorTest : public ::testing::Test {
 protected:
  CellEditorTest() {
    test::appendRows(table_, {{"1", "F1", "10", "20", test::kLeftClick},
                              {"2", "F2", "30", "40", test::kRightClick},
                              {"3", "F3", "50", "60", test::kLeftClick}});
    cells_.takeFocus();
    editor_.attach(cells_, pointer_);
    registerEditor(editBox_, kColumnX);
    registerEditor(editBox_, kColumnY);
    registerEditor(comboBox_, kColumnKind);
    cells_.ownHandling.clear();
  }

  void registerEditor(FakeEditorControl& control, int column) {
    editor_.addEditor(
        control,
        [this](EditorControl& box, CellAddress cell) {
          box.setText(table_.GetCaption(cell.item, cell.column));
          box.selectAllText();
        },
        [](EditorControl& box, CellAddress) { return box.text(); }, CellEditor::kAny, column);
  }

  void doubleClickAt(ScreenPoint where) {
    pointer_.position = where;
    cells_.deliver(kWmLButtonDblClk);
  }
  void doubleClick(CellAddress cell) { doubleClickAt(cells_.screenPointOf(cell)); }
  bool listViewHandled(unsigned message) const {
    return std::find(cells_.ownHandling.begin(), cells_.ownHandling.end(), message) !=
           cells_.ownHandling.end();
  }

  MemoryListView table_ = test::hotkeyListView();
  FakeFocus focus_;
  FakeListViewCells cells_{table_, focus_, {30, 100, 60, 60, 80}, {400, 300}};
  RecordingPointer pointer_;
  FakeEditorControl editBox_{focus_};
  FakeEditorControl comboBox_{focus_};
  CellEditor editor_;
};

TEST_F(CellEditorTest, RegisteringEmbedsAndHidesTheEditors) {
  EXPECT_EQ(editBox_.parent, &cells_);
  EXPECT_EQ(comboBox_.parent, &cells_);
  EXPECT_FALSE(editBox_.visible);
  EXPECT_FALSE(comboBox_.visible);
}

TEST_F(CellEditorTest, DoubleClickLaysTheEditorOverTheCellFocusedAndFilled) {
  bool readyWhenShown = false;
  editor_.addEditor(
      editBox_,
      [&](EditorControl&, CellAddress) {
        readyWhenShown = editBox_.visible && editBox_.hasFocus() &&
                         editBox_.rect == cells_.cellRect({1, kColumnX});
      },
      nullptr, 1, kColumnX);

  doubleClick({1, kColumnX});

  EXPECT_TRUE(readyWhenShown);
  EXPECT_EQ(editBox_.rect, cells_.cellRect({1, kColumnX}));
  EXPECT_TRUE(editBox_.visible);
  EXPECT_TRUE(editBox_.hasFocus());
  EXPECT_EQ(editBox_.text(), "30");
  EXPECT_TRUE(editBox_.allSelected);
  EXPECT_FALSE(comboBox_.visible);
  EXPECT_EQ(editor_.currentCell(), (CellAddress{1, kColumnX}));
  EXPECT_FALSE(listViewHandled(kWmLButtonDblClk));  // consumed
  EXPECT_TRUE(listViewHandled(kWmKillFocus));       // the focus moved to the editor
}

TEST_F(CellEditorTest, TheListViewRegainingTheFocusStoresTheTextAndHidesTheEditor) {
  doubleClick({2, kColumnY});
  editBox_.type("65");
  cells_.takeFocus();

  EXPECT_EQ(table_.GetCaption(2, kColumnY), "65");
  EXPECT_EQ(cells_.writes, (std::vector<FakeListViewCells::Write>{{{2, kColumnY}, "65"}}));
  EXPECT_FALSE(editBox_.visible);
  EXPECT_FALSE(editor_.isEditing());
  EXPECT_TRUE(listViewHandled(kWmSetFocus));  // passed on after the commit

  // Nothing is being edited now: a further focus change stores nothing.
  editBox_.takeFocus();
  cells_.takeFocus();
  EXPECT_EQ(cells_.writes.size(), 1u);
}

TEST_F(CellEditorTest, DoubleClicksWhereNoEditorIsRegisteredReachTheListView) {
  const struct {
    const char* where;
    ScreenPoint at;
  } cases[] = {
      {"column #", cells_.screenPointOf({0, kColumnNumber})},
      {"below the last row", {450, 300 + FakeListViewCells::kHeaderHeight + 10 * 16}},
      {"header", {450, 305}},
      {"right of the columns", {400 + 400, 330}},
  };
  for (const auto& c : cases) {
    cells_.ownHandling.clear();
    doubleClickAt(c.at);
    EXPECT_TRUE(listViewHandled(kWmLButtonDblClk)) << c.where;
    EXPECT_FALSE(editor_.isEditing()) << c.where;
    EXPECT_FALSE(editBox_.visible || comboBox_.visible) << c.where;
    EXPECT_TRUE(cells_.hasFocus()) << c.where;
  }
  cells_.deliver(kWmSetFocus);
  EXPECT_TRUE(cells_.writes.empty());
}

TEST_F(CellEditorTest, ScrollingOrTheWheelStoresTheEditBeforeTheListMoves) {
  for (const unsigned message : {kWmVScroll, kWmHScroll, kWmMouseWheel}) {
    doubleClick({0, kColumnKind});
    comboBox_.type(test::kRightClick);
    cells_.ownHandling.clear();
    cells_.writes.clear();

    cells_.deliver(message);

    EXPECT_EQ(cells_.writes,
              (std::vector<FakeListViewCells::Write>{{{0, kColumnKind}, test::kRightClick}}));
    EXPECT_EQ(cells_.ownHandling, (std::vector<unsigned>{kWmSetFocus, message}));
    EXPECT_FALSE(comboBox_.visible);
    EXPECT_TRUE(cells_.hasFocus());
  }
}

TEST_F(CellEditorTest, FocusOnAnotherControlLeavesTheEditOpenUntilTheListViewGetsIt) {
  FakeEditorControl elsewhere{focus_};
  doubleClick({0, kColumnX});
  editBox_.type("11");
  elsewhere.takeFocus();
  EXPECT_TRUE(editBox_.visible);
  EXPECT_EQ(table_.GetCaption(0, kColumnX), "10");

  cells_.takeFocus();
  EXPECT_EQ(table_.GetCaption(0, kColumnX), "11");
  EXPECT_FALSE(editBox_.visible);
}

TEST_F(CellEditorTest, AnEmptyOrMissingCommitTextEmptiesTheCell) {
  doubleClick({1, kColumnX});
  editBox_.type("");
  cells_.takeFocus();
  EXPECT_EQ(table_.GetCaption(1, kColumnX), "");

  FakeEditorControl silent{focus_};
  editor_.addEditor(silent, nullptr, nullptr, CellEditor::kAny, kColumnHotkey);
  doubleClick({2, kColumnHotkey});
  EXPECT_TRUE(silent.visible);
  cells_.takeFocus();
  EXPECT_EQ(table_.GetCaption(2, kColumnHotkey), "");
  EXPECT_FALSE(silent.visible);
}

// A "|" or a line break would be read back as a cell or row separator and shift the row's cells.
TEST_F(CellEditorTest, SeparatorsTypedIntoACellAreLeftOut) {
  doubleClick({0, kColumnY});
  editBox_.type("2|5\r\n0");
  cells_.takeFocus();
  EXPECT_EQ(table_.GetCaption(0, kColumnY), "250");
}

TEST_F(CellEditorTest, EveryMatchingBindingOpensAndCommitsInRegistrationOrder) {
  std::vector<std::string> order;
  FakeEditorControl firstRowOnly{focus_};
  editor_.addEditor(
      firstRowOnly, [&](EditorControl&, CellAddress) { order.push_back("show row 0"); },
      [&](EditorControl&, CellAddress) {
        order.push_back("commit row 0");
        return std::string("row0");
      },
      0, CellEditor::kAny);

  doubleClick({1, kColumnX});
  EXPECT_FALSE(firstRowOnly.visible);
  cells_.takeFocus();
  EXPECT_EQ(table_.GetCaption(1, kColumnX), "30");

  doubleClick({0, kColumnX});
  EXPECT_TRUE(editBox_.visible && firstRowOnly.visible);
  EXPECT_TRUE(firstRowOnly.hasFocus());  // the last one placed took the focus
  cells_.takeFocus();
  EXPECT_EQ(order, (std::vector<std::string>{"show row 0", "commit row 0"}));
  EXPECT_EQ(cells_.writes,
            (std::vector<FakeListViewCells::Write>{
                {{1, kColumnX}, "30"}, {{0, kColumnX}, "10"}, {{0, kColumnX}, "row0"}}));
  EXPECT_FALSE(editBox_.visible || firstRowOnly.visible);
}

TEST_F(CellEditorTest, AttachingAgainDropsTheRegistrationsAndDetachGivesTheListViewBack) {
  MemoryListView otherTable = test::hotkeyListView();
  test::appendRows(otherTable, {{"1", "F9", "1", "2", test::kLeftClick}});
  FakeListViewCells other{otherTable, focus_, {30, 100, 60, 60, 80}, {0, 0}};
  editor_.attach(other, pointer_);
  EXPECT_EQ(cells_.messageHandler(), nullptr);
  EXPECT_EQ(other.messageHandler(), &editor_);
  pointer_.position = other.screenPointOf({0, kColumnX});
  other.deliver(kWmLButtonDblClk);
  EXPECT_FALSE(editBox_.visible);
  EXPECT_EQ(other.ownHandling.back(), kWmLButtonDblClk);

  editor_.detach();
  EXPECT_EQ(other.messageHandler(), nullptr);
  EXPECT_FALSE(editor_.addEditor(editBox_, nullptr, nullptr));  // nothing to embed it in
}

TEST(CellEditorLifetime, ReleasingTheEditorRemovesItFromTheListView) {
  MemoryListView table = test::hotkeyListView();
  FakeFocus focus;
  FakeListViewCells cells{table, focus, {30, 100, 60, 60, 80}, {0, 0}};
  RecordingPointer pointer;
  {
    CellEditor editor;
    editor.attach(cells, pointer);
    EXPECT_EQ(cells.messageHandler(), &editor);
  }
  EXPECT_EQ(cells.messageHandler(), nullptr);
}

}  // namespace
}  // namespace quintrel
