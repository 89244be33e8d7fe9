#include "text/numbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace quintrel {
namespace {

TEST(IntToText, WritesPlainDecimal) {
  EXPECT_EQ(intToText(0), "0");
  EXPECT_EQ(intToText(640), "640");
  EXPECT_EQ(intToText(-12), "-12");
  EXPECT_EQ(intToText(INT_MAX), "2147483647");
  EXPECT_EQ(intToText(INT_MIN), "-2147483648");
}

struct NumberCase {
  std::string text;
  std::int32_t value;
};

class TextToIntTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(TextToIntTest, ReadsAsTheSystemDoes) {
  EXPECT_EQ(textToInt(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextToIntTest,
    ::testing::Values(NumberCase{"640", 640}, NumberCase{"", 0}, NumberCase{"abc", 0},
                      NumberCase{"12abc", 12},  // digits followed by letters
                      NumberCase{" -12", -12},  // space, minus, digits
                      NumberCase{"\t\n+7", 7}, NumberCase{"- 5", 0}, NumberCase{"--5", 0},
                      NumberCase{"\xA3\xB6\xA3\xB4\xA3\xB0", 640},  // full-width digits
                      NumberCase{"\xA3\xAD\xA3\xB1\xA3\xB2", -12},  // full-width minus and digits
                      NumberCase{"\xA1\xA1\xA1\xA1"
                                 "42",
                                 42},               // ideographic spaces before
                      NumberCase{"4\xA3\xB2", 42},  // half- and full-width mixed
                      NumberCase{"1\xB0\xA1"
                                 "2",
                                 1},             // another character ends the number
                      NumberCase{"12\x81", 12},  // a lead byte at the end is dropped
                      NumberCase{"\x81", 0},
                      NumberCase{"\xA1\xAB"
                                 "5",
                                 0},  // folds to "~": not a number
                      NumberCase{"2147483647", INT_MAX},
                      NumberCase{"2147483648", INT_MIN},  // wraps in 32 bits, as atoi does
                      NumberCase{"4294967297", 1}, NumberCase{"-2147483648", INT_MIN},
                      NumberCase{std::string("7\0"
                                             "9",
                                             3),
                                 7}));

}  // namespace
}  // namespace quintrel
