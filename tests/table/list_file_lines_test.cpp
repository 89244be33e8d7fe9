#include "table/list_file_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quintrel {
namespace {

using namespace std::string_literals;

std::vector<std::string> linesOf(std::string_view bytes) {
  std::vector<std::string> lines;
  ListFileLines reader(listFileText(bytes));
  std::string_view line;
  while (reader.next(line)) lines.emplace_back(line);
  return lines;
}

struct LinesCase {
  std::string bytes;
  std::vector<std::string> lines;
};

class ListFileLinesTest : public ::testing::TestWithParam<LinesCase> {};

TEST_P(ListFileLinesTest, CutsLinesAsTheListFileDefines) {
  EXPECT_EQ(linesOf(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListFileLinesTest,
    ::testing::Values(
        LinesCase{"", {}},
        LinesCase{"a\r\nb\r\n", {"a", "b"}},  // no empty line after the last CR LF
        LinesCase{"a\nb\n", {"a", "b"}},      // LF alone ends lines too
        LinesCase{"a\r\nb", {"a", "b"}},      // last line without a line end
        LinesCase{"\r\n", {""}}, LinesCase{"a\n\nb", {"a", "", "b"}},
        LinesCase{"a\rb\r\n", {"a\rb"}},  // a lone CR ends nothing
        LinesCase{"a\r\r\n", {"a\r"}},    // only one CR is dropped
        LinesCase{"a\r", {"a\r"}},        // ...and only before a line feed
        // A lead byte takes the line feed after it along: that line feed ends no line.
        LinesCase{"\x81\nX\nY", {"\x81\nX", "Y"}},
        LinesCase{"a|\x81", {"a|\x81"}},  // a lead byte at the very end of the file
        LinesCase{"a|\x81\r\n", {"a|\x81"}},
        // NUL and Ctrl+Z end the file's text, wherever they stand.
        LinesCase{"1|a|\r\n2|b\0junk\r\n3|c|\r\n"s, {"1|a|", "2|b"}},
        LinesCase{"1|a|\r\n2|b\x1Ajunk\r\n", {"1|a|", "2|b"}}, LinesCase{"1|a|\r\n\0"s, {"1|a|"}},
        LinesCase{"\x81\0x"s, {"\x81"}}));

}  // namespace
}  // namespace quintrel
