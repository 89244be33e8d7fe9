#include "table/list_file_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "table/list_file_reader.h"
#include "test_support.h"

namespace quintrel {
namespace {

using test::kLeftClick;
using test::kRightClick;
using test::Rows;

ListWriteResult saveHotkeyList(const ListView& view, const std::filesystem::path& path) {
  return writeListText(view, path, kListHeader, kListSeparator, false);
}

TEST(MapHeaderColumns, SystemHeaderSelectsAllFiveColumnsInOrder) {
  const MemoryListView view = test::hotkeyListView();
  std::vector<int> map;
  EXPECT_EQ(mapHeaderColumns(view, kListHeader, "|", map), kListHeader);
  EXPECT_EQ(map, (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(mapHeaderColumns(view, kListHeader, "\t", map),
            "#\t\xC8\xC8\xBC\xFC\tx\ty\t\xC0\xE0\xD0\xCD");
}

struct MapCase {
  std::vector<std::string> captions;
  std::string header;
  std::vector<int> map;
};

class MapHeaderColumnsTest : public ::testing::TestWithParam<MapCase> {};

TEST_P(MapHeaderColumnsTest, MatchesTrimmedCaptionsIgnoringCase) {
  const MemoryListView view(GetParam().captions);
  std::vector<int> map{9, 9, 9};
  mapHeaderColumns(view, GetParam().header, "|", map);
  EXPECT_EQ(map, GetParam().map);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MapHeaderColumnsTest,
    ::testing::Values(
        MapCase{{"a", "b", "c"}, "c|a", {2, 0}},
        MapCase{{" Name ", "\xA1\xA1Value"}, "value\xA1\xA1|  NAME", {1, 0}},
        // An unmatched field moves later matches forward; the leftover entries stay 0.
        MapCase{{"a", "b", "c"}, "zz|c|b", {2, 1, 0}},
        // A field that matches two columns fills two entries.
        MapCase{{"a", "A", "b"}, "a|b", {0, 1}}, MapCase{{"a"}, "", {}}, MapCase{{"a"}, "|", {0}},
        // Second bytes are not case-folded: 81 41 and 81 61 are different characters.
        MapCase{{"\x81\x61"}, "\x81\x41", {0}}, MapCase{{"x", "\x81\x41"}, "\x81\x41", {1}}));

TEST(ListText, WritesEveryCellFollowedBySeparatorAndCrLf) {
  MemoryListView view = test::hotkeyListView();
  test::appendRows(view, {{"1", "Ctrl + F1", "640", "480", kLeftClick},
                          {"2", "", "100", "200", kRightClick},
                          {"3", "F2", "", "", ""}});
  const std::vector<int> map{0, 1, 2, 3, 4};
  EXPECT_EQ(listText(view, map, "|", ""), "1|Ctrl + F1|640|480|" + kLeftClick + "|\r\n" +
                                              "2||100|200|" + kRightClick + "|\r\n" +
                                              "3|F2||||\r\n");
  EXPECT_EQ(listText(view, {4, 0}, ",", "h"),
            "h\r\n" + kLeftClick + ",1,\r\n" + kRightClick + ",2,\r\n,3,\r\n");
}

TEST(WriteListText, SavesExactBytesWithoutHeaderLine) {
  test::TempFolder folder;
  MemoryListView view = test::hotkeyListView();
  test::appendRows(view, {{"1", "Ctrl + F1", "640", "480", kLeftClick},
                          {"3", "Shift + Alt + Num +", "-5", "7", kRightClick},
                          {"2", "", "", "", ""}});
  const ListWriteResult result = saveHotkeyList(view, folder / "hotkey.txt");
  EXPECT_TRUE(result.saved());
  EXPECT_EQ(result.fieldCount, 5);
  EXPECT_EQ(test::readBytes(folder / "hotkey.txt"), "1|Ctrl + F1|640|480|" + kLeftClick + "|\r\n" +
                                                        "3|Shift + Alt + Num +|-5|7|" +
                                                        kRightClick + "|\r\n" + "2|||||\r\n");
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"hotkey.txt"});  // no temporary file left
}

TEST(WriteListText, EmptyListGivesEmptyFile) {
  test::TempFolder folder;
  test::writeBytes(folder / "hotkey.txt", "1|F1|1|2|a|\r\n");
  const MemoryListView view = test::hotkeyListView();
  EXPECT_TRUE(saveHotkeyList(view, folder / "hotkey.txt").saved());
  EXPECT_EQ(test::readBytes(folder / "hotkey.txt"), "");
}

TEST(WriteListText, HeaderLineOptionAndProgress) {
  test::TempFolder folder;
  MemoryListView view = test::hotkeyListView();
  test::appendRows(view, {{"1", "F1", "1", "2", "a"}, {"2", "F2", "3", "4", "b"}});
  std::vector<std::pair<int, int>> calls;
  const ListWriteResult result =
      writeListText(view, folder / "out.csv", "x|#", ",", true,
                    [&](int rows, int done) { calls.emplace_back(rows, done); });
  EXPECT_EQ(result.fieldCount, 2);
  EXPECT_EQ(test::readBytes(folder / "out.csv"), "x,#\r\n1,1,\r\n3,2,\r\n");
  EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{2, 1}, {2, 2}}));
}

TEST(WriteListText, HeaderWithoutFieldsTouchesNothing) {
  test::TempFolder folder;
  test::writeBytes(folder / "hotkey.txt", "keep");
  const MemoryListView view = test::hotkeyListView();
  const ListWriteResult result = writeListText(view, folder / "hotkey.txt", "", "|", false);
  EXPECT_EQ(result.fieldCount, 0);
  EXPECT_EQ(result.status, SaveStatus::NothingToWrite);
  EXPECT_EQ(test::readBytes(folder / "hotkey.txt"), "keep");
}

TEST(WriteListText, LoadThenSaveGivesTheSameBytes) {
  test::TempFolder folder;
  const std::string bytes = "1|Ctrl + F1|640|480|" + kLeftClick + "|\r\n" + "4|||||\r\n" +
                            "7|Ctrl + \xA1\xFB|-1|\xA3\xB1|" + kRightClick + "|\r\n" +
                            "2|\x95|\x81||0|0|x|\r\n";
  test::writeBytes(folder / "hotkey.txt", bytes);
  MemoryListView view = test::hotkeyListView();
  loadListFile(view, folder / "hotkey.txt", "|");
  ASSERT_TRUE(saveHotkeyList(view, folder / "hotkey.txt").saved());
  EXPECT_EQ(test::readBytes(folder / "hotkey.txt"), bytes);
}

TEST(WriteListText, DeletedRowsKeepTheirNumbersThroughSaveAndLoad) {
  test::TempFolder folder;
  MemoryListView view = test::hotkeyListView();
  test::appendRows(
      view, {{"1", "F1", "1", "1", "a"}, {"2", "F2", "2", "2", "b"}, {"3", "F3", "3", "3", "c"}});
  view.Remove(1);
  ASSERT_TRUE(saveHotkeyList(view, folder / "hotkey.txt").saved());
  MemoryListView reloaded = test::hotkeyListView();
  loadListFile(reloaded, folder / "hotkey.txt", "|");
  EXPECT_EQ(test::rowsOf(reloaded), (Rows{{"1", "F1", "1", "1", "a"}, {"3", "F3", "3", "3", "c"}}));
}

TEST(WriteListText, BarInACellIsWrittenUnchangedAndShiftsFieldsOnReload) {
  test::TempFolder folder;
  MemoryListView view = test::hotkeyListView();
  test::appendRows(view, {{"1", "F1", "1|5", "2", kLeftClick}});
  ASSERT_TRUE(saveHotkeyList(view, folder / "hotkey.txt").saved());
  EXPECT_EQ(test::readBytes(folder / "hotkey.txt"), "1|F1|1|5|2|" + kLeftClick + "|\r\n");
  MemoryListView reloaded = test::hotkeyListView();
  loadListFile(reloaded, folder / "hotkey.txt", "|");
  EXPECT_EQ(test::rowsOf(reloaded), (Rows{{"1", "F1", "1", "5", "2"}}));
}

TEST(WriteListText, FolderNamedLikeTheFileIsReportedAndKept) {
  test::TempFolder folder;
  std::filesystem::create_directory(folder / "hotkey.txt");
  test::writeBytes(folder / "hotkey.txt" / "inside", "x");
  MemoryListView view = test::hotkeyListView();
  test::appendRows(view, {{"1", "F1", "1", "2", "a"}});
  const ListWriteResult result = saveHotkeyList(view, folder / "hotkey.txt");
  EXPECT_FALSE(result.saved());
  EXPECT_EQ(result.status, SaveStatus::NotAFile);
  EXPECT_EQ(result.fieldCount, 0);
  EXPECT_EQ(test::readBytes(folder / "hotkey.txt" / "inside"), "x");
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"hotkey.txt"});
}

// POSIX replaces a file that a reader holds open (the reader keeps the old bytes); Windows refuses
// while the reader has not allowed deletion. Either way the file is whole and nothing is left over.
TEST(WriteListText, FileHeldOpenByAReaderIsReplacedOrKeptWhole) {
  test::TempFolder folder;
  test::writeBytes(folder / "hotkey.txt", "1|F1|1|2|old|\r\n");
  MemoryListView view = test::hotkeyListView();
  test::appendRows(view, {{"1", "F2", "3", "4", "new"}});
  std::ifstream reader(folder / "hotkey.txt", std::ios::binary);
  ASSERT_TRUE(reader.is_open());
  const ListWriteResult result = saveHotkeyList(view, folder / "hotkey.txt");
  reader.close();
  if (result.saved()) {
    EXPECT_EQ(test::readBytes(folder / "hotkey.txt"), "1|F2|3|4|new|\r\n");
  } else {
    EXPECT_EQ(result.status, SaveStatus::CannotReplace);
    EXPECT_TRUE(result.error);
    EXPECT_EQ(test::readBytes(folder / "hotkey.txt"), "1|F1|1|2|old|\r\n");
  }
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"hotkey.txt"});
}

TEST(WriteListText, MissingFolderCannotCreate) {
  test::TempFolder folder;
  const MemoryListView view = test::hotkeyListView();
  const ListWriteResult result = saveHotkeyList(view, folder / "no-such-folder" / "hotkey.txt");
  EXPECT_EQ(result.status, SaveStatus::CannotCreate);
  EXPECT_TRUE(result.error);
}

}  // namespace
}  // namespace quintrel
