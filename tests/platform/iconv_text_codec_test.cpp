#include "platform/iconv/iconv_text_codec.h"

#include <gtest/gtest.h>

namespace quintrel {
namespace {

struct CodecCase {
  std::string cp936;
  std::string utf8;
};

class IconvRoundTripTest : public ::testing::TestWithParam<CodecCase> {};

TEST_P(IconvRoundTripTest, ConvertsBothWaysExactly) {
  const IconvTextCodec codec;
  const ConvertedText utf8 = codec.toUtf8(GetParam().cp936);
  EXPECT_TRUE(utf8.exact);
  EXPECT_EQ(utf8.text, GetParam().utf8);
  const ConvertedText back = codec.fromUtf8(GetParam().utf8);
  EXPECT_TRUE(back.exact);
  EXPECT_EQ(back.text, GetParam().cp936);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IconvRoundTripTest,
    ::testing::Values(CodecCase{"", ""}, CodecCase{"Ctrl + F1", "Ctrl + F1"},
                      CodecCase{"\xD7\xF3\xBC\xFC\xB5\xA5\xBB\xF7", "左键单击"},
                      CodecCase{"Ctrl + \xA1\xFB", "Ctrl + ←"},
                      CodecCase{"\xD0\xC5\xCF\xA2\xA3\xBA", "信息："},
                      CodecCase{"\xA3\xB1\xA1\xA1", "１　"}, CodecCase{"\x80", "€"}));

TEST(IconvTextCodec, InvalidBytesBecomeReplacementCharacters) {
  const IconvTextCodec codec;
  // A lone lead byte at the end, 0xFF, and an unassigned pair between valid text.
  const ConvertedText truncated = codec.toUtf8("ab\x81");
  EXPECT_FALSE(truncated.exact);
  EXPECT_EQ(truncated.text, "ab\uFFFD");
  const ConvertedText bad = codec.toUtf8(
      "a\xFF"
      "b\x81\x20"
      "c");
  EXPECT_FALSE(bad.exact);
  EXPECT_EQ(bad.text.substr(0, 1), "a");
  EXPECT_NE(bad.text.find('c'), std::string::npos);
}

TEST(IconvTextCodec, UnicodeWithoutCp936FormBecomesQuestionMark) {
  const IconvTextCodec codec;
  const ConvertedText emoji = codec.fromUtf8("x\U0001F600y");
  EXPECT_FALSE(emoji.exact);
  EXPECT_EQ(emoji.text, "x?y");
  const ConvertedText invalid = codec.fromUtf8("x\xC3");
  EXPECT_FALSE(invalid.exact);
  EXPECT_EQ(invalid.text, "x?");
}

}  // namespace
}  // namespace quintrel
