#include "playback/keyedtable/key_hash.h"

#include <array>
#include <cstring>

#include "playback/keyedtable/processor_features.h"

#if (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || defined(__i386__))
#define QUINTREL_HAS_CRC32_BUILTINS 1
#endif

namespace quintrel {
namespace {

constexpr std::uint32_t kReflectedCastagnoli = 0x82F63B78U;

constexpr std::array<std::uint32_t, 256> makeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t byte = 0; byte < 256; ++byte) {
    std::uint32_t crc = byte;
    for (int bit = 0; bit < 8; ++bit)
      crc = (crc >> 1) ^ ((crc & 1U) != 0 ? kReflectedCastagnoli : 0);
    table[byte] = crc;
  }
  return table;
}
constexpr std::array<std::uint32_t, 256> kCrcTable = makeCrcTable();

#ifdef QUINTREL_HAS_CRC32_BUILTINS
#if defined(__x86_64__)
inline std::uint64_t load64(const unsigned char* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

// The first `length` bytes (1 to 7) as a little-endian word, read without going past them.
inline std::uint64_t loadShort(const unsigned char* bytes, std::size_t length) {
  if (length >= 4) {
    std::uint32_t head, tail;
    std::memcpy(&head, bytes, 4);
    std::memcpy(&tail, bytes + length - 4, 4);
    return head | (std::uint64_t{tail} << (8 * (length - 4)));
  }
  return std::uint64_t{bytes[0]} | std::uint64_t{bytes[length / 2]} << (8 * (length / 2)) |
         std::uint64_t{bytes[length - 1]} << (8 * (length - 1));
}

// The word that covers stream bytes [offset, offset + 8) of a key of at least 8 bytes preceded by
// zeros: offset may be negative down to -16, and the zero bytes land at the low (earlier) end.
inline std::uint64_t paddedWord(const unsigned char* bytes, std::ptrdiff_t offset) {
  const std::uint64_t word = load64(bytes + (offset > 0 ? offset : 0));
  const std::ptrdiff_t zeros = offset < 0 ? -offset : 0;
  return zeros >= 8 ? 0 : word << (8 * zeros);
}
#endif

// Eight (or four) bytes per instruction: the CRC is linear, so feeding a little-endian word gives
// the same result as feeding its bytes one at a time; only the number of steps changes.
//
// With start value 0 leading zero bytes leave the register at 0, so a key of 8 to 24 bytes is
// hashed as three words of the key with zeros in front: a fixed sequence of instructions whatever
// the length, where a loop and a byte tail would mispredict on keys of mixed lengths (hotkey texts
// run from 5 to 25 bytes). A key of fewer than 8 bytes is one zero-padded word.
__attribute__((target("sse4.2"))) std::uint32_t crc32cInstruction(const unsigned char* bytes,
                                                                  std::size_t length) {
#if defined(__x86_64__)
  if (length - 1 < 7) {  // 1 to 7
    return static_cast<std::uint32_t>(
        __builtin_ia32_crc32di(0, loadShort(bytes, length) << (8 * (8 - length))));
  }
  if (length - 8 <= 16) {  // 8 to 24
    const auto end = static_cast<std::ptrdiff_t>(length);
    unsigned long long crc = __builtin_ia32_crc32di(0, paddedWord(bytes, end - 24));
    crc = __builtin_ia32_crc32di(crc, paddedWord(bytes, end - 16));
    return static_cast<std::uint32_t>(__builtin_ia32_crc32di(crc, load64(bytes + length - 8)));
  }
  unsigned long long crc = 0;
  for (; length >= 8; length -= 8, bytes += 8) {
    unsigned long long word;
    std::memcpy(&word, bytes, 8);
    crc = __builtin_ia32_crc32di(crc, word);
  }
  auto crc32 = static_cast<unsigned int>(crc);
#else
  unsigned int crc32 = 0;
#endif
  for (; length >= 4; length -= 4, bytes += 4) {
    unsigned int word;
    std::memcpy(&word, bytes, 4);
    crc32 = __builtin_ia32_crc32si(crc32, word);
  }
  for (; length > 0; --length, ++bytes) crc32 = __builtin_ia32_crc32qi(crc32, *bytes);
  return crc32;
}

// Read once at start-up; a hash taken before that (from another static initialiser) just runs the
// portable code, which gives the same value.
const bool kHasCrcInstruction = processorFeatures().sse42;
#endif

}  // namespace

HashFamily defaultHashFamily() {
  return processorFeatures().sse42 ? HashFamily::Crc32c : HashFamily::Polynomial31;
}

std::uint32_t polynomialHash(const void* data, std::size_t length) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  std::uint32_t hash = 0;
  for (std::size_t i = 0; i < length; ++i) hash = hash * 31U + bytes[i];
  return hash;
}

std::uint32_t crc32cPortable(const void* data, std::size_t length) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  std::uint32_t crc = 0;
  for (std::size_t i = 0; i < length; ++i) crc = kCrcTable[(crc ^ bytes[i]) & 0xFFU] ^ (crc >> 8);
  return crc;
}

std::uint32_t crc32c(const void* data, std::size_t length) {
#ifdef QUINTREL_HAS_CRC32_BUILTINS
  if (kHasCrcInstruction) return crc32cInstruction(static_cast<const unsigned char*>(data), length);
#endif
  return crc32cPortable(data, length);
}

namespace {
std::uint32_t crc32cInstructionOrPortable(const void* data, std::size_t length) {
  return crc32c(data, length);
}
}  // namespace

HashFunction hashFunctionOf(HashFamily family) {
  if (family == HashFamily::Polynomial31) return polynomialHash;
#ifdef QUINTREL_HAS_CRC32_BUILTINS
  if (processorFeatures().sse42) {
    return [](const void* data, std::size_t length) {
      return crc32cInstruction(static_cast<const unsigned char*>(data), length);
    };
  }
#endif
  return crc32cInstructionOrPortable;
}

std::uint32_t hashInt64(HashFamily family, std::int64_t key) {
  const auto bits = static_cast<std::uint64_t>(key);
  unsigned char bytes[8];
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<unsigned char>(bits >> (8 * i));
  return hashBytes(family, bytes, sizeof bytes);
}

}  // namespace quintrel
