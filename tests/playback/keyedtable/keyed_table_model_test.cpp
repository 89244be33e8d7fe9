// The keyed table against std::unordered_map as the model: random operation sequences for every
// key kind and both hash families, checking every result code, value and count, and the full
// contents through iteration. Three phases per run cover the table's layouts: pooled with Text
// values, without pool with Bytes values (zero bytes included), ordered with Int64 values and a low
// load factor (also checking every position).
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "playback/keyedtable/keyed_table.h"

namespace quintrel {
namespace {

struct TestKey {
  std::int64_t number = 0;
  std::string bytes;
};

class KeyedTableModelTest : public ::testing::TestWithParam<std::tuple<KeyKind, HashFamily>> {
 protected:
  KeyKind keyKind() const { return std::get<0>(GetParam()); }

  // A universe of a few hundred keys, so that lookups hit and chains collide often.
  std::vector<TestKey> makeKeys() {
    std::vector<TestKey> keys(300);
    for (TestKey& key : keys) {
      key.number = static_cast<std::int64_t>((std::uint64_t{draw()} << 32) | draw());
      key.bytes.resize(draw() % 20);  // length 0 sometimes: refused keys
      for (char& byte : key.bytes) {
        byte = static_cast<char>(keyKind() == KeyKind::Bytes ? draw() % 256 : 1 + draw() % 255);
      }
    }
    // Keys that differ only in case, a trailing blank, or the high half of a 64-bit number.
    keys[0].bytes = "Ctrl + F1";
    keys[1].bytes = "ctrl + F1";
    keys[2].bytes = "Ctrl + F1 ";
    keys[3].number = keys[4].number + (std::int64_t{1} << 40);
    keys[5].number = std::numeric_limits<std::int32_t>::min();
    // "Aa" and "BB" hash alike under the polynomial, and so do all their concatenations: equal
    // hashes and lengths, so only the key bytes tell these apart (lengths 2 to 20).
    std::size_t next = 6;
    for (const std::size_t pairs : {1, 2, 3, 5, 6, 9, 10}) {
      for (const char* first : {"Aa", "BB"}) {
        for (const char* second : {"Aa", "BB"}) {
          std::string text;
          for (std::size_t i = 0; i < pairs; ++i) text += i + 1 == pairs ? second : first;
          keys[next++].bytes = text;
        }
      }
    }
    if (keyKind() == KeyKind::Int) {
      for (TestKey& key : keys) key.number = static_cast<std::int32_t>(key.number);
    }
    return keys;
  }

  Key keyOf(const TestKey& key) const {
    switch (keyKind()) {
      case KeyKind::Int:
        return Key::ofInt(static_cast<std::int32_t>(key.number));
      case KeyKind::Int64:
        return Key::ofInt64(key.number);
      case KeyKind::Text:
        return Key::ofText(key.bytes.c_str());
      case KeyKind::Bytes:
        break;
    }
    return Key::ofRun(key.bytes.data(), key.bytes.size());
  }
  std::string modelKey(const TestKey& key) const {
    return keyKind() == KeyKind::Int || keyKind() == KeyKind::Int64 ? std::to_string(key.number)
                                                                    : key.bytes;
  }
  std::string modelKey(const KeyCopy& key) const {
    return keyKind() == KeyKind::Int || keyKind() == KeyKind::Int64 ? std::to_string(key.number)
                                                                    : key.bytes;
  }
  bool refused(const TestKey& key) const {
    return (keyKind() == KeyKind::Text || keyKind() == KeyKind::Bytes) && key.bytes.empty();
  }

  // Values as the model holds them: the bytes of a Text or Bytes value ("" when empty), the
  // decimal text of an Int64 value.
  std::string randomValue(ValueKind kind) {
    if (kind == ValueKind::Int64) return std::to_string(static_cast<std::int64_t>(draw()) - 7);
    std::string value(draw() % 12, '\0');
    for (char& byte : value) {
      byte = static_cast<char>(kind == ValueKind::Bytes ? draw() % 256 : 1 + draw() % 255);
    }
    return value;
  }
  static Value valueOf(ValueKind kind, const std::string& model) {
    if (kind == ValueKind::Int64) return Value::ofInt64(std::stoll(model));
    return Value::ofRun(model.data(), model.size());
  }
  static std::string modelValue(const ValueCopy& copy) {
    EXPECT_TRUE(!copy.bytes || !copy.bytes->empty()) << "an empty value is handed out as none";
    if (copy.kind == ValueKind::Int64) return std::to_string(copy.asInt64());
    return copy.bytes.value_or("");
  }

  void runPhase(ValueKind valueKind, float loadFactor, TableOptions options, int steps);

  std::uint32_t draw() { return static_cast<std::uint32_t>(random_()); }

  std::mt19937 random_{12345};
  KeyedTable table_{std::get<1>(GetParam())};
};

void KeyedTableModelTest::runPhase(ValueKind valueKind, float loadFactor, TableOptions options,
                                   int steps) {
  const std::vector<TestKey> keys = makeKeys();
  std::unordered_map<std::string, std::string> model;
  std::vector<std::string> order;  // insertion order, for ordered tables
  ASSERT_TRUE(table_.create(keyKind(), valueKind, 16, loadFactor, options));

  for (int step = 0; step < steps; ++step) {
    SCOPED_TRACE("step " + std::to_string(step));
    const TestKey& key = keys[draw() % keys.size()];
    const std::string name = modelKey(key);
    const auto found = model.find(name);
    const bool present = found != model.end();
    const bool filling = (step / 400) % 2 == 0;
    const unsigned roll = draw() % 100;

    if (roll < (filling ? 45U : 15U)) {
      const bool onlyIfAbsent = draw() % 5 == 0;
      const std::string value = randomValue(valueKind);
      const SetResult expected = refused(key)   ? SetResult::Refused
                                 : !present     ? SetResult::Added
                                 : onlyIfAbsent ? SetResult::KeptExisting
                                                : SetResult::Replaced;
      ASSERT_EQ(table_.set(keyOf(key), valueOf(valueKind, value), onlyIfAbsent), expected);
      if (expected == SetResult::Added) order.push_back(name);
      if (expected == SetResult::Added || expected == SetResult::Replaced) model[name] = value;
    } else if (roll < 60) {
      bool isFound = false;
      const ValueCopy copy = table_.get(keyOf(key), &isFound);
      ASSERT_EQ(isFound, present);
      ASSERT_EQ(copy.kind, valueKind);
      if (present) {
        ASSERT_EQ(modelValue(copy), found->second);
      }
      ASSERT_EQ(table_.contains(keyOf(key)), present);
    } else if (roll < 98) {
      ASSERT_EQ(table_.remove(keyOf(key)), present);
      model.erase(name);
      order.erase(std::remove(order.begin(), order.end(), name), order.end());
    } else {
      // The whole table, through iteration: every entry exactly once, with its value.
      std::unordered_map<std::string, std::string> seen;
      KeyCopy k;
      ValueCopy v;
      table_.rewind();
      while (table_.next(k, v)) ASSERT_TRUE(seen.emplace(modelKey(k), modelValue(v)).second);
      ASSERT_EQ(seen, model);
      ASSERT_FALSE(table_.next(k, v));
    }
    ASSERT_EQ(table_.getCount(), static_cast<std::int32_t>(model.size()));
    // The load factor holds after every operation, growth and shrinking included.
    const double factor = loadFactor == 0 ? 0.75 : loadFactor;
    ASSERT_LE(table_.getCount(), static_cast<std::int32_t>(table_.getCapacity() * factor));
    if (options.ordered && !model.empty()) {
      const std::string& probe = order[draw() % order.size()];
      const auto at = std::find_if(keys.begin(), keys.end(), [&](const TestKey& candidate) {
        return modelKey(candidate) == probe;
      });
      ASSERT_EQ(table_.indexOf(keyOf(*at)),
                (std::find(order.begin(), order.end(), probe) - order.begin()) + 1);
    }
  }
  table_.clear();
  EXPECT_EQ(table_.getCount(), 0);
}

TEST_P(KeyedTableModelTest, AgreesWithUnorderedMap) {
  runPhase(ValueKind::Text, 0, {}, 4000);
  runPhase(ValueKind::Bytes, 0.9F, {.autoShrink = true, .noPool = true}, 4000);
  runPhase(ValueKind::Int64, 0.3F, {.autoShrink = true, .ordered = true}, 3000);
}

std::string kindAndFamily(const ::testing::TestParamInfo<std::tuple<KeyKind, HashFamily>>& param) {
  const KeyKind kind = std::get<0>(param.param);
  const std::string family =
      std::get<1>(param.param) == HashFamily::Crc32c ? "Crc32c" : "Polynomial31";
  switch (kind) {
    case KeyKind::Int:
      return "Int" + family;
    case KeyKind::Int64:
      return "Int64" + family;
    case KeyKind::Text:
      return "Text" + family;
    case KeyKind::Bytes:
      break;
  }
  return "Bytes" + family;
}

INSTANTIATE_TEST_SUITE_P(KindsAndFamilies, KeyedTableModelTest,
                         ::testing::Combine(::testing::Values(KeyKind::Int, KeyKind::Int64,
                                                              KeyKind::Text, KeyKind::Bytes),
                                            ::testing::Values(HashFamily::Polynomial31,
                                                              HashFamily::Crc32c)),
                         kindAndFamily);

}  // namespace
}  // namespace quintrel
