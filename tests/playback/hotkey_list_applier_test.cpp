#include "playback/hotkey_list_applier.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "platform/fake/fake_hotkey_window.h"
#include "test_support.h"
#include "text/numbers.h"

namespace quintrel {
namespace {

constexpr int kF1 = 0x70;
constexpr int kF2 = 0x71;
constexpr int kF3 = 0x72;

using Registrations = std::map<int, KeyCombo>;

class ApplyHotkeyListTest : public ::testing::Test {
 protected:
  ~ApplyHotkeyListTest() override { registry_.removeAllHotkeys(window_); }

  void apply() { applyHotkeyList(table_, window_, registry_, groupsByText_, groups_, handler_); }
  void setHotkeys(const std::vector<std::string>& texts) {
    while (table_.GetCount() > 0) table_.Remove(0);
    for (const std::string& text : texts) test::appendRows(table_, {{"", text}});
  }
  std::string groupOf(const std::string& text) const {
    return groupsByText_.get(Key::ofText(text)).bytes.value_or("<none>");
  }
  // The ids the handler received, in order.
  std::vector<std::uintptr_t> pressedIds() const {
    std::vector<std::uintptr_t> ids;
    for (const auto& message : handler_.messages) ids.push_back(message.wParam);
    return ids;
  }

  MemoryListView table_ = test::hotkeyListView();
  FakeHotkeyWindow window_;
  HotkeyRegistry registry_;
  KeyedTable groupsByText_;
  HotkeyGroups groups_;
  RecordingProcedure handler_;
};

TEST(ParseHotkeyText, ModifierWordsAnywhereAndTheLastPieceAsKey) {
  struct Case {
    const char* text;
    KeyCombo expected;
  };
  const Case cases[] = {
      {"Ctrl + Shift + F1", {kModControl | kModShift, kF1}},
      {"Shift + Ctrl + F1", {kModControl | kModShift, kF1}},
      {"Alt + Num +", {kModAlt, 0x6B}},  // " + " does not occur inside "Num +"
      {"Win + A", {kModWin, 'A'}},
      {"Shift", {kModShift, 0x10}},
      {"ctrl + F1", {0, kF1}},           // words are compared exactly
      {"Ctrl +  F1", {kModControl, 0}},  // the last piece is " F1", no key name
      {"", {0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(parseHotkeyText(c.text), c.expected);
  }
}

TEST_F(ApplyHotkeyListTest, IdsFollowFirstRowsAndGroupsListTheirRows) {
  setHotkeys({"Ctrl + F1", "Alt + F2", "Ctrl + F1", "F3", "Alt + F2", "Ctrl + F1"});
  apply();

  EXPECT_EQ(groups_, (HotkeyGroups{"0,2,5", "1,4", "3"}));
  EXPECT_EQ(window_.registrations,
            (Registrations{{1, {kModControl, kF1}}, {2, {kModAlt, kF2}}, {3, {0, kF3}}}));
  EXPECT_EQ(groupOf("Ctrl + F1"), "0,2,5");
  EXPECT_EQ(groupsByText_.getCount(), 3);

  window_.press({kModAlt, kF2});
  window_.press({kModControl, kF1});
  EXPECT_EQ(pressedIds(), (std::vector<std::uintptr_t>{2, 1}));
}

TEST_F(ApplyHotkeyListTest, RefusedAndEmptyTextsKeepTheirIdsSoLaterOnesStayAligned) {
  window_.takeByAnotherProgram({kModAlt, kF2});
  setHotkeys({"Ctrl + Shift + F1", "", "Alt + F2", "Shift + Ctrl + F1", "F3", ""});
  apply();

  // Shift + Ctrl + F1 is another text for the combination id 1 holds: refused by the system.
  EXPECT_EQ(groups_, (HotkeyGroups{"0", "", "2", "3", "4"}));
  EXPECT_EQ(window_.registerCalls, 5);
  EXPECT_EQ(window_.registrations,
            (Registrations{{1, {kModControl | kModShift, kF1}}, {2, {0, 0}}, {5, {0, kF3}}}));
  EXPECT_FALSE(groupsByText_.contains(Key::ofText("")));
  EXPECT_EQ(groupOf("Shift + Ctrl + F1"), "3");

  window_.press({kModControl | kModShift, kF1});
  window_.press({0, kF3});
  EXPECT_EQ(pressedIds(), (std::vector<std::uintptr_t>{1, 5}));
}

TEST_F(ApplyHotkeyListTest, ApplyingAgainReplacesEverythingOfTheLastApply) {
  setHotkeys({"F1", "F2", "F1"});
  apply();
  apply();
  EXPECT_EQ(groups_, (HotkeyGroups{"0,2", "1"}));
  EXPECT_EQ(window_.registrations, (Registrations{{1, {0, kF1}}, {2, {0, kF2}}}));
  EXPECT_EQ(window_.unregisterCalls, 2);
  EXPECT_EQ(HotkeyRegistry::recordOf(window_)->entryCount(), 2);

  // After an edit only the current texts react; the old one is gone, the new one takes id 1.
  table_.SetCaption(0, kColumnHotkey, "F3");
  table_.SetCaption(2, kColumnHotkey, "F3");
  apply();
  EXPECT_EQ(groups_, (HotkeyGroups{"0,2", "1"}));
  EXPECT_EQ(window_.registrations, (Registrations{{1, {0, kF3}}, {2, {0, kF2}}}));
  EXPECT_FALSE(groupsByText_.contains(Key::ofText("F1")));
  EXPECT_FALSE(window_.press({0, kF1}));

  // An empty table takes every hotkey away.
  setHotkeys({});
  apply();
  EXPECT_TRUE(groups_.empty());
  EXPECT_TRUE(window_.registrations.empty());
  EXPECT_EQ(window_.procedure(), &window_.defaultProcedure);
  EXPECT_EQ(groupsByText_.getCount(), 0);
}

// Grouping as get, append and set per row leaves; the applier must leave the same.
void groupByRepeatedGet(const ListView& table, KeyedTable& groupsByText) {
  groupsByText.clear();
  groupsByText.create(KeyKind::Text, ValueKind::Text, 64);
  for (int row = 0; row < table.GetCount(); ++row) {
    const std::string text = table.GetCaption(row, kColumnHotkey);
    const Key key = Key::ofText(text);
    if (groupsByText.contains(key)) {
      const std::string group = groupsByText.get(key).bytes.value_or("") + "," + intToText(row);
      groupsByText.set(key, Value::ofText(group));
    } else {
      groupsByText.set(key, Value::ofText(intToText(row)));
    }
  }
}

TEST_F(ApplyHotkeyListTest, LeavesTheKeyedTableAsGroupingRowByRowWould) {
  // Many duplicates over a few hundred texts, the empty text among them; enough distinct texts
  // for the keyed table to grow several times.
  std::mt19937 random(5);
  std::vector<std::string> texts;
  for (int row = 0; row < 5000; ++row) {
    const auto pick = random() % 300;
    texts.push_back(pick == 0 ? std::string() : "Ctrl + " + std::to_string(pick));
  }
  setHotkeys(texts);
  window_.refuseTakenCombinations = false;
  apply();

  KeyedTable expected;
  groupByRepeatedGet(table_, expected);
  EXPECT_EQ(groupsByText_.getCount(), expected.getCount());
  EXPECT_EQ(groupsByText_.keys(), expected.keys());  // iteration order follows insertion order
  std::vector<std::string> values;
  std::vector<std::string> expectedValues;
  for (const ValueCopy& value : groupsByText_.values()) values.push_back(*value.bytes);
  for (const ValueCopy& value : expected.values()) expectedValues.push_back(*value.bytes);
  EXPECT_EQ(values, expectedValues);

  // And the groups are what the table holds for each distinct text, in first-row order.
  std::vector<std::string> distinct;
  for (const std::string& text : texts) {
    if (std::find(distinct.begin(), distinct.end(), text) == distinct.end()) {
      distinct.push_back(text);
    }
  }
  ASSERT_EQ(groups_.size(), distinct.size());
  for (std::size_t i = 0; i < distinct.size(); ++i) {
    EXPECT_EQ(groups_[i], expected.get(Key::ofText(distinct[i])).bytes.value_or(""));
  }
  EXPECT_EQ(window_.registrations.size(), distinct.size());
}

}  // namespace
}  // namespace quintrel
