// One entry of a KeyedTable: a single block from the node pool (or the arena), laid out as
//
//   Node header   next (a reference), hash, keyLength      16 bytes on 64-bit builds
//   value slot    4 or 8 bytes for numbers, one reference for Text, Bytes and Object values
//   sequence      int32 position in insertion order, ordered tables only
//   key part      Int: nothing (the hash is the key); Int64: 8 bytes;
//                 Text: keyLength bytes and a zero; Bytes: keyLength bytes
//
// Text and Bytes values live in a ValueBlock of their own: uint32 length L >= 1, then the L bytes
// without a terminating zero; an empty value has no block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace quintrel::table {

struct Node {
  Node* next;
  std::uint32_t hash;       // compared before any key byte; for Int keys it is the key
  std::uint32_t keyLength;  // Text and Bytes keys
};
static_assert(sizeof(Node) % alignof(std::uint64_t) == 0, "the value slot after it stays aligned");

// Key bytes compare after the hash and the length already agree, so nearly every call answers
// true: two overlapping words cover keys of 4 to 16 bytes (most hotkey texts) without a loop or
// a library call.
inline bool keyBytesEqual(const char* a, const char* b, std::size_t n) {
  if (n > 16) return std::memcmp(a, b, n) == 0;
  if (n >= 8) {
    std::uint64_t a0, b0, a1, b1;
    std::memcpy(&a0, a, 8);
    std::memcpy(&b0, b, 8);
    std::memcpy(&a1, a + n - 8, 8);
    std::memcpy(&b1, b + n - 8, 8);
    return ((a0 ^ b0) | (a1 ^ b1)) == 0;
  }
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

}  // namespace quintrel::table
