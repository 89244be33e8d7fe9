// The two hash families of the keyed table.
//
//  - Polynomial31: h = h * 31 + byte, from 0, over the bytes in order.
//  - Crc32c: the Castagnoli CRC (bit-reflected 0x1EDC6F41) with start value 0 and no final
//    inversion, i.e. exactly what the SSE4.2 CRC32 instruction accumulates from a zero register.
//
// A processor with SSE4.2 hashes with Crc32c through the instruction, any other with
// Polynomial31. Tests pick either family on any machine: Crc32c has a table-driven fallback with
// the same results. Hashes never leave the process, so the families never need to agree; they only
// give different bucket orders.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quintrel {

enum class HashFamily { Polynomial31, Crc32c };

// The family this processor hashes with.
HashFamily defaultHashFamily();

std::uint32_t polynomialHash(const void* data, std::size_t length);

// Through the CRC32 instruction when the processor has it, else crc32cPortable.
std::uint32_t crc32c(const void* data, std::size_t length);
std::uint32_t crc32cPortable(const void* data, std::size_t length);

inline std::uint32_t hashBytes(HashFamily family, const void* data, std::size_t length) {
  return family == HashFamily::Crc32c ? crc32c(data, length) : polynomialHash(data, length);
}

// The routine of a family, chosen once: a table keeps it so that a hash is one direct call.
using HashFunction = std::uint32_t (*)(const void* data, std::size_t length);
HashFunction hashFunctionOf(HashFamily family);

// The eight bytes of the key in little-endian order, whatever the machine's byte order.
std::uint32_t hashInt64(HashFamily family, std::int64_t key);

}  // namespace quintrel
