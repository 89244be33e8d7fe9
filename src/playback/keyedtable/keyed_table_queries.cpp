// The keyed table's secondary operations: searches by value, arithmetic in place, positions of an
// ordered table, whole-table copies and the search for keys inside a text. Nothing on the hot path
// of applying the hotkey list uses them; they favour simplicity over speed (most walk the table).
#include <algorithm>
#include <cstring>
#include <limits>

#include "playback/keyedtable/keyed_table.h"

namespace quintrel {
namespace {

template <class Number>
Number applied(Number a, Number b, NumberOperation operation) {
  switch (operation) {
    case NumberOperation::Add:
      return a + b;
    case NumberOperation::Subtract:
      return a - b;
    case NumberOperation::Multiply:
      return a * b;
    case NumberOperation::Divide:
      break;
  }
  return a / b;
}

}  // namespace

bool KeyedTable::containsValue(const Value& value) const {
  if (!created_) return false;
  bool found = false;
  forEachNode([&](const Node* node) { found = found || valueEquals(node, value); });
  return found;
}

std::vector<KeyCopy> KeyedTable::keysOfValue(const Value& value) const {
  std::vector<KeyCopy> keys;
  if (!created_) return keys;
  forEachNode([&](const Node* node) {
    if (valueEquals(node, value)) copyKey(node, keys.emplace_back());
  });
  return keys;
}

bool KeyedTable::getObject(const Key& key, void*& object) const {
  if (valueKind_ != ValueKind::Object) return false;
  const Node* node = find(key);
  if (node == nullptr) return false;
  ValueCopy copy;
  copyValue(node, copy, true);
  object = copy.object;
  return true;
}

bool KeyedTable::updateNumber(const Key& key, const Value& operand, NumberOperation operation,
                              ValueCopy* result) {
  if (!isNumberKind(valueKind_) || valueKind_ == ValueKind::Bool) return false;
  Node* node = find(key);
  if (node == nullptr) return false;
  ValueCopy current;
  copyValue(node, current, false);
  const bool divides = operation == NumberOperation::Divide;
  Value updated;
  switch (valueKind_) {
    case ValueKind::Float: {
      const auto b = Value::bitsOf<float>(static_cast<std::uint32_t>(operand.bits));
      if (divides && b == 0) return false;
      updated = Value::ofFloat(applied(current.asFloat(), b, operation));
      break;
    }
    case ValueKind::Double:
    case ValueKind::DateTime: {
      const auto b = Value::bitsOf<double>(operand.bits);
      if (divides && b == 0) return false;
      updated = Value::ofDouble(applied(current.asDouble(), b, operation));
      break;
    }
    case ValueKind::Int64: {
      const auto b = static_cast<std::int64_t>(operand.bits);
      if (divides && b == 0) return false;
      if (divides) {
        // The one quotient that does not fit wraps, as the other operations do.
        const std::int64_t a = current.asInt64();
        updated =
            Value::ofInt64(a == std::numeric_limits<std::int64_t>::min() && b == -1 ? a : a / b);
      } else {
        updated.bits = applied<std::uint64_t>(current.bits, operand.bits, operation);
      }
      break;
    }
    default: {  // Int and Short: exact in 64 bits, then wrapped to the kind's width
      const bool isShort = valueKind_ == ValueKind::Short;
      const std::int64_t a = isShort ? current.asShort() : current.asInt();
      const auto operand32 = static_cast<std::int32_t>(static_cast<std::uint32_t>(operand.bits));
      const std::int64_t b = isShort ? static_cast<std::int16_t>(operand32) : operand32;
      if (divides && b == 0) return false;
      const auto wrapped = static_cast<std::uint32_t>(applied(a, b, operation));
      updated = isShort ? Value::ofShort(static_cast<std::int16_t>(wrapped & 0xFFFFU))
                        : Value::ofInt(static_cast<std::int32_t>(wrapped));
      break;
    }
  }
  storeValue(node, updated);
  if (result != nullptr) copyValue(node, *result, false);
  return true;
}

SetResult KeyedTable::insertAt(const Key& key, const Value& value, std::int32_t position,
                               bool onlyIfAbsent) {
  if (!created_ || !ordered_) return SetResult::Refused;
  const SetResult result = set(key, value, onlyIfAbsent);
  if (result != SetResult::Added && result != SetResult::Replaced) return result;
  Node* moved = find(key);
  const std::int32_t from = sequence(moved);
  const std::int32_t to = std::clamp(position - 1, 0, count_ - 1);
  if (from == to) return result;
  forEachNode([&](Node* node) {
    std::int32_t& s = sequence(node);
    if (from < to && s > from && s <= to) --s;
    if (to < from && s >= to && s < from) ++s;
  });
  sequence(moved) = to;
  return result;
}

std::int32_t KeyedTable::indexOf(const Key& key) const {
  if (!ordered_) return 0;
  const Node* node = find(key);
  return node == nullptr ? 0 : sequence(node) + 1;
}

bool KeyedTable::getAt(std::int32_t position, KeyCopy* key, ValueCopy* value) const {
  if (!created_ || !ordered_ || position < 1 || position > count_) return false;
  const Node* at = nullptr;
  forEachNode([&](const Node* node) {
    if (sequence(node) == position - 1) at = node;
  });
  if (at == nullptr) return false;
  if (key != nullptr) copyKey(at, *key);
  if (value != nullptr) copyValue(at, *value, true);
  return true;
}

std::vector<KeyCopy> KeyedTable::keys() const {
  std::vector<KeyCopy> keys;
  keys.reserve(static_cast<std::size_t>(count_));
  forEachNode([&](const Node* node) { copyKey(node, keys.emplace_back()); });
  return keys;
}

std::vector<ValueCopy> KeyedTable::values() const {
  std::vector<ValueCopy> values;
  values.reserve(static_cast<std::size_t>(count_));
  forEachNode([&](const Node* node) { copyValue(node, values.emplace_back(), true); });
  return values;
}

std::int32_t KeyedTable::findKeyInTextFrom(const char* text, KeyCopy* key, std::int32_t start,
                                           std::int32_t* matchLength) const {
  if (!created_ || keyKind_ != KeyKind::Text || text == nullptr || count_ == 0) return -1;
  const std::size_t length = std::strlen(text);
  if (length > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) return -1;
  for (std::size_t position = start < 0 ? 0 : static_cast<std::size_t>(start); position < length;
       ++position) {
    // Longest first, so that "Ctrl + F1" wins over "Ctrl" at the same place.
    for (std::size_t size = std::min<std::size_t>(longestTextKey_, length - position); size > 0;
         --size) {
      if (const Node* node = find(Key::ofRun(text + position, size))) {
        if (key != nullptr) copyKey(node, *key);
        if (matchLength != nullptr) *matchLength = static_cast<std::int32_t>(size);
        return static_cast<std::int32_t>(position);
      }
    }
  }
  return -1;
}

}  // namespace quintrel
