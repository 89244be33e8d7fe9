#include "hotkeytext/key_names.h"

#include <gtest/gtest.h>

#include <string>

namespace quintrel {
namespace {

struct KeyNameCase {
  int code;
  std::string name;
};

class KeyNameTest : public ::testing::TestWithParam<KeyNameCase> {};

TEST_P(KeyNameTest, NamesTheCodeAndReadsTheNameBack) {
  const KeyNameCase& c = GetParam();
  EXPECT_EQ(keyNameFromCode(c.code), c.name) << c.code;
  if (!c.name.empty()) {
    EXPECT_EQ(keyCodeFromName(c.name), c.code) << c.name;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyNameTest,
    ::testing::Values(KeyNameCase{48, "0"}, KeyNameCase{55, "7"}, KeyNameCase{57, "9"},
                      KeyNameCase{65, "A"}, KeyNameCase{90, "Z"}, KeyNameCase{96, "Num 0"},
                      KeyNameCase{103, "Num 7"}, KeyNameCase{105, "Num 9"}, KeyNameCase{112, "F1"},
                      KeyNameCase{123, "F12"}, KeyNameCase{8, "Backspace"}, KeyNameCase{17, "Ctrl"},
                      KeyNameCase{91, "Win"}, KeyNameCase{107, "Num +"},
                      KeyNameCase{181, "LaunchMediaPlaye"}, KeyNameCase{220, "\\"},
                      KeyNameCase{222, "'"}, KeyNameCase{192, "`"},
                      // The arrows are single double-byte characters of code page 936.
                      KeyNameCase{37, "\xA1\xFB"}, KeyNameCase{38, "\xA1\xFC"},
                      KeyNameCase{39, "\xA1\xFA"}, KeyNameCase{40, "\xA1\xFD"},
                      // Keys without a name.
                      KeyNameCase{0, ""}, KeyNameCase{12, ""}, KeyNameCase{44, ""},
                      KeyNameCase{92, ""}, KeyNameCase{108, ""}, KeyNameCase{124, ""},
                      KeyNameCase{135, ""}, KeyNameCase{173, ""}, KeyNameCase{176, ""},
                      KeyNameCase{180, ""}, KeyNameCase{223, ""}, KeyNameCase{255, ""},
                      KeyNameCase{-1, ""}, KeyNameCase{256, ""}));

TEST(KeyNames, EveryNameReadsBackAsItsCodeAndNamesAreUnique) {
  int named = 0;
  for (int code = 0; code < 256; ++code) {
    const std::string_view name = keyNameFromCode(code);
    if (name.empty()) continue;
    ++named;
    EXPECT_EQ(keyCodeFromName(name), code) << name;
  }
  // 10 digits, 26 letters, 10 keypad digits, 12 function keys and 44 keys named one by one.
  EXPECT_EQ(named, 102);
}

TEST(KeyNames, ReadingIsExact) {
  EXPECT_EQ(keyCodeFromName("ctrl"), 0);  // case matters
  EXPECT_EQ(keyCodeFromName(" Ctrl"), 0);
  EXPECT_EQ(keyCodeFromName("LaunchMediaPlayer"), 0);
  EXPECT_EQ(keyCodeFromName(""), 0);
  EXPECT_EQ(keyCodeFromName("F13"), 0);
  EXPECT_EQ(keyCodeFromName("Num+"), 0);
}

TEST(ModifierPrefix, HasTheEightPrefixesInCtrlShiftAltOrder) {
  EXPECT_EQ(modifierPrefix(false, false, false), "");
  EXPECT_EQ(modifierPrefix(true, false, false), "Ctrl + ");
  EXPECT_EQ(modifierPrefix(false, true, false), "Shift + ");
  EXPECT_EQ(modifierPrefix(false, false, true), "Alt + ");
  EXPECT_EQ(modifierPrefix(true, true, false), "Ctrl + Shift + ");
  EXPECT_EQ(modifierPrefix(true, false, true), "Ctrl + Alt + ");
  EXPECT_EQ(modifierPrefix(false, true, true), "Shift + Alt + ");
  EXPECT_EQ(modifierPrefix(true, true, true), "Ctrl + Shift + Alt + ");
}

TEST(FormatHotkeyText, IsPrefixAndName) {
  EXPECT_EQ(formatHotkeyText(false, false, false, 116), "F5");
  EXPECT_EQ(formatHotkeyText(true, false, false, 112), "Ctrl + F1");
  EXPECT_EQ(formatHotkeyText(false, true, true, 103), "Shift + Alt + Num 7");
  EXPECT_EQ(formatHotkeyText(true, true, true, 37), "Ctrl + Shift + Alt + \xA1\xFB");
  EXPECT_EQ(formatHotkeyText(true, false, false, 91), "Ctrl + Win");
  EXPECT_EQ(formatHotkeyText(true, false, false, 92), "Ctrl + ");  // no name: prefix alone
  EXPECT_EQ(formatHotkeyText(false, false, false, 0), "");
}

}  // namespace
}  // namespace quintrel
