#include "playback/keyedtable/key_hash.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace quintrel {
namespace {

TEST(KeyHash, GivesTheKnownValuesOfAbc) {
  EXPECT_EQ(polynomialHash("abc", 3), 96354U);
  EXPECT_EQ(crc32c("abc", 3), 0x562F9CCDU);
  EXPECT_EQ(crc32cPortable("abc", 3), 0x562F9CCDU);
  EXPECT_EQ(hashBytes(HashFamily::Polynomial31, "abc", 3), 96354U);
  EXPECT_EQ(hashBytes(HashFamily::Crc32c, "abc", 3), 0x562F9CCDU);
  EXPECT_EQ(crc32c("", 0), 0U);
}

// The instruction path feeds whole words; every length, split and alignment must give what
// feeding single bytes gives.
TEST(KeyHash, CrcInWordsEqualsCrcByBytes) {
  std::mt19937 random(7);
  std::string bytes(80, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random());
  for (std::size_t offset = 0; offset < 8; ++offset) {
    for (std::size_t length = 0; offset + length <= bytes.size(); ++length) {
      ASSERT_EQ(crc32c(bytes.data() + offset, length),
                crc32cPortable(bytes.data() + offset, length))
          << "offset " << offset << " length " << length;
    }
  }
}

TEST(KeyHash, HashesInt64KeysAsTheirLittleEndianBytes) {
  const unsigned char bytes[8] = {0x08, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02, 0x81};
  const auto key = static_cast<std::int64_t>(0x8102030405060708ULL);
  for (HashFamily family : {HashFamily::Polynomial31, HashFamily::Crc32c}) {
    EXPECT_EQ(hashInt64(family, key), hashBytes(family, bytes, 8));
  }
}

}  // namespace
}  // namespace quintrel
