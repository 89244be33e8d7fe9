// The value slot and key part of a keyed-table node: storing, replacing, releasing, copying out
// and comparing.
#include <cstring>

#include "playback/keyedtable/keyed_table.h"

namespace quintrel {
namespace {

void* loadReference(const char* slot) {
  void* reference;
  std::memcpy(&reference, slot, sizeof reference);
  return reference;
}

void storeReference(char* slot, const void* reference) {
  std::memcpy(slot, &reference, sizeof reference);
}

}  // namespace

void* KeyedTable::storedObject(const Node* node) const { return loadReference(valueSlot(node)); }

// Numbers are kept in native order in slots of their width, so reading them back is a plain load
// whatever the machine's byte order.
bool KeyedTable::storeValue(Node* node, const Value& value) {
  char* slot = valueSlot(node);
  switch (valueKind_) {
    case ValueKind::Text:
    case ValueKind::Bytes: {
      if (value.data == nullptr || value.length == 0) {
        table::TextSlot{0}.store(slot);
        return true;
      }
      if (value.length <= table::kLongestInPlace) {
        table::TextSlot::inPlaceOf(value.data, value.length).store(slot);
        return true;
      }
      if (value.length > 0x7FFFFFFFU) return false;
      const auto length = static_cast<std::uint32_t>(value.length);
      void* block = allocateBlock(table::kValueBlockHeader + length);
      if (block == nullptr) return false;
      std::memcpy(block, &length, sizeof length);
      std::memcpy(static_cast<char*>(block) + table::kValueBlockHeader, value.data, length);
      table::TextSlot::ofBlock(block).store(slot);
      return true;
    }
    case ValueKind::Object:
      storeReference(slot,
                     value.object != nullptr ? valueHandler_->cloneValue(value.object) : nullptr);
      return true;
    default:
      if (valueSize_ == 8) {
        std::memcpy(slot, &value.bits, 8);
      } else {
        const auto bits = static_cast<std::uint32_t>(value.bits);
        std::memcpy(slot, &bits, 4);
      }
      return true;
  }
}

// The new value is stored before the old one goes: the caller's value may be the stored object
// itself (get hands it out), which must not be released before it is cloned.
bool KeyedTable::replaceValue(Node* node, const Value& value) {
  if (isNumberKind(valueKind_)) return storeValue(node, value);
  char* slot = valueSlot(node);
  if (valueKind_ == ValueKind::Object) {
    void* old = loadReference(slot);
    if (!storeValue(node, value)) {
      storeReference(slot, old);
      return false;
    }
    if (old != nullptr) valueHandler_->releaseValue(old);
    return true;
  }
  const table::TextSlot old = table::TextSlot::load(slot);
  if (!storeValue(node, value)) {
    old.store(slot);
    return false;
  }
  releaseText(old);
  return true;
}

void KeyedTable::releaseText(table::TextSlot text) {
  if (!text.empty() && !text.inPlace()) {
    freeBlock(text.block(), table::kValueBlockHeader + text.blockLength());
  }
}

void KeyedTable::releaseValue(Node* node) {
  if (isNumberKind(valueKind_)) return;
  if (valueKind_ != ValueKind::Object) {
    releaseText(table::TextSlot::load(valueSlot(node)));
    return;
  }
  if (void* stored = loadReference(valueSlot(node))) valueHandler_->releaseValue(stored);
}

void KeyedTable::copyValue(const Node* node, ValueCopy& copy, bool cloneObjects) const {
  const char* slot = valueSlot(node);
  copy.kind = valueKind_;
  switch (valueKind_) {
    case ValueKind::Text:
    case ValueKind::Bytes:
      copyText(table::TextSlot::load(slot), copy);
      return;
    case ValueKind::Object: {
      void* stored = loadReference(slot);
      copy.object = !cloneObjects       ? stored
                    : stored != nullptr ? valueHandler_->cloneValue(stored)
                                        : valueHandler_->newValue();
      return;
    }
    default:
      if (valueSize_ == 8) {
        std::memcpy(&copy.bits, slot, 8);
      } else {
        std::uint32_t bits;
        std::memcpy(&bits, slot, 4);
        copy.bits = bits;
      }
      return;
  }
}

void KeyedTable::copyKey(const Node* node, KeyCopy& copy) const {
  switch (keyKind_) {
    case KeyKind::Int:
      copy.number = static_cast<std::int32_t>(node->hash);
      copy.bytes.clear();
      return;
    case KeyKind::Int64:
      std::memcpy(&copy.number, keyPart(node), sizeof copy.number);
      copy.bytes.clear();
      return;
    case KeyKind::Text:
    case KeyKind::Bytes:
      copy.number = 0;
      copy.bytes.assign(keyPart(node), node->keyLength);
      return;
  }
}

bool KeyedTable::valueEquals(const Node* node, const Value& value) const {
  ValueCopy stored;
  switch (valueKind_) {
    case ValueKind::Text:
    case ValueKind::Bytes: {
      const table::TextSlot text = table::TextSlot::load(valueSlot(node));
      const std::size_t length = value.data == nullptr ? 0 : value.length;
      if (text.empty()) return length == 0;
      char buffer[table::kLongestInPlace];
      const bool inPlace = text.inPlace();
      const std::size_t storedLength = inPlace ? text.inPlaceLength() : text.blockLength();
      const char* bytes = inPlace ? text.inPlaceBytes(buffer) : text.blockBytes();
      return storedLength == length && std::memcmp(bytes, value.data, length) == 0;
    }
    case ValueKind::Object:
      return loadReference(valueSlot(node)) == value.object;
    case ValueKind::Float:
      copyValue(node, stored, false);
      return stored.asFloat() == Value::bitsOf<float>(static_cast<std::uint32_t>(value.bits));
    case ValueKind::Double:
    case ValueKind::DateTime:
      copyValue(node, stored, false);
      return stored.asDouble() == Value::bitsOf<double>(value.bits);
    default:
      copyValue(node, stored, false);
      return valueSize_ == 8 ? stored.bits == value.bits
                             : stored.bits == static_cast<std::uint32_t>(value.bits);
  }
}

}  // namespace quintrel
