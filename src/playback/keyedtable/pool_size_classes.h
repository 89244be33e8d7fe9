// The node pool's 36 size classes: the largest request each serves and how many slots one 16 KB
// slab of the class holds. The slot counts are fixed constants (not derived from the layout), so
// that every build reuses memory the same way; the checks below prove they fit this build's slab.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace quintrel::pool {

struct SizeClass {
  std::uint32_t objectSize;
  std::uint32_t slotsPerSlab;
};

inline constexpr int kClassCount = 36;
inline constexpr std::size_t kSlabSize = 16 * 1024;
inline constexpr std::size_t kLargestPooled = 1024;

inline constexpr std::array<SizeClass, kClassCount> kClasses = {{
    {8, 1024}, {16, 813}, {24, 581},  {32, 452},  {40, 370},  {48, 313}, {56, 272}, {64, 239},
    {80, 194}, {96, 162}, {112, 140}, {128, 123}, {144, 109}, {160, 98}, {176, 90}, {192, 82},
    {208, 76}, {224, 70}, {240, 66},  {256, 62},  {288, 55},  {320, 49}, {352, 45}, {384, 41},
    {416, 38}, {448, 35}, {480, 32},  {512, 30},  {576, 27},  {640, 24}, {704, 22}, {768, 20},
    {832, 18}, {896, 17}, {960, 15},  {1024, 14},
}};

// 8 to 64 by 8, 80 to 256 by 16, 288 to 512 by 32, 576 to 1024 by 64; 0 counts as 8.
// -1 for sizes that bypass the pool.
constexpr int classOf(std::size_t size) {
  if (size <= 64) return size == 0 ? 0 : static_cast<int>((size + 7) / 8) - 1;
  if (size <= 256) return 8 + static_cast<int>((size - 64 + 15) / 16) - 1;
  if (size <= 512) return 20 + static_cast<int>((size - 256 + 31) / 32) - 1;
  if (size <= 1024) return 28 + static_cast<int>((size - 512 + 63) / 64) - 1;
  return -1;
}

// The class of every pooled size, indexed by the size in eighths rounded up: class boundaries are
// multiples of 8, so one load replaces the chain of comparisons on the allocation path.
constexpr std::array<std::uint8_t, kLargestPooled / 8 + 1> makeClassByEighth() {
  std::array<std::uint8_t, kLargestPooled / 8 + 1> table{};
  for (std::size_t eighths = 0; eighths < table.size(); ++eighths) {
    table[eighths] = static_cast<std::uint8_t>(classOf(eighths * 8));
  }
  return table;
}
inline constexpr std::array<std::uint8_t, kLargestPooled / 8 + 1> kClassByEighth =
    makeClassByEighth();

// Only for sizes up to kLargestPooled.
constexpr std::size_t pooledClassOf(std::size_t size) { return kClassByEighth[(size + 7) / 8]; }

constexpr bool classTableAgrees() {
  for (std::size_t size = 0; size <= kLargestPooled; ++size) {
    if (static_cast<int>(pooledClassOf(size)) != classOf(size)) return false;
  }
  return true;
}
static_assert(classTableAgrees(), "the lookup table must give the same class as classOf");

constexpr std::uint32_t bitmapWords(const SizeClass& sizeClass) {
  return (sizeClass.slotsPerSlab + 31) / 32;
}

// Two bitmap levels of 32 bits address at most 32 * 32 slots.
inline constexpr std::uint32_t kMaxBitmapWords = 32;

constexpr bool classesAreConsistent() {
  for (int i = 0; i < kClassCount; ++i) {
    const SizeClass& c = kClasses[static_cast<std::size_t>(i)];
    if (classOf(c.objectSize) != i || c.objectSize % 8 != 0) return false;
    if (bitmapWords(c) > kMaxBitmapWords) return false;
    if (i > 0 && classOf(kClasses[static_cast<std::size_t>(i - 1)].objectSize + 1) != i)
      return false;
  }
  return kClasses[kClassCount - 1].objectSize == kLargestPooled;
}
static_assert(classesAreConsistent(), "each class serves the sizes just above the one before");

}  // namespace quintrel::pool
