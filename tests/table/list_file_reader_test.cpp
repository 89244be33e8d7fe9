#include "table/list_file_reader.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "test_support.h"

namespace quintrel {
namespace {

using namespace std::string_literals;
using test::kLeftClick;
using test::kRightClick;
using test::Rows;

struct LoadCase {
  std::string name;
  std::string bytes;
  Rows rows;
};

class LoadListTextTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadListTextTest, AppendsOneRowPerLine) {
  MemoryListView view = test::hotkeyListView();
  const ListFileLoad load = loadListText(view, GetParam().bytes, "|");
  EXPECT_EQ(test::rowsOf(view), GetParam().rows);
  EXPECT_EQ(load.rowsAdded, GetParam().rows.size());
  EXPECT_EQ(view.redrawPauses(), 1);
  EXPECT_TRUE(view.redrawOn());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadListTextTest,
    ::testing::Values(
        LoadCase{"Empty", "", {}},
        LoadCase{"FiveFields",
                 "3|F5|10|20|" + kRightClick + "|\r\n",
                 {{"3", "F5", "10", "20", kRightClick}}},
        LoadCase{"EmptyCells", "4|||||\r\n", {{"4", "", "", "", ""}}},
        LoadCase{"FewerFields", "5|A||7", {{"5", "A", "", "7", ""}}},
        LoadCase{"MoreFields",
                 "1|F1|2|3|" + kLeftClick + "|extra|more|\r\n",
                 {{"1", "F1", "2", "3", kLeftClick}}},
        // A blank line keeps only its provisional number: the row count plus one.
        LoadCase{"BlankLine",
                 "7|F1|1|2|x|\r\n\r\n9|F2|3|4|y|\r\n",
                 {{"7", "F1", "1", "2", "x"}, {"2", "", "", "", ""}, {"9", "F2", "3", "4", "y"}}},
        LoadCase{"LeadingSeparator", "|F1|1|2|x|\r\n", {{"", "F1", "1", "2", "x"}}},
        LoadCase{"LfOnlyAndNoFinalLineEnd",
                 "1|F1|1|2|a|\n2|F2|3|4|b|",
                 {{"1", "F1", "1", "2", "a"}, {"2", "F2", "3", "4", "b"}}},
        // 0x7C as the second byte of a character is no separator.
        LoadCase{
            "SecondByteIsBar", "1|\x95|\x81||1|2|x|\r\n", {{"1", "\x95|\x81|", "1", "2", "x"}}},
        LoadCase{"LeadByteAtEnd", "1|F1|1|2|\x81", {{"1", "F1", "1", "2", "\x81"}}},
        LoadCase{"ArrowHotkey",
                 "1|Ctrl + \xA1\xFB|5|6|" + kLeftClick + "|\r\n",
                 {{"1", "Ctrl + \xA1\xFB", "5", "6", kLeftClick}}}),
    [](const auto& testCase) { return testCase.param.name; });

TEST(LoadListText, NulOrCtrlZEndsTheTextAndSaysSo) {
  MemoryListView view = test::hotkeyListView();
  const ListFileLoad load =
      loadListText(view, "1|F1|1|2|a|\r\n2|F2\0|3|4|b|\r\n3|F3|5|6|c|\r\n"s, "|");
  EXPECT_EQ(test::rowsOf(view), (Rows{{"1", "F1", "1", "2", "a"}, {"2", "F2", "", "", ""}}));
  EXPECT_TRUE(load.stoppedAtEndMarker);

  MemoryListView clean = test::hotkeyListView();
  EXPECT_FALSE(loadListText(clean, "1|F1|1|2|a|\r\n", "|").stoppedAtEndMarker);
}

TEST(LoadListText, AppendsAfterRowsAlreadyThereNumberingFromTheirCount) {
  MemoryListView view = test::hotkeyListView();
  test::appendRows(view, {{"1", "F1", "1", "2", "a"}});
  loadListText(view, "\r\n", "|");
  EXPECT_EQ(view.GetCaption(1, kColumnNumber), "2");
}

TEST(LoadListFile, MissingFileLeavesTheTableEmpty) {
  test::TempFolder folder;
  MemoryListView view = test::hotkeyListView();
  const ListFileLoad load = loadListFile(view, folder / "hotkey.txt", "|");
  EXPECT_EQ(load.status, ListFileLoad::Status::Missing);
  EXPECT_EQ(view.GetCount(), 0);
  EXPECT_TRUE(view.redrawOn());
}

TEST(LoadListFile, FolderInPlaceOfTheFileIsUnreadable) {
  test::TempFolder folder;
  std::filesystem::create_directory(folder / "hotkey.txt");
  MemoryListView view = test::hotkeyListView();
  const ListFileLoad load = loadListFile(view, folder / "hotkey.txt", "|");
  EXPECT_EQ(load.status, ListFileLoad::Status::Unreadable);
  EXPECT_TRUE(load.error);
  EXPECT_EQ(view.GetCount(), 0);
}

TEST(LoadListFile, EmptyFileGivesNoRows) {
  test::TempFolder folder;
  test::writeBytes(folder / "hotkey.txt", "");
  MemoryListView view = test::hotkeyListView();
  const ListFileLoad load = loadListFile(view, folder / "hotkey.txt", "|");
  EXPECT_EQ(load.status, ListFileLoad::Status::Loaded);
  EXPECT_EQ(view.GetCount(), 0);
}

TEST(LoadListFile, ReadsLongLinesAndBigFilesWhole) {
  test::TempFolder folder;
  // A line of 1 MB in one cell, then enough rows to pass 100 MB.
  const std::string longCell(1 << 20, 'x');
  std::string bytes = "1|" + longCell + "|1|2|a|\r\n";
  const std::string row = "2|Ctrl + Shift + Alt + F12|-2147483648|2147483647|" + kRightClick +
                          "|padding-padding-padding-padding|\r\n";
  const std::size_t rows = (100u << 20) / row.size() + 1;
  bytes.reserve(bytes.size() + rows * row.size());
  for (std::size_t i = 0; i < rows; ++i) bytes += row;
  test::writeBytes(folder / "hotkey.txt", bytes);

  MemoryListView view = test::hotkeyListView();
  const ListFileLoad load = loadListFile(view, folder / "hotkey.txt", "|");
  ASSERT_EQ(load.status, ListFileLoad::Status::Loaded);
  ASSERT_EQ(view.GetCount(), static_cast<int>(rows + 1));
  EXPECT_EQ(view.GetCaption(0, kColumnHotkey), longCell);
  const int last = view.GetCount() - 1;
  EXPECT_EQ(view.GetCaption(last, kColumnX), "-2147483648");
  EXPECT_EQ(view.GetCaption(last, kColumnKind), kRightClick);
}

// The file is read piece by piece; whatever falls on a piece boundary (a lead byte before a line
// feed, a CR before its LF, a NUL) must read as it does from memory in one go.
TEST(LoadListFile, ReadsAFileAsTheSameRowsAsItsBytesInMemory) {
  test::TempFolder folder;
  std::mt19937 random(7);
  const char alphabet[] = {'a', 'b', '|', '|', '\r', '\n', '\x81', '\xA1'};
  for (const bool withNul : {false, true}) {
    std::string bytes(700 * 1024, 'a');
    for (char& byte : bytes) byte = alphabet[random() % sizeof alphabet];
    // The reader's pieces are 256 KiB: put a lead byte and a CR right before two boundaries.
    bytes[256 * 1024 - 1] = '\x81';
    bytes[256 * 1024] = '\n';
    bytes[512 * 1024 - 1] = '\r';
    bytes[512 * 1024] = '\n';
    if (withNul) bytes[600 * 1024] = '\0';
    test::writeBytes(folder / "hotkey.txt", bytes);

    MemoryListView fromFile = test::hotkeyListView();
    const ListFileLoad load = loadListFile(fromFile, folder / "hotkey.txt", "|");
    MemoryListView fromMemory = test::hotkeyListView();
    loadListText(fromMemory, bytes, "|");
    ASSERT_EQ(load.status, ListFileLoad::Status::Loaded);
    EXPECT_EQ(load.stoppedAtEndMarker, withNul);
    EXPECT_EQ(test::rowsOf(fromFile), test::rowsOf(fromMemory));
  }
}

}  // namespace
}  // namespace quintrel
