// The fakes the editing tests stand on: their geometry must agree with itself and focus changes
// must arrive as the desktops deliver them, or the cell editor's tests prove nothing.
#include <gtest/gtest.h>

#include <vector>

#include "platform/fake/fake_editor_control.h"
#include "platform/fake/fake_focus.h"
#include "platform/fake/fake_list_view_cells.h"
#include "platform/fake/scripted_context_menu.h"
#include "platform/window_messages.h"
#include "test_support.h"

namespace quintrel {
namespace {

using namespace msg;

TEST(FakeListViewCells, HitTestsAndRectanglesAgreeAndTextsReachTheTable) {
  MemoryListView table = test::hotkeyListView();
  test::appendRows(table, {{"1"}, {"2"}});
  FakeFocus focus;
  FakeListViewCells cells{table, focus, {30, 100, 60}, {-200, 50}};

  for (int item = 0; item < 2; ++item) {
    for (int column = 0; column < 3; ++column) {
      const CellAddress cell{item, column};
      const ClientPoint point = cells.toClient(cells.screenPointOf(cell));
      EXPECT_EQ(cells.cellAt(point), cell);
      const ClientRect rect = cells.cellRect(cell);
      EXPECT_EQ(cells.cellAt({rect.left, rect.top}), cell);
      EXPECT_EQ(cells.cellAt({rect.right - 1, rect.bottom - 1}), cell);
    }
  }
  EXPECT_EQ(cells.cellRect({1, 2}), (ClientRect{130, 36, 190, 52}));
  EXPECT_EQ(cells.cellAt({10, 5}), (CellAddress{-1, 0}));    // header
  EXPECT_EQ(cells.cellAt({10, 60}), (CellAddress{-1, 0}));   // below the rows
  EXPECT_EQ(cells.cellAt({190, 30}), (CellAddress{0, -1}));  // right of the columns

  cells.setCellText({1, 2}, "x");
  EXPECT_EQ(table.GetCaption(1, 2), "x");
}

class ConsumingHandler final : public ListViewMessageHandler {
 public:
  bool handleListViewMessage(unsigned message) override {
    seen.push_back(message);
    return message == kWmLButtonDblClk;
  }
  std::vector<unsigned> seen;
};

TEST(FakeListViewCells, RoutesToTheHandlerFirstAndDeliversFocusChangesInOrder) {
  MemoryListView table = test::hotkeyListView();
  FakeFocus focus;
  FakeListViewCells cells{table, focus, {30}, {0, 0}};
  FakeEditorControl box{focus};
  std::vector<unsigned> boxMessages;
  box.received = [&](unsigned message) { boxMessages.push_back(message); };
  ConsumingHandler handler;
  cells.setMessageHandler(&handler);

  cells.deliver(kWmLButtonDblClk);
  cells.takeFocus();
  cells.takeFocus();  // has it already: no message
  box.takeFocus();
  focus.give(nullptr);

  EXPECT_EQ(handler.seen, (std::vector<unsigned>{kWmLButtonDblClk, kWmSetFocus, kWmKillFocus}));
  EXPECT_EQ(cells.ownHandling, (std::vector<unsigned>{kWmSetFocus, kWmKillFocus}));
  EXPECT_EQ(boxMessages, (std::vector<unsigned>{kWmSetFocus, kWmKillFocus}));
  EXPECT_EQ(focus.holder(), nullptr);

  cells.setMessageHandler(nullptr);
  cells.deliver(kWmLButtonDblClk);
  EXPECT_EQ(cells.ownHandling.back(), kWmLButtonDblClk);
}

TEST(ScriptedContextMenu, RecordsWhereItWasShownAndAnswersTheSetChoice) {
  ScriptedContextMenu menu;
  EXPECT_EQ(menu.popUp({1, 2}, {"a", "b"}), -1);
  menu.choice = 1;
  EXPECT_EQ(menu.popUp({3, 4}, {"a", "b"}), 1);
  ASSERT_EQ(menu.shown.size(), 2u);
  EXPECT_EQ(menu.shown[1].topLeft, (ScreenPoint{3, 4}));
}

}  // namespace
}  // namespace quintrel
