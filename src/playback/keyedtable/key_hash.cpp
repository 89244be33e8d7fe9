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
// Eight (or four) bytes per instruction: the CRC is linear, so feeding a little-endian word gives
// the same result as feeding its bytes one at a time; only the number of steps changes.
__attribute__((target("sse4.2"))) std::uint32_t crc32cInstruction(const unsigned char* bytes,
                                                                  std::size_t length) {
#if defined(__x86_64__)
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
