#include "editing/cell_text.h"

#include <gtest/gtest.h>

namespace quintrel {
namespace {

TEST(StorableCellText, LeavesOutSeparatorsOnlyWhereACharacterStarts) {
  const struct {
    std::string_view typed;
    std::string_view stored;
  } cases[] = {
      {"", ""},
      {"Ctrl + F1", "Ctrl + F1"},
      {"|", ""},
      {"1|2", "12"},
      {"a\r\nb\nc\r", "abc"},
      {"||\r\n", ""},
      // 0x7C as the second byte of a double-byte character is part of that character.
      {"\x81\x7C|x", "\x81\x7Cx"},
      {"\xD7\xF3\xBC\xFC\xB5\xA5\xBB\xF7", "\xD7\xF3\xBC\xFC\xB5\xA5\xBB\xF7"},
      // A lead byte cut off at the end would take the cell's "|" along in the file.
      {"12\xD7", "12"},
      {"\xD7\xF3|\xBC", "\xD7\xF3"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(storableCellText(c.typed), c.stored) << c.typed;
  }
}

}  // namespace
}  // namespace quintrel
