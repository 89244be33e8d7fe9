#include "text/split.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quintrel {
namespace {

struct SplitCase {
  std::string text;
  std::string separator;
  std::vector<std::string> pieces;
};

class SplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, GivesThePiecesOfTheSplitRule) {
  const SplitCase& c = GetParam();
  const std::vector<std::string_view> views = splitText(c.text, c.separator);
  EXPECT_EQ(std::vector<std::string>(views.begin(), views.end()), c.pieces);

  std::string_view last;
  ASSERT_EQ(lastPiece(c.text, c.separator, last), !c.pieces.empty());
  if (!c.pieces.empty()) {
    EXPECT_EQ(last, c.pieces.back());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitTest,
    ::testing::Values(SplitCase{"", "|", {}}, SplitCase{"abc", "|", {"abc"}},
                      SplitCase{"1|2|3", "|", {"1", "2", "3"}},
                      SplitCase{"1|2|", "|", {"1", "2"}},  // a trailing separator adds no piece
                      SplitCase{"|", "|", {""}},           // ...but ends an empty first piece
                      SplitCase{"||", "|", {"", ""}},
                      SplitCase{"|a||b", "|", {"", "a", "", "b"}},  // empty pieces inside are kept
                      SplitCase{"4|||||", "|", {"4", "", "", "", ""}},
                      // 0x7C is the second byte of a double-byte character here, not a separator.
                      SplitCase{"a\x81|b|c", "|", {"a\x81|b", "c"}},
                      SplitCase{"\x95|\x81||", "|", {"\x95|\x81|"}},
                      // A lead byte at the very end is a character of its own.
                      SplitCase{"a|\x81", "|", {"a", "\x81"}},
                      SplitCase{"Ctrl + Shift + A", " + ", {"Ctrl", "Shift", "A"}},
                      SplitCase{"Ctrl + ", " + ", {"Ctrl"}},
                      SplitCase{"Alt + Num +", " + ", {"Alt", "Num +"}},
                      SplitCase{"Ctrl+A", " + ", {"Ctrl+A"}}, SplitCase{" +  + ", " + ", {"", ""}},
                      // A multi-byte separator is also matched only where a character starts.
                      SplitCase{"\xA3\xAC\xA3\xAC", "\xAC\xA3", {"\xA3\xAC\xA3\xAC"}},
                      SplitCase{"1\xA3\xAC"
                                "2",
                                "\xA3\xAC",
                                {"1", "2"}},
                      SplitCase{"abc", "", {"abc"}}));

}  // namespace
}  // namespace quintrel
