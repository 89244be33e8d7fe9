#include "table/memory_list_view.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace quintrel {
namespace {

using test::Rows;

TEST(MemoryListView, InsertAppendsOrPlacesRowsWithEmptyCells) {
  MemoryListView view({"#", "a", "b"});
  EXPECT_EQ(view.Insert(ListView::kAtEnd, "1"), 0);
  EXPECT_EQ(view.Insert(ListView::kAtEnd, "2"), 1);
  EXPECT_EQ(view.Insert(0, "0"), 0);
  EXPECT_EQ(view.Insert(99, "3"), 3);  // past the end: appended
  EXPECT_EQ(test::rowsOf(view), (Rows{{"0", "", ""}, {"1", "", ""}, {"2", "", ""}, {"3", "", ""}}));
}

TEST(MemoryListView, EdgesReadEmptyAndWritesOutsideAreIgnored) {
  MemoryListView view({"#", "a"});
  view.Insert(ListView::kAtEnd, "1");
  view.SetCaption(0, 1, "x");
  view.SetCaption(0, 2, "ignored");
  view.SetCaption(5, 0, "ignored");
  view.SetCaption(-1, 0, "ignored");
  EXPECT_EQ(test::rowsOf(view), (Rows{{"1", "x"}}));
  EXPECT_EQ(view.GetCaption(1, 0), "");
  EXPECT_EQ(view.GetCaption(-1, 0), "");
  EXPECT_EQ(view.GetCaption(0, 7), "");
  EXPECT_EQ(view.GetColCaption(2), "");
  EXPECT_EQ(view.GetColCaption(1), "a");
  EXPECT_EQ(view.GetColCount(), 2);
}

TEST(MemoryListView, RemoveMovesLaterRowsUpAndSelectionFollows) {
  MemoryListView view({"#"});
  for (const char* caption : {"1", "2", "3", "4"}) view.Insert(ListView::kAtEnd, caption);
  EXPECT_TRUE(view.GetSelItems().empty());
  view.select(3, true);
  view.select(1, true);
  EXPECT_EQ(view.GetSelItems(), (std::vector<int>{1, 3}));
  view.Remove(0);
  view.Remove(9);
  EXPECT_EQ(test::rowsOf(view), (Rows{{"2"}, {"3"}, {"4"}}));
  EXPECT_EQ(view.GetSelItems(), (std::vector<int>{0, 2}));
}

TEST(MemoryListView, CountsRedrawPauses) {
  MemoryListView view({"#"});
  view.SetRedraw(false);
  view.SetRedraw(false);
  EXPECT_FALSE(view.redrawOn());
  view.SetRedraw(true);
  EXPECT_TRUE(view.redrawOn());
  EXPECT_EQ(view.redrawPauses(), 1);
}

}  // namespace
}  // namespace quintrel
