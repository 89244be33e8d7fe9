// KeyedTable: the system's general-purpose hash table, from keys of one kind to values of one
// kind, both chosen at create().
//
// Separate chaining over a power-of-two bucket array; a bucket is the low bits of the key's hash
// (one of two hash families, key_hash.h). New entries go to the tail of their chain and a rehash
// keeps every chain's order, so iteration runs in bucket order and, within a bucket, in insertion
// order. An ordered table also numbers its entries 0 .. count-1 in insertion order.
//
// Everything the table owns (bucket array, nodes, stored values, node pool) lives in one private
// Arena, so clear() is one arena release however many entries there are (Object values aside,
// which are released one by one). Nodes and values of up to 1024 bytes come from the NodePool.
//
// A table that is not created answers every query with 0, false or nothing and changes nothing.
// Single-threaded, like everything that touches it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "playback/keyedtable/arena.h"
#include "playback/keyedtable/key_hash.h"
#include "playback/keyedtable/keyed_table_types.h"
#include "playback/keyedtable/node_pool.h"
#include "playback/keyedtable/table_node.h"

namespace quintrel {

enum class SetResult : std::int32_t { Refused = 0, Added = 1, Replaced = 2, KeptExisting = 3 };

struct TableOptions {
  bool autoShrink = true;  // halve the bucket array when removals leave it sparse
  bool noPool = false;     // nodes and values straight from the arena
  bool ordered = false;    // keep each entry's position in insertion order
};

class KeyedTable {
 public:
  static constexpr std::int32_t kMinCapacity = 16;
  static constexpr std::int32_t kMaxCapacity = 1 << 30;
  static constexpr float kDefaultLoadFactor = 0.75F;

  explicit KeyedTable(HashFamily family = defaultHashFamily())
      : family_(family), hash_(hashFunctionOf(family)) {}
  ~KeyedTable() { clear(); }
  KeyedTable(const KeyedTable&) = delete;
  KeyedTable& operator=(const KeyedTable&) = delete;

  // Starts the table afresh. Capacity becomes a power of two from 16 to 2^30 (rounded down);
  // a load factor outside (0, 1) becomes 0.75. False when no memory: the table is then not created.
  bool create(KeyKind keyKind, ValueKind valueKind, std::int32_t capacity = 0, float loadFactor = 0,
              TableOptions options = {});
  // Drops every entry and all memory at once; the table is then not created.
  void clear();
  // Rebuilds the bucket array for newCapacity buckets, a power of two of at least 2.
  void resize(std::int32_t newCapacity);

  SetResult set(const Key& key, const Value& value, bool onlyIfAbsent = false);
  SetResult put(const Key& key, const Value& value, bool onlyIfAbsent = false) {
    return set(key, value, onlyIfAbsent);
  }
  // Text and Bytes tables: key and value as byte runs of their own length.
  SetResult setRaw(std::string_view key, std::string_view value, bool onlyIfAbsent = false) {
    return set(Key::ofRun(key.data(), key.size()), Value::ofRun(value.data(), value.size()),
               onlyIfAbsent);
  }

  // A copy of the value (for Object tables the stored object itself, still the table's).
  ValueCopy get(const Key& key, bool* found = nullptr) const;
  // As get, into an existing variable; a missing key leaves it untouched.
  bool getInto(const Key& key, ValueCopy& value) const;
  // Object tables: a clone of the stored object (a new one when the slot is empty).
  bool getObject(const Key& key, void*& object) const;
  bool contains(const Key& key) const;
  bool containsRaw(std::string_view key) const {
    return contains(Key::ofRun(key.data(), key.size()));
  }
  // Values compare by kind: numbers by value, texts and bytes by content, objects by reference.
  bool containsValue(const Value& value) const;
  std::vector<KeyCopy> keysOfValue(const Value& value) const;
  bool remove(const Key& key);

  // Number kinds other than Bool: the stored value op= operand, in place. Division by zero is
  // refused.
  bool updateNumber(const Key& key, const Value& operand, NumberOperation operation,
                    ValueCopy* result = nullptr);

  // Ordered tables, with 1-based positions. insertAt adds or moves the entry to the position,
  // clamped to the table.
  SetResult insertAt(const Key& key, const Value& value, std::int32_t position,
                     bool onlyIfAbsent = false);
  std::int32_t indexOf(const Key& key) const;
  bool getAt(std::int32_t position, KeyCopy* key, ValueCopy* value) const;

  std::int32_t getCapacity() const { return capacity_; }
  std::int32_t getCount() const { return count_; }
  KeyKind getKeyKind() const { return keyKind_; }
  ValueKind getValueKind() const { return valueKind_; }
  HashFamily hashFamily() const { return family_; }

  // Copies of every key or value, in iteration order.
  std::vector<KeyCopy> keys() const;
  std::vector<ValueCopy> values() const;

  // Iteration in bucket and chain order; false, leaving the variables alone, when no entry is
  // left. Growth, shrinking and resize() start it over.
  void rewind();
  bool next(KeyCopy& key, ValueCopy& value);
  bool nextKey(KeyCopy& key);
  bool nextValue(ValueCopy& value);

  // A null handler keeps the one set before.
  void setValueHandler(ValueHandler* handler) {
    if (handler != nullptr) valueHandler_ = handler;
  }

  // Text tables: byte position of the first key that occurs in text (the longest one at that
  // position), or -1; from a start position, with the match length.
  std::int32_t findKeyInText(const char* text, KeyCopy* key = nullptr) const {
    return findKeyInTextFrom(text, key, 0, nullptr);
  }
  std::int32_t findKeyInTextFrom(const char* text, KeyCopy* key, std::int32_t start,
                                 std::int32_t* matchLength) const;

 private:
  using Node = table::Node;
  struct Lookup {
    std::uint32_t hash;
    std::uint32_t length;
    const char* data;
    std::int64_t number;
  };

  bool makeLookup(const Key& key, Lookup& lookup) const;
  bool matches(const Node* node, const Lookup& lookup) const;
  Node* find(const Key& key) const;
  bool rebuildBuckets(std::int32_t newCapacity);
  void releaseObjectValues();
  Node* advanceCursor();

  void* allocateBlock(std::size_t size) {
    return pool_ != nullptr ? pool_->allocate(size) : arena_.allocate(size);
  }
  void freeBlock(void* block, std::size_t size) {
    if (pool_ != nullptr)
      pool_->free(block, size);
    else
      arena_.free(block, size);
  }
  std::size_t nodeSize(std::uint32_t keyLength) const;
  char* valueSlot(Node* node) const { return reinterpret_cast<char*>(node) + sizeof(Node); }
  const char* valueSlot(const Node* node) const {
    return reinterpret_cast<const char*>(node) + sizeof(Node);
  }
  std::int32_t& sequence(Node* node) const;
  std::int32_t sequence(const Node* node) const;
  const char* keyPart(const Node* node) const {
    return reinterpret_cast<const char*>(node) + keyOffset_;
  }

  // Value slot access (table_values.cpp).
  bool storeValue(Node* node, const Value& value);
  bool replaceValue(Node* node, const Value& value);
  void releaseValue(Node* node);
  // Stores an empty or in-place Text or Bytes value; false, storing nothing, for a longer one.
  static bool storeShortText(char* slot, const Value& value) {
    if (value.data == nullptr || value.length == 0) {
      table::TextSlot{0}.store(slot);
      return true;
    }
    if (value.length > table::kLongestInPlace) return false;
    table::TextSlot::inPlaceOf(value.data, value.length).store(slot);
    return true;
  }
  // The copy get hands out.
  void copyOut(const Node* node, ValueCopy& copy) const {
    if (textValues_) {
      copy.kind = valueKind_;
      copyText(table::TextSlot::load(valueSlot(node)), copy);
    } else {
      copyValue(node, copy, false);
    }
  }
  void releaseText(table::TextSlot text);
  static void copyText(table::TextSlot text, ValueCopy& copy) {
    if (text.empty()) {
      copy.bytes.reset();
      return;
    }
    char buffer[table::kLongestInPlace];
    const bool inPlace = text.inPlace();
    const char* bytes = inPlace ? text.inPlaceBytes(buffer) : text.blockBytes();
    const std::size_t length = inPlace ? text.inPlaceLength() : text.blockLength();
    if (copy.bytes)
      copy.bytes->assign(bytes, length);
    else
      copy.bytes.emplace(bytes, length);
  }
  void copyValue(const Node* node, ValueCopy& copy, bool cloneObjects) const;
  void copyKey(const Node* node, KeyCopy& copy) const;
  bool valueEquals(const Node* node, const Value& value) const;
  void* storedObject(const Node* node) const;

  template <class Visit>
  void forEachNode(Visit&& visit) const {
    for (std::int32_t b = 0; b < capacity_; ++b) {
      for (Node* node = buckets_[b]; node != nullptr; node = node->next) visit(node);
    }
  }

  const HashFamily family_;
  const HashFunction hash_;
  Arena arena_;
  bool created_ = false;
  Node** buckets_ = nullptr;
  std::int32_t capacity_ = 0;
  std::uint32_t mask_ = 0;
  float loadFactor_ = kDefaultLoadFactor;
  std::int32_t count_ = 0;
  std::int32_t growThreshold_ = 0;
  KeyKind keyKind_ = KeyKind{0};
  ValueKind valueKind_ = ValueKind{0};
  std::uint32_t valueSize_ = 0;    // bytes of the value slot
  std::uint32_t keyOffset_ = 0;    // where the key part starts in a node
  std::int32_t cursorBucket_ = 0;  // next bucket to read once the cursor's chain is done
  Node* cursorNode_ = nullptr;     // the entry last handed out
  ValueHandler* valueHandler_ = nullptr;
  bool textValues_ = false;  // Text or Bytes values, which share the slot format of TextSlot
  bool autoShrink_ = false;
  bool ordered_ = false;
  std::uint32_t longestTextKey_ = 0;
  NodePool* pool_ = nullptr;
};

}  // namespace quintrel
