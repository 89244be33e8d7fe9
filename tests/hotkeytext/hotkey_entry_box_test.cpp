#include "hotkeytext/hotkey_entry_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hotkeytext/editor_callbacks.h"
#include "platform/fake/fake_hotkey_box.h"
#include "platform/window_messages.h"
#include "test_support.h"

namespace quintrel {
namespace {

using namespace msg;
using Shown = std::vector<std::string>;

const std::string kPlaceholder = "\xC7\xEB\xB0\xB4\xCF\xC2\xC8\xC8\xBC\xFC";  // 请按下热键
constexpr int kCtrl = 17, kShift = 16, kAlt = 18;

// The program's two boxes: "热键框1" adds rows, "热键框2" only edits cells.
class HotkeyEntryBoxTest : public ::testing::Test {
 protected:
  HotkeyEntryBoxTest() {
    for (FakeHotkeyBox* box : {&addBox_, &cellBox_}) {
      box->received = [this, box](unsigned message) { boxes_.handleBoxMessage(*box, message, 0); };
    }
    boxes_.setup({&addBox_, &otherBox_, &cellBox_}, "\xC8\xC8\xBC\xFC\xBF\xF2", kPlaceholder,
                 addRowForHotkey(table_, cellBox_));
    addBox_.shown.clear();
    addBox_.focused = true;
  }

  bool down(FakeHotkeyBox& box, int key) { return boxes_.handleBoxMessage(box, kWmKeyDown, key); }
  void up(FakeHotkeyBox& box, int key) { boxes_.handleBoxMessage(box, kWmKeyUp, key); }

  MemoryListView table_ = test::hotkeyListView();
  FakeHotkeyBox addBox_{"\xC8\xC8\xBC\xFC\xBF\xF2\x31"};             // 热键框1
  FakeHotkeyBox otherBox_{"\xB1\xE0\xBC\xAD\xBF\xF2\x32", "typed"};  // 编辑框2
  FakeHotkeyBox cellBox_{"\xC8\xC8\xBC\xFC\xBF\xF2\x32"};            // 热键框2
  HotkeyEntryBoxes boxes_;
};

TEST_F(HotkeyEntryBoxTest, SetupMakesOnlyThePrefixedBoxesReadOnlyPlaceholders) {
  EXPECT_TRUE(addBox_.readOnly && cellBox_.readOnly);
  EXPECT_EQ(addBox_.text(), kPlaceholder);
  EXPECT_EQ(cellBox_.text(), kPlaceholder);
  EXPECT_FALSE(otherBox_.readOnly);
  EXPECT_EQ(otherBox_.text(), "typed");
  EXPECT_EQ(table_.GetCount(), 0);

  FakeHotkeyBox filled{"\xC8\xC8\xBC\xFC\xBF\xF2\x33", "Shift + F2"};
  HotkeyEntryBoxes other;
  other.setup({&filled}, "\xC8\xC8\xBC\xFC\xBF\xF2", kPlaceholder,
              addRowForHotkey(table_, cellBox_));
  EXPECT_EQ(filled.text(), "Shift + F2");
  EXPECT_EQ(test::rowsOf(table_), (test::Rows{{"1", "Shift + F2", "", "", test::kLeftClick}}));
}

TEST_F(HotkeyEntryBoxTest, ACompletedHotkeyLeavesTheBoxAndAddsARow) {
  EXPECT_FALSE(down(addBox_, kCtrl));
  EXPECT_FALSE(down(addBox_, 'A'));
  // The focus loss inside the completing key sees "Ctrl + " and falls back before the new text.
  EXPECT_EQ(addBox_.shown, (Shown{"Ctrl + ", kPlaceholder, "Ctrl + A"}));
  EXPECT_FALSE(addBox_.focused);
  EXPECT_EQ(boxes_.heldModifiers(), 0u);
  EXPECT_EQ(boxes_.rememberedText(addBox_), "Ctrl + A");

  addBox_.focused = true;
  down(addBox_, 0x74);  // F5 alone
  EXPECT_EQ(test::rowsOf(table_), (test::Rows{{"1", "Ctrl + A", "", "", test::kLeftClick},
                                              {"2", "F5", "", "", test::kLeftClick}}));
}

TEST_F(HotkeyEntryBoxTest, ReleasesShowThePrefixOrTheRememberedHotkey) {
  const auto sequence = [this](FakeHotkeyBox& box) {
    box.shown.clear();
    down(box, kCtrl);
    down(box, kShift);
    up(box, kShift);
    up(box, kCtrl);
    return box.shown;
  };
  EXPECT_EQ(sequence(addBox_), (Shown{"Ctrl + ", "Ctrl + Shift + ", "Ctrl + ", kPlaceholder}));

  down(addBox_, kAlt);
  down(addBox_, 'Q');
  up(addBox_, 'Q');
  up(addBox_, kAlt);
  EXPECT_EQ(sequence(addBox_), (Shown{"Ctrl + ", "Ctrl + Shift + ", "Alt + Q", "Alt + Q"}));
}

TEST_F(HotkeyEntryBoxTest, LosingTheFocusWithModifiersOnlyFallsBack) {
  down(addBox_, kCtrl);
  addBox_.dropFocus();
  EXPECT_EQ(addBox_.text(), kPlaceholder);

  addBox_.focused = true;
  down(addBox_, 'Z');  // Ctrl is still held for the boxes
  EXPECT_EQ(addBox_.text(), "Ctrl + Z");
  addBox_.focused = true;
  down(addBox_, kShift);
  addBox_.dropFocus();
  EXPECT_EQ(addBox_.text(), "Ctrl + Z");
}

TEST_F(HotkeyEntryBoxTest, OnlyNamedKeysCompleteAHotkey) {
  const struct {
    std::vector<int> keys;
    std::string shown;
    bool completes;
  } cases[] = {
      {{92}, kPlaceholder, false},      // right Windows key: no name
      {{kCtrl, 44}, "Ctrl + ", false},  // Print Screen: no name
      {{91}, "Win", true},
      {{kCtrl, 9}, "Ctrl + Tab", true},
  };
  for (const auto& c : cases) {
    const int rowsBefore = table_.GetCount();
    addBox_.focused = true;
    for (const int key : c.keys) down(addBox_, key);
    EXPECT_EQ(addBox_.text(), c.shown) << c.shown;
    EXPECT_EQ(table_.GetCount(), rowsBefore + (c.completes ? 1 : 0)) << c.shown;
    for (const int key : c.keys) up(addBox_, key);
  }
}

TEST_F(HotkeyEntryBoxTest, TheCellEditingBoxAddsNoRowAndAConsumingCallbackKeepsTheBox) {
  cellBox_.focused = true;
  down(cellBox_, 'B');
  EXPECT_EQ(cellBox_.text(), "B");
  EXPECT_EQ(table_.GetCount(), 0);

  HotkeyEntryBoxes consuming;
  FakeHotkeyBox box{"\xC8\xC8\xBC\xFC\xBF\xF2\x31"};
  consuming.setup({&box}, "\xC8\xC8\xBC\xFC\xBF\xF2", kPlaceholder,
                  [](HotkeyBoxControl&, int, unsigned, std::string_view) { return 1; });
  EXPECT_TRUE(consuming.handleBoxMessage(box, kWmKeyDown, 'C'));
  EXPECT_EQ(box.text(), kPlaceholder);
  EXPECT_EQ(consuming.rememberedText(box), "");
}

}  // namespace
}  // namespace quintrel
