#include "hotkeytext/editor_callbacks.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_combo_editor.h"
#include "platform/fake/fake_editor_control.h"
#include "platform/fake/fake_focus.h"
#include "platform/fake/recording_period_timer.h"
#include "test_support.h"

namespace quintrel {
namespace {

TEST(EditorCallbacks, TheClickKindComboShowsTheCellOrTheFirstItem) {
  MemoryListView table = test::hotkeyListView();
  test::appendRows(table, {{"1", "F1", "1", "1", test::kRightClick}, {"2", "F2", "1", "1", ""}});
  FakeComboEditor combo({test::kLeftClick, test::kRightClick});
  const ShowEditorCallback show = showClickKind(table, combo);

  combo.setText("x");
  show(combo, {1, kColumnKind});
  EXPECT_EQ(combo.text(), test::kLeftClick);
  EXPECT_TRUE(combo.allSelected);
  show(combo, {0, kColumnKind});
  EXPECT_EQ(combo.text(), test::kRightClick);
  EXPECT_TRUE(combo.allSelected);
}

TEST(EditorCallbacks, StoringAHotkeyCellStartsTheDelayedApply) {
  MemoryListView table = test::hotkeyListView();
  test::appendRows(table, {{"1", "F1", "1", "1", test::kLeftClick}});
  FakeFocus focus;
  FakeEditorControl box{focus};
  RecordingPeriodTimer timer;

  showCellText(table)(box, {0, kColumnHotkey});
  EXPECT_EQ(box.text(), "F1");
  EXPECT_TRUE(box.allSelected);
  box.type("Ctrl + F1");
  EXPECT_EQ(commitEditorText()(box, {0, kColumnHotkey}), "Ctrl + F1");
  EXPECT_TRUE(timer.periods.empty());
  EXPECT_EQ(commitHotkeyText(timer)(box, {0, kColumnHotkey}), "Ctrl + F1");
  EXPECT_EQ(timer.periods, (std::vector<int>{500}));
}

}  // namespace
}  // namespace quintrel
