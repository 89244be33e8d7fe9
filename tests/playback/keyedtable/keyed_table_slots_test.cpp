// The keyed table's secondary operations: ordered positions, Object values through a handler,
// arithmetic in place, searches by value and for keys inside a text.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "playback/keyedtable/keyed_table.h"

namespace quintrel {
namespace {

std::vector<std::string> byPosition(const KeyedTable& table) {
  std::vector<std::string> keys;
  KeyCopy key;
  for (std::int32_t position = 1; table.getAt(position, &key, nullptr); ++position) {
    keys.push_back(key.bytes);
  }
  return keys;
}

TEST(KeyedTableOrdered, RenumbersOnRemoveAndMove) {
  KeyedTable table;
  ASSERT_TRUE(table.create(KeyKind::Text, ValueKind::Int, 16, 0, {.ordered = true}));
  for (const char* key : {"a", "b", "c", "d"}) table.set(Key::ofText(key), Value::ofInt(1));
  ASSERT_TRUE(table.remove(Key::ofText("a")));  // the entry numbered 0
  EXPECT_EQ(byPosition(table), (std::vector<std::string>{"b", "c", "d"}));
  EXPECT_EQ(table.indexOf(Key::ofText("d")), 3);
  EXPECT_EQ(table.indexOf(Key::ofText("a")), 0);

  EXPECT_EQ(table.insertAt(Key::ofText("d"), Value::ofInt(2), 1), SetResult::Replaced);
  EXPECT_EQ(table.insertAt(Key::ofText("e"), Value::ofInt(3), 2), SetResult::Added);
  EXPECT_EQ(table.insertAt(Key::ofText("b"), Value::ofInt(4), 99), SetResult::Replaced);
  EXPECT_EQ(table.insertAt(Key::ofText("c"), Value::ofInt(5), 1, true), SetResult::KeptExisting);
  EXPECT_EQ(byPosition(table), (std::vector<std::string>{"d", "e", "c", "b"}));
  ValueCopy value;
  ASSERT_TRUE(table.getAt(1, nullptr, &value));
  EXPECT_EQ(value.asInt(), 2);
  EXPECT_FALSE(table.getAt(0, nullptr, &value));
  EXPECT_FALSE(table.getAt(5, nullptr, &value));

  KeyedTable unordered;
  ASSERT_TRUE(unordered.create(KeyKind::Text, ValueKind::Int));
  EXPECT_EQ(unordered.insertAt(Key::ofText("a"), Value::ofInt(1), 1), SetResult::Refused);
}

// Objects are plain ints here; the handler counts what it made and freed.
class CountingHandler : public ValueHandler {
 public:
  void* newValue() override { return make(0); }
  void* cloneValue(const void* source) override { return make(*static_cast<const int*>(source)); }
  void releaseValue(void* object) override {
    ASSERT_EQ(live_.erase(static_cast<int*>(object)), 1U) << "released twice or never made";
    delete static_cast<int*>(object);
  }
  std::size_t live() const { return live_.size(); }

 private:
  void* make(int value) { return *live_.insert(new int(value)).first; }
  std::set<int*> live_;
};

TEST(KeyedTableObjects, KeepOwnClonesAndReleaseEachOnce) {
  CountingHandler handler;
  int seven = 7;
  {
    KeyedTable table;
    ASSERT_TRUE(table.create(KeyKind::Int, ValueKind::Object));
    EXPECT_EQ(table.set(Key::ofInt(1), Value::ofObject(&seven)), SetResult::Refused);  // no handler
    table.setValueHandler(&handler);
    table.setValueHandler(nullptr);  // keeps the handler
    EXPECT_EQ(table.set(Key::ofInt(1), Value::ofObject(&seven)), SetResult::Added);
    EXPECT_EQ(table.set(Key::ofInt(2), Value::ofObject(nullptr)), SetResult::Added);
    EXPECT_EQ(handler.live(), 1U);

    // get hands out the stored object itself; storing it again must not free it first.
    void* stored = table.get(Key::ofInt(1)).object;
    EXPECT_NE(stored, &seven);
    EXPECT_EQ(table.set(Key::ofInt(1), Value::ofObject(stored)), SetResult::Replaced);
    EXPECT_EQ(*static_cast<int*>(table.get(Key::ofInt(1)).object), 7);
    EXPECT_EQ(handler.live(), 1U);

    void* clone = nullptr;
    ASSERT_TRUE(table.getObject(Key::ofInt(2), clone));  // empty slot: a new object
    EXPECT_EQ(handler.live(), 2U);
    handler.releaseValue(clone);

    std::vector<ValueCopy> values = table.values();  // clones, the caller's
    EXPECT_EQ(handler.live(), 3U);
    for (ValueCopy& value : values) handler.releaseValue(value.object);

    EXPECT_TRUE(table.remove(Key::ofInt(1)));
    EXPECT_EQ(handler.live(), 0U);
    table.set(Key::ofInt(3), Value::ofObject(&seven));
    table.set(Key::ofInt(4), Value::ofObject(&seven));
  }  // destroyed: clear releases what is left
  EXPECT_EQ(handler.live(), 0U);
}

TEST(KeyedTableNumbers, UpdateInPlaceAndRefuseDivisionByZero) {
  KeyedTable table;
  ASSERT_TRUE(table.create(KeyKind::Int, ValueKind::Short));
  table.set(Key::ofInt(1), Value::ofShort(32767));
  ValueCopy result;
  ASSERT_TRUE(table.updateNumber(Key::ofInt(1), Value::ofShort(1), NumberOperation::Add, &result));
  EXPECT_EQ(result.asShort(), -32768);  // wraps in 16 bits
  EXPECT_FALSE(table.updateNumber(Key::ofInt(1), Value::ofShort(0), NumberOperation::Divide));
  EXPECT_FALSE(table.updateNumber(Key::ofInt(9), Value::ofShort(1), NumberOperation::Add));

  ASSERT_TRUE(table.create(KeyKind::Int, ValueKind::Int64));
  table.set(Key::ofInt(1), Value::ofInt64(INT64_MIN));
  ASSERT_TRUE(
      table.updateNumber(Key::ofInt(1), Value::ofInt64(-1), NumberOperation::Divide, &result));
  EXPECT_EQ(result.asInt64(), INT64_MIN);

  ASSERT_TRUE(table.create(KeyKind::Int, ValueKind::Double));
  table.set(Key::ofInt(1), Value::ofDouble(1.5));
  ASSERT_TRUE(table.updateNumber(Key::ofInt(1), Value::ofDouble(3), NumberOperation::Multiply));
  EXPECT_EQ(table.get(Key::ofInt(1)).asDouble(), 4.5);
  EXPECT_TRUE(table.containsValue(Value::ofDouble(4.5)));

  ASSERT_TRUE(table.create(KeyKind::Int, ValueKind::Text));
  table.set(Key::ofInt(1), Value::ofText("x"));
  EXPECT_FALSE(table.updateNumber(Key::ofInt(1), Value::ofInt(1), NumberOperation::Add));
}

TEST(KeyedTableSearch, FindsKeysByValueAndInsideTexts) {
  KeyedTable table;
  ASSERT_TRUE(table.create(KeyKind::Text, ValueKind::Text));
  table.set(Key::ofText("Ctrl"), Value::ofText("1"));
  table.set(Key::ofText("Ctrl + F1"), Value::ofText("1"));
  table.set(Key::ofText("F1"), Value::ofText(""));
  EXPECT_EQ(table.keysOfValue(Value::ofText("1")).size(), 2U);
  EXPECT_TRUE(table.containsValue(Value::ofText(nullptr)));  // the empty value of "F1"
  EXPECT_FALSE(table.containsValue(Value::ofText("2")));

  KeyCopy key;
  std::int32_t length = 0;
  EXPECT_EQ(table.findKeyInText("Press Ctrl + F1 now", &key), 6);
  EXPECT_EQ(key.bytes, "Ctrl + F1");  // the longest key at the first place that has one
  EXPECT_EQ(table.findKeyInTextFrom("Press Ctrl + F1 now", &key, 7, &length), 13);
  EXPECT_EQ(key.bytes, "F1");
  EXPECT_EQ(length, 2);
  EXPECT_EQ(table.findKeyInTextFrom("Ctrl", &key, 4, &length), -1);
  EXPECT_EQ(table.findKeyInText("ctrl + f1"), -1);
  EXPECT_EQ(table.findKeyInText(nullptr), -1);
}

}  // namespace
}  // namespace quintrel
