#include "playback/keyedtable/node_pool.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <random>
#include <vector>

namespace quintrel {
namespace {

TEST(NodePoolClasses, ServeEachSizeFromTheSmallestClassThatHoldsIt) {
  const std::pair<std::size_t, int> cases[] = {{0, 0},    {8, 0},    {9, 1},     {64, 7},
                                               {65, 8},   {80, 8},   {81, 9},    {256, 19},
                                               {257, 20}, {513, 28}, {1024, 35}, {1025, -1}};
  for (const auto& [size, sizeClass] : cases) EXPECT_EQ(pool::classOf(size), sizeClass) << size;
}

class NodePoolTest : public ::testing::Test {
 protected:
  Arena arena_;
  NodePool* pool_ = NodePool::create(arena_);

  std::vector<void*> allocateMany(std::size_t size, int count) {
    std::vector<void*> blocks;
    for (int i = 0; i < count; ++i) blocks.push_back(pool_->allocate(size));
    return blocks;
  }
  static const void* slabOf(const void* block) {
    return reinterpret_cast<const void*>(reinterpret_cast<std::uintptr_t>(block) &
                                         ~(pool::kSlabSize - 1));
  }
};

TEST_F(NodePoolTest, TakesTheLowestFreeSlotAndOpensASlabOnlyWhenFull) {
  std::vector<void*> blocks = allocateMany(1024, 14);
  EXPECT_EQ(NodePool::slotIndexOf(blocks[0], 1024), 0U);
  EXPECT_EQ(NodePool::slotIndexOf(blocks[13], 1024), 13U);
  EXPECT_EQ(arena_.livePages(), 1U);

  void* fifteenth = pool_->allocate(1024);
  EXPECT_NE(slabOf(fifteenth), slabOf(blocks[0]));
  EXPECT_EQ(NodePool::slotIndexOf(fifteenth, 1024), 0U);
  EXPECT_EQ(arena_.livePages(), 2U);

  // The freed slot of the full slab is the very next one handed out.
  pool_->free(blocks[5], 1024);
  EXPECT_EQ(pool_->allocate(1000), blocks[5]);
  EXPECT_TRUE(pool_->census().sound);
}

TEST_F(NodePoolTest, KeepsTheLastEmptySlabOfSmallClassesAndCachesOthers) {
  for (const std::size_t size : {32, 256}) {
    const int sizeClass = pool::classOf(size);
    std::vector<void*> blocks = allocateMany(size, 10);
    for (void* block : blocks) pool_->free(block, size);
    const NodePool::Census census = pool_->census();
    const bool kept = size <= 128;
    EXPECT_EQ(census.classes[sizeClass].partialSlabs, kept ? 1 : 0) << size;
    EXPECT_EQ(census.cachedSlabs, kept ? 0 : 1) << size;
    EXPECT_TRUE(census.sound);
  }
  EXPECT_EQ(arena_.livePages(), 2U);
}

TEST_F(NodePoolTest, CachesAtMostSixEmptySlabs) {
  std::vector<void*> blocks = allocateMany(1024, 7 * 14);
  EXPECT_EQ(arena_.livePages(), 7U);
  for (void* block : blocks) pool_->free(block, 1024);
  EXPECT_EQ(pool_->census().cachedSlabs, 6);
  EXPECT_EQ(arena_.livePages(), 6U);
  // A cached slab serves any class.
  void* small = pool_->allocate(8);
  EXPECT_EQ(pool_->census().cachedSlabs, 5);
  EXPECT_EQ(NodePool::slotIndexOf(small, 8), 0U);
}

// Random allocation and release over a few classes, with fill and drain phases so that slabs of a
// class are filled, emptied and refilled in every order. Each live block carries its own pattern:
// a slot handed out twice, or overlapping another, shows as a damaged pattern.
TEST_F(NodePoolTest, RandomUseNeverSharesASlotNorLosesASlab) {
  struct Live {
    std::size_t size;
    unsigned char pattern;
  };
  std::map<unsigned char*, Live> live;
  std::mt19937 random(2024);
  const std::size_t sizes[] = {8, 24, 40, 128, 129, 256, 700, 1024, 1500};
  for (int step = 0; step < 30000; ++step) {
    const bool filling = (step / 2500) % 2 == 0;
    const bool allocate = live.empty() || random() % 100 < (filling ? 70U : 30U);
    if (allocate) {
      const std::size_t size = sizes[random() % std::size(sizes)] - random() % 8;
      auto* block = static_cast<unsigned char*>(pool_->allocate(size));
      ASSERT_NE(block, nullptr);
      ASSERT_EQ(reinterpret_cast<std::uintptr_t>(block) % 8, 0U);
      const auto pattern = static_cast<unsigned char>(random());
      std::memset(block, pattern, size);
      ASSERT_TRUE(live.emplace(block, Live{size, pattern}).second) << "slot handed out twice";
    } else {
      auto it = live.begin();
      std::advance(it, static_cast<long>(random() % live.size()));
      const auto& [block, info] = *it;
      for (std::size_t i = 0; i < info.size; ++i) ASSERT_EQ(block[i], info.pattern) << "overlap";
      pool_->free(block, info.size);
      live.erase(it);
    }

    const NodePool::Census census = pool_->census();
    ASSERT_TRUE(census.sound) << "step " << step;
    ASSERT_LE(census.cachedSlabs, 6);
    std::array<std::uint64_t, pool::kClassCount> expectedUsed{};
    for (const auto& [block, info] : live) {
      if (pool::classOf(info.size) >= 0) ++expectedUsed[pool::classOf(info.size)];
    }
    std::size_t slabs = census.cachedSlabs;
    for (int c = 0; c < pool::kClassCount; ++c) {
      ASSERT_EQ(census.classes[c].usedSlots, expectedUsed[c]) << "class " << c;
      slabs += census.classes[c].partialSlabs + census.classes[c].fullSlabs;
    }
    ASSERT_EQ(slabs, arena_.livePages()) << "a slab went missing at step " << step;
  }
}

TEST(Arena, HandsOutAlignedPagesAndReusesFreedBlocks) {
  Arena arena;
  void* page = arena.allocatePage();
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(page) % Arena::kPageSize, 0U);
  arena.freePage(page);
  EXPECT_EQ(arena.allocatePage(), page);

  void* small = arena.allocate(40);
  arena.free(small, 40);
  EXPECT_EQ(arena.allocate(48), small);  // same rounded size

  void* large = arena.allocate(Arena::kLargestBinned + 1);
  std::memset(large, 1, Arena::kLargestBinned + 1);
  void* grown = arena.reallocate(large, Arena::kLargestBinned + 1, 3 * Arena::kLargestBinned);
  EXPECT_EQ(static_cast<unsigned char*>(grown)[Arena::kLargestBinned], 1);
  arena.release();
  EXPECT_EQ(arena.livePages(), 0U);
  EXPECT_NE(arena.allocate(16), nullptr);  // usable again after a release
}

TEST(Arena, AlignsEveryBlockAsPromised) {
  Arena arena;
  // Enough of each size to open several small chunks; the large ones are system blocks each.
  const std::size_t sizes[] = {1,
                               24,
                               1000,
                               4096,
                               Arena::kLargestBinned,
                               Arena::kLargestBinned + 8,
                               3 * Arena::kLargestBinned};
  for (const std::size_t size : sizes) {
    for (int i = 0; i < 40; ++i) {
      void* block = arena.allocate(size);
      ASSERT_NE(block, nullptr);
      ASSERT_EQ(reinterpret_cast<std::uintptr_t>(block) % Arena::kAlignment, 0U) << size;
    }
  }
}

}  // namespace
}  // namespace quintrel
