#include "playback/click_player.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_texts.h"
#include "platform/fake/fake_hotkey_window.h"
#include "platform/fake/recording_dialogs.h"
#include "platform/fake/recording_pointer.h"
#include "platform/fake/scripted_message_wait.h"
#include "playback/hotkey_list_applier.h"
#include "test_support.h"

namespace quintrel {
namespace {

using Event = RecordingPointer::Event;

Event moveTo(int x, int y) { return {Event::Move, {x, y}, MouseButton::Left}; }
Event clickAt(int x, int y, MouseButton button) { return {Event::Click, {x, y}, button}; }

class ClickPlayerTest : public ::testing::Test {
 protected:
  ClickPlayerTest() { pointer_.position = kHome; }

  void press(int id) {
    player_.handleMessage(window_, kWmHotkey, static_cast<std::uintptr_t>(id), 0);
  }
  // Where the clicks landed, in order.
  std::vector<ScreenPoint> clickPositions() const {
    std::vector<ScreenPoint> positions;
    for (const Event& click : pointer_.clicks()) positions.push_back(click.at);
    return positions;
  }

  static constexpr ScreenPoint kHome{500, 400};
  MemoryListView table_ = test::hotkeyListView();
  HotkeyGroups groups_;
  RecordingPointer pointer_;
  ScriptedMessageWait wait_;
  RecordingDialogs dialogs_;
  FakeHotkeyWindow window_;
  ClickPlayer player_{table_, groups_, pointer_, wait_, dialogs_};
};

TEST_F(ClickPlayerTest, PlaysTheGroupInOrderPuttingTheCursorBackBeforeEachWait) {
  test::appendRows(table_, {{"1", "F1", "10", "20", test::kLeftClick},
                            {"2", "F2", "1", "1", test::kLeftClick},
                            {"3", "F2", "1", "1", test::kLeftClick},
                            {"4", "F1", "-30", "40", test::kRightClick}});
  groups_ = {"0,3", "1,2"};
  std::vector<ScreenPoint> cursorDuringWaits;
  wait_.duringWait = [&](std::size_t) { cursorDuringWaits.push_back(pointer_.position); };

  press(1);

  EXPECT_EQ(pointer_.events,
            (std::vector<Event>{moveTo(10, 20), clickAt(10, 20, MouseButton::Left),
                                moveTo(kHome.x, kHome.y), moveTo(-30, 40),
                                clickAt(-30, 40, MouseButton::Right), moveTo(kHome.x, kHome.y)}));
  EXPECT_EQ(wait_.waits, (std::vector<int>{200, 200}));  // after every click, the last one too
  EXPECT_EQ(cursorDuringWaits, (std::vector<ScreenPoint>{kHome, kHome}));
  EXPECT_TRUE(dialogs_.boxes.empty());
}

TEST_F(ClickPlayerTest, ClosingTheProgramDuringAWaitEndsTheGroup) {
  test::appendRows(table_, {{"1", "F1", "10", "20", test::kLeftClick},
                            {"2", "F1", "30", "40", test::kLeftClick}});
  groups_ = {"0,1"};
  wait_.duringWait = [&](std::size_t) { wait_.programEnding = true; };
  press(1);
  EXPECT_EQ(clickPositions(), (std::vector<ScreenPoint>{{10, 20}}));
}

TEST_F(ClickPlayerTest, PositionsAreReadAsNumbersWhenTheHotkeyIsPressed) {
  struct Case {
    const char* x;
    int expected;
  };
  const Case cases[] = {
      {"\xA3\xB1\xA3\xB2\xA3\xB3", 123},  // full-width digits
      {"45px", 45},
      {"px", 0},
      {"", 0},
      {" -7", -7},
      {"\xA1\xA1\xA3\xAD\xA3\xB8", -8},  // ideographic space, full-width minus and digit
  };
  std::string group;
  for (const Case& c : cases) {
    test::appendRows(table_, {{"", "F1", c.x, "5", test::kLeftClick}});
    if (!group.empty()) group += ',';
    group += std::to_string(table_.GetCount() - 1);
  }
  groups_ = {group};
  table_.SetCaption(0, kColumnY, "\xA3\xB9");  // y reads by the same rule: full-width 9

  press(1);

  ASSERT_EQ(pointer_.clicks().size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].x);
    EXPECT_EQ(pointer_.clicks()[i].at, (ScreenPoint{cases[i].expected, i == 0 ? 9 : 5}));
  }
}

TEST_F(ClickPlayerTest, AWrongClickKindStopsTheGroupAfterTheClicksAlreadyMade) {
  test::appendRows(table_, {{"1", "F1", "1", "2", test::kLeftClick},
                            {"2", "F1", "3", "4", test::kRightClick + " "},
                            {"3", "F1", "5", "6", test::kLeftClick}});
  groups_ = {"0,1,2", "7"};  // the second group names a row that is gone

  press(1);
  EXPECT_EQ(clickPositions(), (std::vector<ScreenPoint>{{1, 2}}));
  EXPECT_EQ(wait_.waits.size(), 1u);
  ASSERT_EQ(dialogs_.boxes.size(), 1u);
  EXPECT_EQ(dialogs_.boxes[0].text, "\xC0\xE0\xD0\xCD\xB4\xED\xCE\xF3");  // 类型错误
  EXPECT_EQ(dialogs_.boxes[0].title, texts::kMessageTitle);
  EXPECT_EQ(dialogs_.boxes[0].icon, MessageIcon::Error);

  press(2);
  EXPECT_EQ(pointer_.clicks().size(), 1u);
  EXPECT_EQ(dialogs_.boxes.size(), 2u);
}

TEST_F(ClickPlayerTest, PressesWithoutAGroupPlayNothing) {
  test::appendRows(table_, {{"1", "", "1", "2", test::kLeftClick}});
  groups_ = {""};
  press(1);
  press(0);
  press(2);
  player_.handleMessage(window_, kWmHotkey, ~std::uintptr_t{0}, 0);
  player_.handleMessage(window_, 0x0100, 1, 0);  // not a hotkey
  player_.playHotkeyGroup(-1);
  EXPECT_TRUE(pointer_.events.empty());
  EXPECT_TRUE(wait_.waits.empty());
  EXPECT_TRUE(dialogs_.boxes.empty());
}

TEST_F(ClickPlayerTest, ASecondPressPlaysInsideTheFirstOnesWait) {
  test::appendRows(table_, {{"1", "F1", "1", "1", test::kLeftClick},
                            {"2", "F1", "2", "2", test::kLeftClick},
                            {"3", "F2", "3", "3", test::kRightClick}});
  groups_ = {"0,1", "2"};
  wait_.duringWait = [&](std::size_t wait) {
    if (wait == 1) press(2);
  };

  press(1);
  EXPECT_EQ(clickPositions(), (std::vector<ScreenPoint>{{1, 1}, {3, 3}, {2, 2}}));
  EXPECT_EQ(wait_.waits.size(), 3u);
  EXPECT_EQ(pointer_.position, kHome);
  EXPECT_EQ(player_.runningPlaybacks(), 0);
}

TEST_F(ClickPlayerTest, AHeldHotkeyNestsOnlyUpToTheBound) {
  test::appendRows(table_, {{"1", "F1", "1", "1", test::kLeftClick}});
  groups_ = {"0"};
  // Every wait delivers one more repeat of the held key, however long the key is held.
  int deepest = 0;
  wait_.duringWait = [&](std::size_t) {
    deepest = std::max(deepest, player_.runningPlaybacks());
    press(1);
  };

  press(1);
  EXPECT_EQ(deepest, ClickPlayer::kMaxNestedPlaybacks);
  EXPECT_EQ(pointer_.clicks().size(), static_cast<std::size_t>(ClickPlayer::kMaxNestedPlaybacks));
  EXPECT_EQ(player_.runningPlaybacks(), 0);

  // Once the playbacks have ended, the key plays again.
  wait_.duringWait = nullptr;
  press(1);
  EXPECT_EQ(pointer_.clicks().size(), ClickPlayer::kMaxNestedPlaybacks + 1u);
}

TEST_F(ClickPlayerTest, AnApplyDuringAWaitLeavesTheRunningGroupItsRowsButNotItsCells) {
  test::appendRows(table_, {{"1", "F1", "1", "1", test::kLeftClick},
                            {"2", "F1", "2", "2", test::kLeftClick},
                            {"3", "F2", "3", "3", test::kLeftClick}});
  HotkeyRegistry registry;
  KeyedTable groupsByText;
  const auto apply = [&] {
    applyHotkeyList(table_, window_, registry, groupsByText, groups_, player_);
  };
  apply();
  ASSERT_EQ(groups_, (HotkeyGroups{"0,1", "2"}));
  wait_.duringWait = [&](std::size_t wait) {
    if (wait != 1) return;
    // Row 1 moves to the other hotkey and to another place; many new texts make the groups'
    // storage move too.
    table_.SetCaption(1, kColumnHotkey, "F2");
    table_.SetCaption(1, kColumnX, "20");
    for (int i = 0; i < 50; ++i) test::appendRows(table_, {{"", "Ctrl + " + std::to_string(i)}});
    apply();
  };

  EXPECT_TRUE(window_.press({0, 0x70}));
  EXPECT_EQ(clickPositions(), (std::vector<ScreenPoint>{{1, 1}, {20, 2}}));
  EXPECT_EQ(groups_[0], "0");
  EXPECT_EQ(groups_[1], "1,2");
  registry.removeAllHotkeys(window_);
}

}  // namespace
}  // namespace quintrel
