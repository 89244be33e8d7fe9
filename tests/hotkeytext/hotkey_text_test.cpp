#include "hotkeytext/hotkey_text.h"

#include <gtest/gtest.h>

#include <string>

#include "hotkeytext/key_names.h"

namespace quintrel {
namespace {

struct ReadCase {
  std::string text;
  unsigned modifiers;  // with "Win" taken as a modifier
  int key;
};

class ReadHotkeyTextTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadHotkeyTextTest, FindsModifiersAnywhereAndTheKeyInTheLastPiece) {
  const ReadCase& c = GetParam();
  EXPECT_EQ(readHotkeyText(c.text, WinWord::IsModifier), (KeyCombo{c.modifiers, c.key}));
  EXPECT_EQ(readHotkeyText(c.text, WinWord::Ignored), (KeyCombo{c.modifiers & ~kModWin, c.key}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadHotkeyTextTest,
    ::testing::Values(ReadCase{"Ctrl + A", kModControl, 65}, ReadCase{"F5", 0, 116},
                      ReadCase{"Ctrl + Shift + F1", kModControl | kModShift, 112},
                      ReadCase{"Alt + Num +", kModAlt, 107},  // "Num +" has no space after its "+"
                      ReadCase{"Ctrl + ", kModControl, 17},   // the empty rest is dropped
                      ReadCase{"Ctrl", kModControl, 17}, ReadCase{"Shift", kModShift, 16},
                      ReadCase{"Win", kModWin, 91},
                      ReadCase{"Ctrl + Win", kModControl | kModWin, 91},
                      ReadCase{"Ctrl+A", kModControl, 0},  // one piece, which is no key name
                      ReadCase{"", 0, 0},
                      ReadCase{"\xC7\xEB\xB0\xB4\xCF\xC2\xC8\xC8\xBC\xFC", 0, 0},  // 请按下热键
                      ReadCase{"Shift + Ctrl + A", kModControl | kModShift, 65},
                      ReadCase{"Ctrl + Shift + Alt + \xA1\xFB", kModControl | kModShift | kModAlt,
                               37},
                      ReadCase{"A + Ctrl", kModControl, 17},  // words count wherever they stand
                      ReadCase{"ctrl + a", 0, 0},             // case matters
                      ReadCase{"Shift + Alt + Num 7", kModShift | kModAlt, 103},
                      ReadCase{"Alt +  + ", kModAlt, 0}));  // last piece is empty

TEST(ReadHotkeyText, FormattedTextReadsBackAsItsCombo) {
  for (int code = 1; code < 256; ++code) {
    if (keyNameFromCode(code).empty()) continue;
    for (int held = 0; held < 8; ++held) {
      const bool ctrl = held & 1, shift = held & 2, alt = held & 4;
      const KeyCombo read =
          readHotkeyText(formatHotkeyText(ctrl, shift, alt, code), WinWord::IsModifier);
      EXPECT_EQ(read.key, code);
      const unsigned held_flags =
          (ctrl ? kModControl : 0u) | (shift ? kModShift : 0u) | (alt ? kModAlt : 0u);
      EXPECT_EQ(read.modifiers & held_flags, held_flags) << code;
    }
  }
}

}  // namespace
}  // namespace quintrel
