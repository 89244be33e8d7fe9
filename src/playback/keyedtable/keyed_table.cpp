// Creation, lookup, insertion, removal, rehashing and iteration of the keyed table.
#include "playback/keyedtable/keyed_table.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cmath>
#include <cstring>

namespace quintrel {
namespace {

KeyKind normalisedKeyKind(KeyKind kind) {
  switch (kind) {
    case KeyKind::Int:
    case KeyKind::Int64:
    case KeyKind::Text:
    case KeyKind::Bytes:
      return kind;
  }
  return KeyKind::Int;
}

ValueKind normalisedValueKind(ValueKind kind) {
  switch (kind) {
    case ValueKind::Short:
    case ValueKind::Int:
    case ValueKind::Int64:
    case ValueKind::Float:
    case ValueKind::Double:
    case ValueKind::Bool:
    case ValueKind::DateTime:
    case ValueKind::Text:
    case ValueKind::Bytes:
    case ValueKind::Object:
      return kind;
  }
  return ValueKind::Int;
}

std::uint32_t slotSizeOf(ValueKind kind) {
  switch (kind) {
    case ValueKind::Int64:
    case ValueKind::Double:
    case ValueKind::DateTime:
      return 8;
    case ValueKind::Text:
    case ValueKind::Bytes:
      return table::kTextSlotSize;
    case ValueKind::Object:
      return sizeof(void*);
    default:
      return 4;
  }
}

std::int32_t normalisedCapacity(std::int32_t capacity) {
  if (capacity < KeyedTable::kMinCapacity) return KeyedTable::kMinCapacity;
  const auto highestBit = std::bit_floor(static_cast<std::uint32_t>(capacity));
  return static_cast<std::int32_t>(
      std::min(highestBit, static_cast<std::uint32_t>(KeyedTable::kMaxCapacity)));
}

float normalisedLoadFactor(float loadFactor) {
  const double f = loadFactor;
  // Written so that NaN fails both comparisons and falls to the default.
  return (0.0000001 < f && f - 1 < -0.0000001) ? loadFactor : KeyedTable::kDefaultLoadFactor;
}

std::int32_t thresholdOf(std::int32_t capacity, float loadFactor) {
  return static_cast<std::int32_t>(static_cast<double>(capacity) * loadFactor);
}

}  // namespace

bool KeyedTable::create(KeyKind keyKind, ValueKind valueKind, std::int32_t capacity,
                        float loadFactor, TableOptions options) {
  clear();
  keyKind_ = normalisedKeyKind(keyKind);
  valueKind_ = normalisedValueKind(valueKind);
  capacity = normalisedCapacity(capacity);
  loadFactor_ = normalisedLoadFactor(loadFactor);
  buckets_ = static_cast<Node**>(arena_.allocateZeroed(sizeof(Node*) * std::size_t(capacity)));
  if (buckets_ == nullptr) {
    arena_.release();
    return false;
  }
  if (!options.noPool && (pool_ = NodePool::create(arena_)) == nullptr) {
    arena_.release();
    buckets_ = nullptr;
    return false;
  }
  created_ = true;
  capacity_ = capacity;
  mask_ = static_cast<std::uint32_t>(capacity) - 1;
  growThreshold_ = thresholdOf(capacity, loadFactor_);
  valueSize_ = slotSizeOf(valueKind_);
  textValues_ = valueKind_ == ValueKind::Text || valueKind_ == ValueKind::Bytes;
  autoShrink_ = options.autoShrink;
  ordered_ = options.ordered;
  keyOffset_ = static_cast<std::uint32_t>(sizeof(Node)) + valueSize_ + (ordered_ ? 4U : 0U);
  rewind();
  return true;
}

void KeyedTable::clear() {
  if (!created_) return;
  if (valueKind_ == ValueKind::Object && count_ > 0) releaseObjectValues();
  arena_.release();
  created_ = false;
  buckets_ = nullptr;
  pool_ = nullptr;
  capacity_ = count_ = growThreshold_ = 0;
  mask_ = 0;
  longestTextKey_ = 0;
  valueSize_ = keyOffset_ = 0;
  textValues_ = autoShrink_ = ordered_ = false;
  rewind();
}

void KeyedTable::releaseObjectValues() {
  forEachNode([this](Node* node) {
    if (void* object = storedObject(node)) valueHandler_->releaseValue(object);
  });
}

void KeyedTable::resize(std::int32_t newCapacity) {
  if (!created_ || newCapacity == capacity_ || newCapacity < 2 || newCapacity > kMaxCapacity ||
      !std::has_single_bit(static_cast<std::uint32_t>(newCapacity))) {
    return;
  }
  // Bucket order changes with the width, so a cursor could not go on where it stood.
  if (rebuildBuckets(newCapacity)) rewind();
}

bool KeyedTable::rebuildBuckets(std::int32_t newCapacity) {
  const bool doubling = newCapacity == capacity_ * 2;
  // Doubling writes every new bucket below, so only other widths need the array zero-filled.
  const std::size_t bytes = sizeof(Node*) * std::size_t(newCapacity);
  auto* fresh =
      static_cast<Node**>(doubling ? arena_.allocate(bytes) : arena_.allocateZeroed(bytes));
  if (fresh == nullptr) return false;  // the table goes on with its old width
  const auto newMask = static_cast<std::uint32_t>(newCapacity) - 1;
  if (doubling) {
    // Growth: old bucket b splits into b and b + capacity, each keeping the chain's order. The
    // nodes lie scattered over the pool, so in a table larger than the caches each chain head is
    // requested a few buckets ahead of its visit, and the misses overlap instead of queueing.
    // The two tails stay in registers and are chosen by selects: which half a node goes to is
    // a coin toss, which a branch would mispredict half the time.
    constexpr std::int32_t kAhead = 8;
    const auto upperBit = static_cast<std::uint32_t>(capacity_);
    for (std::int32_t b = 0; b < capacity_; ++b) {
      if (b + kAhead < capacity_) __builtin_prefetch(buckets_[b + kAhead]);
      Node** lower = &fresh[b];
      Node** upper = &fresh[b + capacity_];
      for (Node* node = buckets_[b]; node != nullptr; node = node->next) {
        const bool up = (node->hash & upperBit) != 0;
        *(up ? upper : lower) = node;
        lower = up ? lower : &node->next;
        upper = up ? &node->next : upper;
      }
      *lower = nullptr;
      *upper = nullptr;
    }
  } else {
    // Any other width: walk all nodes in reverse iteration order (chains reversed in place, last
    // bucket first) and push each to the front of its new chain, which leaves every new chain in
    // forward order without a separate array of tails.
    for (std::int32_t b = capacity_ - 1; b >= 0; --b) {
      Node* reversed = nullptr;
      for (Node* node = buckets_[b]; node != nullptr;) {
        Node* following = node->next;
        node->next = reversed;
        reversed = node;
        node = following;
      }
      for (Node* node = reversed; node != nullptr;) {
        Node* following = node->next;
        Node*& head = fresh[node->hash & newMask];
        node->next = head;
        head = node;
        node = following;
      }
    }
  }
  arena_.free(buckets_, sizeof(Node*) * std::size_t(capacity_));
  buckets_ = fresh;
  capacity_ = newCapacity;
  mask_ = newMask;
  growThreshold_ = thresholdOf(newCapacity, loadFactor_);
  return true;
}

inline bool KeyedTable::makeLookup(const Key& key, Lookup& lookup) const {
  switch (keyKind_) {
    case KeyKind::Int:
      lookup = {static_cast<std::uint32_t>(key.number), 0, nullptr, key.number};
      return true;
    case KeyKind::Int64:
      lookup = {hashInt64(family_, key.number), 0, nullptr, key.number};
      return true;
    case KeyKind::Text:
    case KeyKind::Bytes:
      // Empty and absent keys are never stored, so they are never found either. Lengths are
      // kept in 32 bits.
      if (key.data == nullptr || key.length == 0 || key.length > 0x7FFFFFFFU) return false;
      lookup = {hash_(key.data, key.length), static_cast<std::uint32_t>(key.length), key.data, 0};
      return true;
  }
  return false;
}

inline bool KeyedTable::matches(const Node* node, const Lookup& lookup) const {
  if (node->hash != lookup.hash) return false;
  switch (keyKind_) {
    case KeyKind::Int:
      return true;
    case KeyKind::Int64: {
      std::int64_t stored;
      std::memcpy(&stored, keyPart(node), sizeof stored);
      return stored == lookup.number;
    }
    default:
      return node->keyLength == lookup.length &&
             table::keyBytesEqual(keyPart(node), lookup.data, lookup.length);
  }
}

KeyedTable::Node* KeyedTable::find(const Key& key) const {
  Lookup lookup;
  if (!created_ || !makeLookup(key, lookup)) return nullptr;
  for (Node* node = buckets_[lookup.hash & mask_]; node != nullptr; node = node->next) {
    if (matches(node, lookup)) return node;
  }
  return nullptr;
}

std::size_t KeyedTable::nodeSize(std::uint32_t keyLength) const {
  switch (keyKind_) {
    case KeyKind::Int:
      return keyOffset_;
    case KeyKind::Int64:
      return keyOffset_ + sizeof(std::int64_t);
    case KeyKind::Text:
      return keyOffset_ + keyLength + 1;
    case KeyKind::Bytes:
      break;
  }
  return keyOffset_ + keyLength;
}

std::int32_t& KeyedTable::sequence(Node* node) const {
  assert(ordered_ && "only ordered tables number their entries");
  return *reinterpret_cast<std::int32_t*>(valueSlot(node) + valueSize_);
}

std::int32_t KeyedTable::sequence(const Node* node) const {
  std::int32_t position;
  std::memcpy(&position, valueSlot(node) + valueSize_, sizeof position);
  return position;
}

SetResult KeyedTable::set(const Key& key, const Value& value, bool onlyIfAbsent) {
  if (!created_ || (valueKind_ == ValueKind::Object && valueHandler_ == nullptr)) {
    return SetResult::Refused;
  }
  Lookup lookup;
  if (!makeLookup(key, lookup)) return SetResult::Refused;
  Node** tail = &buckets_[lookup.hash & mask_];
  for (Node* node = *tail; node != nullptr; node = node->next) {
    if (matches(node, lookup)) {
      if (onlyIfAbsent) return SetResult::KeptExisting;
      if (textValues_) {
        // A short value over a short one: nothing to allocate and nothing to free.
        char* slot = valueSlot(node);
        const table::TextSlot old = table::TextSlot::load(slot);
        if ((old.empty() || old.inPlace()) && storeShortText(slot, value)) {
          return SetResult::Replaced;
        }
      }
      return replaceValue(node, value) ? SetResult::Replaced : SetResult::Refused;
    }
    tail = &node->next;
  }

  const std::size_t size = nodeSize(lookup.length);
  auto* node = static_cast<Node*>(allocateBlock(size));
  if (node == nullptr) return SetResult::Refused;
  node->next = nullptr;
  node->hash = lookup.hash;
  node->keyLength = lookup.length;
  char* keyBytes = reinterpret_cast<char*>(node) + keyOffset_;
  if (keyKind_ == KeyKind::Int64) {
    std::memcpy(keyBytes, &lookup.number, sizeof lookup.number);
  } else if (lookup.data != nullptr) {
    table::copyKeyBytes(keyBytes, lookup.data, lookup.length);
    if (keyKind_ == KeyKind::Text) keyBytes[lookup.length] = '\0';
  }
  if (!(textValues_ && storeShortText(valueSlot(node), value)) && !storeValue(node, value)) {
    freeBlock(node, size);
    return SetResult::Refused;
  }
  if (ordered_) sequence(node) = count_;
  *tail = node;
  if (keyKind_ == KeyKind::Text && lookup.length > longestTextKey_) longestTextKey_ = lookup.length;
  if (++count_ > growThreshold_ && capacity_ < kMaxCapacity && rebuildBuckets(capacity_ * 2)) {
    rewind();
  }
  return SetResult::Added;
}

ValueCopy KeyedTable::get(const Key& key, bool* found) const {
  ValueCopy copy;
  copy.kind = valueKind_;
  const Node* node = find(key);
  if (found != nullptr) *found = node != nullptr;
  if (node != nullptr) copyOut(node, copy);
  return copy;
}

bool KeyedTable::getInto(const Key& key, ValueCopy& value) const {
  const Node* node = find(key);
  if (node == nullptr) return false;
  copyOut(node, value);
  return true;
}

bool KeyedTable::contains(const Key& key) const { return find(key) != nullptr; }

bool KeyedTable::remove(const Key& key) {
  Lookup lookup;
  if (!created_ || count_ == 0 || !makeLookup(key, lookup)) return false;
  const std::uint32_t bucket = lookup.hash & mask_;
  Node* previous = nullptr;
  Node* node = buckets_[bucket];
  while (node != nullptr && !matches(node, lookup)) {
    previous = node;
    node = node->next;
  }
  if (node == nullptr) return false;
  (previous != nullptr ? previous->next : buckets_[bucket]) = node->next;

  // An iteration standing on this entry goes on with the one after it.
  if (cursorNode_ == node) {
    cursorNode_ = previous;
    if (previous == nullptr) cursorBucket_ = static_cast<std::int32_t>(bucket);
  }
  if (ordered_) {
    const std::int32_t removed = sequence(node);
    forEachNode([&](Node* other) {
      if (sequence(other) > removed) --sequence(other);
    });
  }
  releaseValue(node);
  freeBlock(node, nodeSize(node->keyLength));
  --count_;

  // Shrink when sparse, but never below what the load factor lets the remaining entries fill.
  if (autoShrink_ && capacity_ > kMinCapacity && (count_ == 0 || capacity_ / count_ >= 8) &&
      count_ <= thresholdOf(capacity_ / 2, loadFactor_) && rebuildBuckets(capacity_ / 2)) {
    rewind();
  }
  return true;
}

void KeyedTable::rewind() {
  cursorBucket_ = 0;
  cursorNode_ = nullptr;
}

KeyedTable::Node* KeyedTable::advanceCursor() {
  if (!created_) return nullptr;
  Node* node = cursorNode_ != nullptr ? cursorNode_->next : nullptr;
  while (node == nullptr && cursorBucket_ < capacity_) node = buckets_[cursorBucket_++];
  cursorNode_ = node;  // none at the end, where it stays until rewind()
  return node;
}

bool KeyedTable::nextKey(KeyCopy& key) {
  const Node* node = advanceCursor();
  if (node != nullptr) copyKey(node, key);
  return node != nullptr;
}

bool KeyedTable::next(KeyCopy& key, ValueCopy& value) {
  const Node* node = advanceCursor();
  if (node == nullptr) return false;
  copyKey(node, key);
  copyValue(node, value, true);
  return true;
}

bool KeyedTable::nextValue(ValueCopy& value) {
  const Node* node = advanceCursor();
  if (node != nullptr) copyValue(node, value, true);
  return node != nullptr;
}

}  // namespace quintrel
