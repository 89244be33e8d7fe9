// The kinds of keys and values a KeyedTable holds, and the forms in which they go in and come out.
//
// A key or value goes in as a view (Key, Value) in the form of the table's kind; the table copies
// what it keeps. Whatever comes out (KeyCopy, ValueCopy) is the caller's own copy and outlives the
// table's clear(); the one exception is get() on an Object table, which answers with the stored
// object itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

namespace quintrel {

// The codes are those create() takes; any other code means Int.
enum class KeyKind : std::int32_t { Int = 3, Int64 = 4, Text = 10, Bytes = 11 };

enum class ValueKind : std::int32_t {
  Short = 2,
  Int = 3,
  Int64 = 4,
  Float = 5,
  Double = 6,
  Bool = 7,
  DateTime = 8,  // a 64-bit floating date value
  Text = 10,
  Bytes = 11,
  Object = 99,
};

constexpr bool isNumberKind(ValueKind kind) {
  return kind != ValueKind::Text && kind != ValueKind::Bytes && kind != ValueKind::Object;
}

// A key as passed in: a number for Int and Int64 tables, a run of bytes for Text and Bytes tables.
// A Text key is a zero-terminated string; ofRun gives the run explicitly (what the raw operations
// take). A null or empty run is an absent key, which is never stored or found.
struct Key {
  std::int64_t number = 0;
  const char* data = nullptr;
  std::size_t length = 0;

  static Key ofInt(std::int32_t key) { return {key, nullptr, 0}; }
  static Key ofInt64(std::int64_t key) { return {key, nullptr, 0}; }
  static Key ofText(const char* text) { return {0, text, text == nullptr ? 0 : std::strlen(text)}; }
  // All bytes of the string (no second pass to find its end); the same key as ofText(c_str())
  // unless the string holds a zero byte.
  static Key ofText(const std::string& text) { return {0, text.data(), text.size()}; }
  static Key ofRun(const void* data, std::size_t length) {
    return {0, static_cast<const char*>(data), length};
  }
};

// A value as passed in. Number kinds carry their bytes in `bits` (little end first), Text and
// Bytes a run (null or empty: stored as an empty value), Object a reference the table clones.
struct Value {
  std::uint64_t bits = 0;
  const char* data = nullptr;
  std::size_t length = 0;
  void* object = nullptr;

  static Value ofShort(std::int16_t v) { return ofInt(v); }
  static Value ofInt(std::int32_t v) { return {static_cast<std::uint32_t>(v)}; }
  static Value ofInt64(std::int64_t v) { return {static_cast<std::uint64_t>(v)}; }
  static Value ofFloat(float v) { return {bitsOf<std::uint32_t>(v)}; }
  static Value ofDouble(double v) { return {bitsOf<std::uint64_t>(v)}; }
  static Value ofBool(bool v) { return {v ? 1U : 0U}; }
  static Value ofDateTime(double v) { return ofDouble(v); }
  static Value ofText(const char* text) {
    return {0, text, text == nullptr ? 0 : std::strlen(text), nullptr};
  }
  static Value ofText(const std::string& text) { return {0, text.data(), text.size(), nullptr}; }
  static Value ofRun(const void* data, std::size_t length) {
    return {0, static_cast<const char*>(data), length, nullptr};
  }
  static Value ofObject(void* object) { return {0, nullptr, 0, object}; }

  template <class To, class From>
  static To bitsOf(From from) {
    To to;
    static_assert(sizeof to == sizeof from);
    std::memcpy(&to, &from, sizeof to);
    return to;
  }
};

// A key handed to a caller: `number` for Int and Int64 keys, `bytes` for Text and Bytes keys.
struct KeyCopy {
  std::int64_t number = 0;
  std::string bytes;
  bool operator==(const KeyCopy&) const = default;
};

// A value handed to a caller, always of the table's value kind.
struct ValueCopy {
  ValueKind kind = ValueKind::Int;
  std::uint64_t bits = 0;            // number kinds: the stored bytes, zero-extended
  std::optional<std::string> bytes;  // Text and Bytes: none when the stored value is empty
  void* object = nullptr;            // Object: see the table's get, next and getObject

  std::int32_t asInt() const { return static_cast<std::int32_t>(static_cast<std::uint32_t>(bits)); }
  std::int16_t asShort() const { return static_cast<std::int16_t>(asInt()); }
  std::int64_t asInt64() const { return static_cast<std::int64_t>(bits); }
  bool asBool() const { return asInt() != 0; }
  float asFloat() const { return Value::bitsOf<float>(static_cast<std::uint32_t>(bits)); }
  double asDouble() const { return Value::bitsOf<double>(bits); }
};

// Makes, copies and frees the objects of an Object table. The table keeps its own clone of every
// object it is given and releases it when the value is replaced or removed, or the table cleared.
class ValueHandler {
 public:
  virtual ~ValueHandler() = default;
  virtual void* newValue() = 0;
  virtual void* cloneValue(const void* source) = 0;
  virtual void releaseValue(void* object) = 0;
};

enum class NumberOperation { Add, Subtract, Multiply, Divide };

}  // namespace quintrel
