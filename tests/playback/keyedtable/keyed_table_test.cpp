// The keyed table's rules at their edges: creation, growth and shrinking, refused keys, copies
// that outlive the table, the two hash families, and iteration.
#include "playback/keyedtable/keyed_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace quintrel {
namespace {

std::string hotkey(int i) { return "Ctrl + F" + std::to_string(i); }

// Adds distinct keys until the bucket array widens; answers the count that made it widen.
int countThatGrows(KeyedTable& table) {
  const std::int32_t before = table.getCapacity();
  for (int i = 1; i < 10000; ++i) {
    table.set(Key::ofInt(i), Value::ofInt(i));
    if (table.getCapacity() != before) return i;
  }
  return -1;
}

TEST(KeyedTableCreate, NormalisesCapacityAndLoadFactor) {
  const std::pair<std::int32_t, std::int32_t> capacities[] = {
      {0, 16}, {15, 16}, {-5, 16}, {16, 16}, {64, 64}, {100, 64}, {1000, 512}};
  for (const auto& [given, expected] : capacities) {
    KeyedTable table;
    ASSERT_TRUE(table.create(KeyKind::Int, ValueKind::Int, given));
    EXPECT_EQ(table.getCapacity(), expected) << given;
  }
  // With 16 buckets, growth comes with the key after trunc(16 * load factor).
  const std::pair<float, int> loadFactors[] = {{0.0F, 13}, {1.0F, 13}, {-0.5F, 13}, {NAN, 13},
                                               {2.0F, 13}, {0.5F, 9},  {0.25F, 5},  {0.99F, 16}};
  for (const auto& [given, growsAt] : loadFactors) {
    KeyedTable table;
    ASSERT_TRUE(table.create(KeyKind::Int, ValueKind::Int, 16, given));
    EXPECT_EQ(countThatGrows(table), growsAt) << given;
  }
}

TEST(KeyedTableCreate, UnknownKindCodesMeanInt) {
  KeyedTable table;
  ASSERT_TRUE(table.create(KeyKind{42}, ValueKind{42}));
  EXPECT_EQ(table.getKeyKind(), KeyKind::Int);
  EXPECT_EQ(table.getValueKind(), ValueKind::Int);
}

// The shape of applying the hotkey list: Text to Text, 64 buckets, the other arguments left out.
TEST(KeyedTableGrowth, GrowsAtThe49thKeyAndShrinksWhenSparse) {
  for (const bool autoShrink : {true, false}) {
    KeyedTable table;
    ASSERT_TRUE(table.create(KeyKind::Text, ValueKind::Text, 64, 0, {.autoShrink = autoShrink}));
    for (int i = 1; i <= 48; ++i)
      ASSERT_EQ(table.set(Key::ofText(hotkey(i)), Value::ofText("0")), SetResult::Added);
    EXPECT_EQ(table.getCapacity(), 64);
    table.set(Key::ofText(hotkey(49)), Value::ofText("0"));
    EXPECT_EQ(table.getCapacity(), 128);

    // Halved whenever capacity / count reaches 8, never below 16.
    std::vector<std::pair<int, int>> widths;  // (count, capacity) after each change of width
    for (int i = 49; i >= 1; --i) {
      const std::int32_t before = table.getCapacity();
      ASSERT_TRUE(table.remove(Key::ofText(hotkey(i))));
      if (table.getCapacity() != before) widths.emplace_back(table.getCount(), table.getCapacity());
      for (int j = 1; j < i; j += 7) ASSERT_TRUE(table.contains(Key::ofText(hotkey(j))));
    }
    const std::vector<std::pair<int, int>> expected =
        autoShrink ? std::vector<std::pair<int, int>>{{16, 64}, {8, 32}, {4, 16}}
                   : std::vector<std::pair<int, int>>{};
    EXPECT_EQ(widths, expected) << autoShrink;
  }
}

// A tiny load factor must not leave more entries than the halved table allows (which would make
// every further insert and remove rebuild the array).
TEST(KeyedTableGrowth, ShrinksOnlyAsFarAsTheLoadFactorAllows) {
  KeyedTable table;
  ASSERT_TRUE(table.create(KeyKind::Int, ValueKind::Int, 64, 0.1F));
  for (int i = 0; i < 6; ++i) table.set(Key::ofInt(i), Value::ofInt(i));
  table.remove(Key::ofInt(0));  // 64 / 5 >= 8, but 5 entries exceed the 3 that 32 buckets allow
  EXPECT_EQ(table.getCapacity(), 64);
}

TEST(KeyedTableSet, ReportsAddedReplacedAndKept) {
  KeyedTable table;
  ASSERT_TRUE(table.create(KeyKind::Text, ValueKind::Text, 64));
  const Key key = Key::ofText("Ctrl + F1");
  EXPECT_EQ(table.set(key, Value::ofText("0")), SetResult::Added);
  EXPECT_EQ(table.set(key, Value::ofText("0,2")), SetResult::Replaced);
  EXPECT_EQ(table.set(key, Value::ofText("7"), true), SetResult::KeptExisting);
  EXPECT_EQ(table.put(Key::ofText("ctrl + F1"), Value::ofText("1")), SetResult::Added);
  EXPECT_EQ(table.setRaw("Ctrl + F1 ", "3"), SetResult::Added);  // a trailing blank is another key
  EXPECT_EQ(table.getCount(), 3);
  EXPECT_EQ(table.get(key).bytes, "0,2");

  // An empty text value is stored and found, and handed out as no text.
  EXPECT_EQ(table.set(key, Value::ofText("")), SetResult::Replaced);
  bool found = false;
  EXPECT_EQ(table.get(key, &found).bytes, std::nullopt);
  EXPECT_TRUE(found);
}

TEST(KeyedTableSet, RefusesEmptyAndAbsentKeys) {
  for (const KeyKind kind : {KeyKind::Text, KeyKind::Bytes}) {
    KeyedTable table;
    ASSERT_TRUE(table.create(kind, ValueKind::Text));
    for (const Key& key : {Key::ofText(""), Key::ofText(nullptr), Key::ofRun("x", 0)}) {
      EXPECT_EQ(table.set(key, Value::ofText("1")), SetResult::Refused);
      EXPECT_FALSE(table.contains(key));
      bool found = true;
      table.get(key, &found);
      EXPECT_FALSE(found);
      EXPECT_FALSE(table.remove(key));
    }
    EXPECT_EQ(table.getCount(), 0);
  }
}

TEST(KeyedTableLifecycle, CopiesOutliveClearAndAClearedTableAnswersNothing) {
  KeyedTable table;
  EXPECT_EQ(table.set(Key::ofInt(1), Value::ofInt(1)), SetResult::Refused);  // never created
  ASSERT_TRUE(table.create(KeyKind::Text, ValueKind::Text, 64));
  table.set(Key::ofText("Alt + F2"), Value::ofText("1,3"));
  const ValueCopy copy = table.get(Key::ofText("Alt + F2"));
  KeyCopy key;
  table.rewind();
  ASSERT_TRUE(table.nextKey(key));
  table.clear();

  EXPECT_EQ(copy.bytes, "1,3");
  EXPECT_EQ(key.bytes, "Alt + F2");
  bool found = true;
  table.get(Key::ofText("Alt + F2"), &found);
  EXPECT_FALSE(found);
  EXPECT_FALSE(table.contains(Key::ofText("Alt + F2")));
  EXPECT_EQ(table.getCount(), 0);
  EXPECT_EQ(table.getCapacity(), 0);
  EXPECT_EQ(table.getKeyKind(), KeyKind::Text);  // the kinds of the last create stay
  EXPECT_FALSE(table.nextKey(key));
  EXPECT_EQ(table.set(Key::ofText("x"), Value::ofText("1")), SetResult::Refused);
}

TEST(KeyedTableResize, AcceptsOnlyPowersOfTwoAndKeepsEveryEntry) {
  KeyedTable table;
  ASSERT_TRUE(table.create(KeyKind::Int64, ValueKind::Double, 64));
  for (int i = 0; i < 40; ++i) table.set(Key::ofInt64(i * 1000003LL), Value::ofDouble(i / 4.0));
  for (const std::int32_t width : {100, 1, 0, -64}) {
    table.resize(width);
    EXPECT_EQ(table.getCapacity(), 64) << width;
  }
  for (const std::int32_t width : {8, 256, 2}) {
    table.resize(width);
    ASSERT_EQ(table.getCapacity(), width);
    for (int i = 0; i < 40; ++i) {
      ASSERT_EQ(table.get(Key::ofInt64(i * 1000003LL)).asDouble(), i / 4.0) << width;
    }
  }
}

std::vector<std::string> iterationOrder(KeyedTable& table) {
  std::vector<std::string> order;
  KeyCopy key;
  table.rewind();
  while (table.nextKey(key)) order.push_back(key.bytes);
  return order;
}

TEST(KeyedTableHashFamilies, OrderBucketsDifferentlyButFindTheSameEntries) {
  KeyedTable polynomial(HashFamily::Polynomial31);
  KeyedTable crc(HashFamily::Crc32c);
  KeyedTable crcAgain(HashFamily::Crc32c);
  for (KeyedTable* table : {&polynomial, &crc, &crcAgain}) {
    ASSERT_TRUE(table->create(KeyKind::Text, ValueKind::Text, 64));
    for (int i = 1; i <= 40; ++i) table->set(Key::ofText(hotkey(i)), Value::ofText(hotkey(i)));
  }
  EXPECT_NE(iterationOrder(polynomial), iterationOrder(crc));
  EXPECT_EQ(iterationOrder(crc), iterationOrder(crcAgain));
  for (int i = 1; i <= 40; ++i) {
    EXPECT_EQ(polynomial.get(Key::ofText(hotkey(i))).bytes, crc.get(Key::ofText(hotkey(i))).bytes);
  }
}

std::vector<std::int64_t> intKeysInOrder(KeyedTable& table) {
  std::vector<std::int64_t> order;
  KeyCopy key;
  ValueCopy value;
  table.rewind();
  while (table.next(key, value)) {
    EXPECT_EQ(value.asInt(), -key.number);
    order.push_back(key.number);
  }
  return order;
}

// Within a bucket, entries come in insertion order, and rebuilding the array keeps each old
// chain's order. Int keys are their own hash, which makes the buckets plain to see.
TEST(KeyedTableIteration, RunsInBucketThenInsertionOrderAcrossGrowth) {
  KeyedTable table;
  ASSERT_TRUE(table.create(KeyKind::Int, ValueKind::Int, 16, 0.75F, {.autoShrink = false}));
  for (std::int32_t key : {48, 1, 16, 0, 17, 32}) table.set(Key::ofInt(key), Value::ofInt(-key));
  EXPECT_EQ(intKeysInOrder(table), (std::vector<std::int64_t>{48, 16, 0, 32, 1, 17}));

  for (std::int32_t key = 2; key <= 8; ++key) table.set(Key::ofInt(key), Value::ofInt(-key));
  ASSERT_EQ(table.getCapacity(), 32);  // the 13th key
  EXPECT_EQ(intKeysInOrder(table),
            (std::vector<std::int64_t>{0, 32, 1, 2, 3, 4, 5, 6, 7, 8, 48, 16, 17}));

  table.resize(16);  // old bucket 0, then old bucket 16, make the new bucket 0
  EXPECT_EQ(intKeysInOrder(table),
            (std::vector<std::int64_t>{0, 32, 48, 16, 1, 17, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(KeyedTableIteration, GoesOnAfterTheCurrentEntryIsRemoved) {
  KeyedTable table;
  ASSERT_TRUE(table.create(KeyKind::Int, ValueKind::Int, 16, 0.75F, {.autoShrink = false}));
  for (std::int32_t key : {0, 16, 32, 1, 17}) table.set(Key::ofInt(key), Value::ofInt(key));
  std::multiset<std::int64_t> seen;
  KeyCopy key;
  table.rewind();
  while (table.nextKey(key)) {
    seen.insert(key.number);
    if (key.number == 0 || key.number == 32) table.remove(Key::ofInt(static_cast<int>(key.number)));
  }
  EXPECT_EQ(seen, (std::multiset<std::int64_t>{0, 16, 32, 1, 17}));
  EXPECT_EQ(table.getCount(), 3);
}

}  // namespace
}  // namespace quintrel
