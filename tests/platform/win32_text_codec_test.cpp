#include "platform/win32/win32_text_codec.h"

#include <string>

#include "platform/text_codec_contract.h"

namespace quintrel::test {
namespace {

std::unique_ptr<TextCodec> makeWin32Codec() { return std::make_unique<Win32TextCodec>(); }

INSTANTIATE_TEST_SUITE_P(Win32, TextCodecContract, ::testing::Values(&makeWin32Codec));

// The UTF-16 side that the W functions take and give.
TEST(Win32TextCodec, ConvertsBetweenCp936AndUtf16) {
  const std::string leftClick = "\xD7\xF3\xBC\xFC\xB5\xA5\xBB\xF7";
  const ConvertedWideText wide = cp936ToWide("F1 " + leftClick);
  EXPECT_TRUE(wide.exact);
  EXPECT_EQ(wide.text, L"F1 \u5DE6\u952E\u5355\u51FB");
  const ConvertedText back = wideToCp936(wide.text);
  EXPECT_TRUE(back.exact);
  EXPECT_EQ(back.text, "F1 " + leftClick);

  const ConvertedWideText truncated = cp936ToWide("a\xD7");
  EXPECT_FALSE(truncated.exact);
  EXPECT_EQ(truncated.text, L"a\uFFFD");
  // A surrogate pair without a code page 936 form is one character; a lone surrogate is one too.
  const ConvertedText emoji = wideToCp936(L"x\xD83D\xDE00y\xD800z");
  EXPECT_FALSE(emoji.exact);
  EXPECT_EQ(emoji.text, "x?y?z");
}

// Windows maps the code page's user-defined area to the Private Use Area and back without loss.
TEST(Win32TextCodec, UserDefinedAreaRoundTrips) {
  const std::string userDefined = "\xAA\xA1\xFE\xFE";
  const ConvertedText utf8 = Win32TextCodec().toUtf8(userDefined);
  EXPECT_TRUE(utf8.exact);
  EXPECT_EQ(Win32TextCodec().fromUtf8(utf8.text).text, userDefined);
}

}  // namespace
}  // namespace quintrel::test
