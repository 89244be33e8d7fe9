#include "platform/text_codec_contract.h"

#include <string>

namespace quintrel::test {
namespace {

struct CodecCase {
  std::string cp936;
  std::string utf8;
};

TEST_P(TextCodecContract, ConvertsBothWaysExactly) {
  const CodecCase cases[] = {{"", ""},
                             {"Ctrl + F1", "Ctrl + F1"},
                             {"\xD7\xF3\xBC\xFC\xB5\xA5\xBB\xF7", "左键单击"},
                             {"Ctrl + \xA1\xFB", "Ctrl + ←"},
                             {"\xD0\xC5\xCF\xA2\xA3\xBA", "信息："},
                             {"\xA3\xB1\xA1\xA1", "１　"},
                             {"\xA1\xA4", "·"},
                             {"\x80", "€"},
                             {std::string("a\0b", 3), std::string("a\0b", 3)}};
  for (const CodecCase& c : cases) {
    SCOPED_TRACE(c.utf8);
    const ConvertedText utf8 = codec().toUtf8(c.cp936);
    EXPECT_TRUE(utf8.exact);
    EXPECT_EQ(utf8.text, c.utf8);
    const ConvertedText back = codec().fromUtf8(c.utf8);
    EXPECT_TRUE(back.exact);
    EXPECT_EQ(back.text, c.cp936);
  }
}

// A bad character becomes one U+FFFD and takes the bytes that charLengthAt gives it: a lead byte
// always takes the byte after it along, even a space.
TEST_P(TextCodecContract, InvalidBytesBecomeReplacementCharacters) {
  const CodecCase cases[] = {{"ab\x81", "ab\uFFFD"},
                             {"\x81\x20"
                              "c",
                              "\uFFFDc"},
                             {"x\x81\x7F\xD7\xF3", "x\uFFFD左"},
                             {"\xD7\xF3\x81", "左\uFFFD"}};
  for (const CodecCase& c : cases) {
    SCOPED_TRACE(c.utf8);
    const ConvertedText utf8 = codec().toUtf8(c.cp936);
    EXPECT_FALSE(utf8.exact);
    EXPECT_EQ(utf8.text, c.utf8);
  }
  // 0xFF and an unassigned pair between valid text.
  const ConvertedText bad = codec().toUtf8(
      "a\xFF"
      "b\x81\x20"
      "c");
  EXPECT_FALSE(bad.exact);
  EXPECT_EQ(bad.text.substr(0, 1), "a");
  EXPECT_NE(bad.text.find('c'), std::string::npos);
}

// A character without a code page 936 form, or a bad UTF-8 sequence, becomes one "?".
TEST_P(TextCodecContract, UnicodeWithoutCp936FormBecomesQuestionMark) {
  const CodecCase cases[] = {{"x?y", "x\U0001F600y"},
                             {"x?", "x\xC3"},
                             {"?b",
                              "\xC3"
                              "ab"},
                             {"?\xD7\xF3", "\x80左"},
                             {"\xD7\xF3?", "左\xE4\xB8"},
                             {"\x80?", "\xE2\x82\xAC\xF0"}};
  for (const CodecCase& c : cases) {
    SCOPED_TRACE(c.cp936);
    const ConvertedText cp936 = codec().fromUtf8(c.utf8);
    EXPECT_FALSE(cp936.exact);
    EXPECT_EQ(cp936.text, c.cp936);
  }
}

}  // namespace
}  // namespace quintrel::test
