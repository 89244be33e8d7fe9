// One entry of a KeyedTable: a single block from the node pool (or the arena), laid out as
//
//   Node header   next (a reference), hash, keyLength      16 bytes (with 4 unused on 32-bit)
//   value slot    4 or 8 bytes for numbers, 8 bytes for Text and Bytes values (below), one
//                 reference for Object values
//   sequence      int32 position in insertion order, ordered tables only
//   key part      Int: nothing (the hash is the key); Int64: 8 bytes;
//                 Text: keyLength bytes and a zero; Bytes: keyLength bytes
//
// A Text or Bytes value of up to 7 bytes lives in the slot itself, which spares an allocation and
// a dependent load on every store and lookup of the short values the table mostly holds (row
// numbers). A longer value lives in a ValueBlock of its own: uint32 length L >= 8, then the L bytes
// without a terminating zero. An empty value has no block.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace quintrel::table {

// 8-aligned so that the value slot after it is, where a reference takes only 4 bytes too.
struct alignas(8) Node {
  Node* next;
  std::uint32_t hash;       // compared before any key byte; for Int keys it is the key
  std::uint32_t keyLength;  // Text and Bytes keys
};
static_assert(sizeof(Node) % alignof(std::uint64_t) == 0, "the value slot after it stays aligned");

inline std::uint64_t loadWord(const char* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

// Where the second and third of four overlapping 8-byte words start in a run of 8 to 32 bytes,
// so that the words at 0, spread, n - 8 - spread and n - 8 cover it whole: lengths of keys
// vary from one call to the next, and a fixed sequence of moves cannot mispredict.
inline std::size_t overlapSpread(std::size_t n) { return n > 16 ? (n - 15) / 2 : 0; }

// Key bytes compare after the hash and the length already agree, so nearly every call answers
// true: overlapping words cover keys of 4 to 32 bytes (all hotkey texts) without a loop, a
// length-dependent branch or a library call.
inline bool keyBytesEqual(const char* a, const char* b, std::size_t n) {
  if (n - 8 <= 24) {  // 8 to 32
    const std::size_t spread = overlapSpread(n);
    const std::size_t third = n - 8 - spread;
    return ((loadWord(a) ^ loadWord(b)) | (loadWord(a + spread) ^ loadWord(b + spread)) |
            (loadWord(a + third) ^ loadWord(b + third)) |
            (loadWord(a + n - 8) ^ loadWord(b + n - 8))) == 0;
  }
  if (n > 32) return std::memcmp(a, b, n) == 0;
  if (n >= 4) {
    std::uint32_t a0, b0, a1, b1;
    std::memcpy(&a0, a, 4);
    std::memcpy(&b0, b, 4);
    std::memcpy(&a1, a + n - 4, 4);
    std::memcpy(&b1, b + n - 4, 4);
    return ((a0 ^ b0) | (a1 ^ b1)) == 0;
  }
  for (std::size_t i = 0; i < n; ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

inline constexpr std::size_t kValueBlockHeader = sizeof(std::uint32_t);

// The 8-byte slot of a Text or Bytes value, read as one little-end-first 64-bit word:
//  - zero: the empty value;
//  - low bit set: the value in place, its length in bits 1 to 3 of the low byte and its bytes in
//    the seven bytes above (on a little-endian machine: the slot's bytes 1 to 7, in order);
//  - otherwise: the address of the ValueBlock (blocks are 8-aligned, so its low bit is clear).
inline constexpr std::size_t kTextSlotSize = 8;
inline constexpr std::size_t kLongestInPlace = 7;

struct TextSlot {
  std::uint64_t word;

  static TextSlot load(const char* slot) {
    TextSlot s;
    std::memcpy(&s.word, slot, sizeof s.word);
    return s;
  }
  void store(char* slot) const { std::memcpy(slot, &word, sizeof word); }

  bool inPlace() const { return (word & 1U) != 0; }
  bool empty() const { return word == 0; }
  std::uint32_t inPlaceLength() const { return static_cast<std::uint32_t>(word >> 1) & 7U; }
  void* block() const { return reinterpret_cast<void*>(static_cast<std::uintptr_t>(word)); }
  std::uint32_t blockLength() const {
    std::uint32_t length;
    std::memcpy(&length, block(), sizeof length);
    return length;
  }
  const char* blockBytes() const { return static_cast<const char*>(block()) + kValueBlockHeader; }

  static TextSlot ofBlock(const void* block) {
    return {static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(block))};
  }
  // length <= kLongestInPlace; data may be null when length is 0.
  static TextSlot inPlaceOf(const char* data, std::size_t length) {
    std::uint64_t bytes = 0;  // byte i of the value in bits 8i to 8i + 7
    if constexpr (std::endian::native == std::endian::little) {
      // Two overlapping loads (or three single bytes) instead of a loop: the overlap ORs equal
      // bytes onto each other.
      if (length >= 4) {
        std::uint32_t head, tail;
        std::memcpy(&head, data, 4);
        std::memcpy(&tail, data + length - 4, 4);
        bytes = head | (std::uint64_t{tail} << (8 * (length - 4)));
      } else if (length > 0) {
        bytes = std::uint64_t{static_cast<unsigned char>(data[0])} |
                std::uint64_t{static_cast<unsigned char>(data[length / 2])} << (8 * (length / 2)) |
                std::uint64_t{static_cast<unsigned char>(data[length - 1])} << (8 * (length - 1));
      }
    } else {
      for (std::size_t i = length; i-- > 0;) {
        bytes = (bytes << 8) | static_cast<unsigned char>(data[i]);
      }
    }
    return {(bytes << 8) | (std::uint64_t{length} << 1) | 1U};
  }
  // The bytes of an in-place value; buffer must hold kLongestInPlace bytes.
  const char* inPlaceBytes(char* buffer) const {
    std::uint64_t bytes = word >> 8;
    if constexpr (std::endian::native == std::endian::little) {
      std::memcpy(buffer, &bytes, kLongestInPlace);
    } else {
      for (std::size_t i = 0; i < kLongestInPlace; ++i, bytes >>= 8) {
        buffer[i] = static_cast<char>(bytes & 0xFFU);
      }
    }
    return buffer;
  }
};

// Copies a key of any length; keys of 8 to 32 bytes (nearly all hotkey texts) take four
// overlapping moves instead of a library call.
inline void copyKeyBytes(char* to, const char* from, std::size_t n) {
  if (n - 8 <= 24) {
    const std::size_t spread = overlapSpread(n);
    const std::size_t third = n - 8 - spread;
    const std::uint64_t w0 = loadWord(from), w1 = loadWord(from + spread),
                        w2 = loadWord(from + third), w3 = loadWord(from + n - 8);
    std::memcpy(to, &w0, 8);
    std::memcpy(to + spread, &w1, 8);
    std::memcpy(to + third, &w2, 8);
    std::memcpy(to + n - 8, &w3, 8);
  } else if (n > 32) {
    std::memcpy(to, from, n);
  } else if (n >= 4) {
    std::uint32_t head, tail;
    std::memcpy(&head, from, 4);
    std::memcpy(&tail, from + n - 4, 4);
    std::memcpy(to, &head, 4);
    std::memcpy(to + n - 4, &tail, 4);
  } else {
    for (std::size_t i = 0; i < n; ++i) to[i] = from[i];
  }
}

}  // namespace quintrel::table
