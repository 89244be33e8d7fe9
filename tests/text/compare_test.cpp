#include "text/compare.h"

#include <gtest/gtest.h>

namespace quintrel {
namespace {

TEST(TrimBlanks, RemovesAsciiAndFullWidthSpacesAtBothEnds) {
  EXPECT_EQ(trimBlanks(""), "");
  EXPECT_EQ(trimBlanks("   "), "");
  EXPECT_EQ(trimBlanks(" x "), "x");
  EXPECT_EQ(trimBlanks("\xA1\xA1 x y\xA1\xA1 "), "x y");
  EXPECT_EQ(trimBlanks("\t x"), "\t x");  // only spaces count as blanks
  // A1 A1 inside "\xB0\xA1\xA1\xA1" starts at the second byte of a character: only the last
  // full pair is a blank.
  EXPECT_EQ(trimBlanks("\xB0\xA1\xA1\xA1"), "\xB0\xA1");
  EXPECT_EQ(trimBlanks("\xB0\xA1\xA1"), "\xB0\xA1\xA1");
}

TEST(EqualIgnoringCase, FoldsAsciiLettersButNotSecondBytes) {
  EXPECT_TRUE(equalIgnoringCase("X", "x"));
  EXPECT_TRUE(equalIgnoringCase("Hot\xC8\xC8", "hOT\xC8\xC8"));
  EXPECT_FALSE(equalIgnoringCase("x", "y"));
  EXPECT_FALSE(equalIgnoringCase("x", "xx"));
  EXPECT_FALSE(equalIgnoringCase("[", "{"));
  // 0x41 and 0x61 are second bytes here: different characters.
  EXPECT_FALSE(equalIgnoringCase("\x81\x41", "\x81\x61"));
}

}  // namespace
}  // namespace quintrel
