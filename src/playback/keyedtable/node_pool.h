// NodePool: the keyed table's allocator for nodes and stored values of up to 1024 bytes.
//
// 36 size classes (pool_size_classes.h) carve 16 KB slabs, taken from the table's Arena, into
// equal slots. Each slab starts with a header: its list links, a count of used slots and two
// bitmap levels (a summary word whose bit w says "bitmap word w has a free slot", and up to 32
// words with one bit per free slot), so allocation is two bit scans and always takes the
// lowest-numbered free slot.
//
// Slabs are aligned to their size, so a block finds its slab by masking its own address and
// carries no per-slot header (on 64-bit builds a back reference would cost 8 bytes a slot).
//
// A class keeps two lists, slabs with a free slot (allocation takes the head) and full slabs;
// both are doubly linked through `prevLink`, the address of whatever points at the slab, so a slab
// leaves any position in constant time. A slab that becomes empty goes to a cache of at most six
// slabs shared by all classes, beyond that back to the arena; except that the last partial slab of
// a class of blocks up to 128 bytes stays in place, so that adding and removing one entry over and
// over touches no slab at all.
//
// The pool, its record included, lives in the arena and has no teardown: releasing the arena
// drops it whole. Requests above 1024 bytes go to the arena directly.
#pragma once

#include <array>
#include <bit>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "playback/keyedtable/arena.h"
#include "playback/keyedtable/pool_size_classes.h"

namespace quintrel {

namespace pool {

// The header at the start of every slab; the slots follow at kFirstSlot. The counters and the
// summary share the first cache line with the first bitmap words, so that taking or returning a
// slot in a lightly used class touches one line of the header.
struct Slab {
  Slab* next;
  Slab** prevLink;  // the list reference that points here: a class head, the cache head or a `next`
  std::uint32_t usedSlots;
  std::uint32_t summary;  // bit w: bitmap word w has a free slot
  std::uint32_t sizeClass;
  std::uint32_t bitmap[kMaxBitmapWords];  // bit b of word w: slot 32w + b is free
};

inline constexpr std::size_t kFirstSlot = (sizeof(Slab) + 15) / 16 * 16;

// What the hot paths need of a class, in one 16-byte record: the slot stride, the slot count,
// and ceil(2^32 / stride), with which a byte offset becomes a slot number without a division
// (offsets are exact multiples of the stride below 2^14, where the product's high half is exact).
struct ClassInfo {
  std::uint32_t objectSize;
  std::uint32_t slotsPerSlab;
  std::uint64_t reciprocal;
};

constexpr std::array<ClassInfo, kClassCount> makeClassInfo() {
  std::array<ClassInfo, kClassCount> info{};
  for (std::size_t i = 0; i < kClassCount; ++i) {
    const std::uint32_t size = kClasses[i].objectSize;
    info[i] = {size, kClasses[i].slotsPerSlab, ((std::uint64_t{1} << 32) + size - 1) / size};
  }
  return info;
}
inline constexpr std::array<ClassInfo, kClassCount> kClassInfo = makeClassInfo();

// The lowest set bit of a non-zero word, without the fix-up std::countr_zero needs for zero.
inline std::uint32_t lowestSetBit(std::uint32_t word) {
  assert(word != 0);
#if defined(__GNUC__) || defined(__clang__)
  return static_cast<std::uint32_t>(__builtin_ctz(word));
#else
  return static_cast<std::uint32_t>(std::countr_zero(word));
#endif
}

inline Slab* slabOf(const void* block) {
  return reinterpret_cast<Slab*>(reinterpret_cast<std::uintptr_t>(block) & ~(kSlabSize - 1));
}

inline std::uint32_t slotOf(const Slab* slab, const void* block, std::size_t sizeClass) {
  const auto offset = static_cast<std::uint64_t>(static_cast<const char*>(block) -
                                                 reinterpret_cast<const char*>(slab) - kFirstSlot);
  return static_cast<std::uint32_t>((offset * kClassInfo[sizeClass].reciprocal) >> 32);
}

}  // namespace pool

class NodePool {
 public:
  static constexpr std::uint32_t kMaxCachedSlabs = 6;

  // Builds the pool inside the arena; nullptr when the arena has no memory for it.
  static NodePool* create(Arena& arena);

  // At least size bytes, aligned to 8 (slots are packed at their class size); nullptr when memory
  // runs out. The common case (a class with a partial slab) is inline: a table load, two bit
  // scans and a few stores, with no branch that depends on the bitmap's contents.
  void* allocate(std::size_t size) {
    if (size > pool::kLargestPooled) [[unlikely]]
      return arena_->allocate(size);
    const std::size_t sizeClass = pool::pooledClassOf(size);
    pool::Slab* slab = partial_[sizeClass];
    if (slab == nullptr) [[unlikely]] {
      slab = openSlab(sizeClass);
      if (slab == nullptr) return nullptr;
    }
    const pool::ClassInfo& info = pool::kClassInfo[sizeClass];
    // A partial slab has a free slot, so neither word scanned here is zero.
    const std::uint32_t word = pool::lowestSetBit(slab->summary);
    std::uint32_t bits = slab->bitmap[word];
    const std::uint32_t bit = pool::lowestSetBit(bits);
    bits &= bits - 1;
    slab->bitmap[word] = bits;
    slab->summary &= ~(std::uint32_t{bits == 0} << word);
    if (++slab->usedSlots == info.slotsPerSlab) [[unlikely]]
      moveToFull(slab, sizeClass);
    return reinterpret_cast<char*>(slab) + pool::kFirstSlot +
           std::size_t{word * 32 + bit} * info.objectSize;
  }

  // size must be the size the block was allocated with; nullptr is ignored.
  void free(void* block, std::size_t size) {
    if (block == nullptr) return;
    if (size > pool::kLargestPooled) [[unlikely]] {
      arena_->free(block, size);
      return;
    }
    const std::size_t sizeClass = pool::pooledClassOf(size);
    pool::Slab* slab = pool::slabOf(block);
    assert(slab->sizeClass == sizeClass && "a block must be freed with the size it was allocated");
    const std::uint32_t slot = pool::slotOf(slab, block, sizeClass);
    const std::uint32_t word = slot / 32;
    const std::uint32_t bit = 1U << (slot % 32);
    assert((slab->bitmap[word] & bit) == 0 && "block freed twice");
    // The word has a free slot afterwards whatever it held before, so the summary bit is simply
    // set.
    slab->bitmap[word] |= bit;
    slab->summary |= 1U << word;
    const std::uint32_t usedBefore = slab->usedSlots--;
    // Only a slab that was full or is now empty changes lists.
    if (usedBefore == pool::kClassInfo[sizeClass].slotsPerSlab || usedBefore == 1) [[unlikely]]
      afterFreeChangingLists(slab, sizeClass, usedBefore);
  }

  // What the lists hold, for checks: walks every list and verifies its links.
  struct ClassCensus {
    int partialSlabs = 0;
    int fullSlabs = 0;
    std::uint64_t usedSlots = 0;
  };
  struct Census {
    std::array<ClassCensus, pool::kClassCount> classes{};
    int cachedSlabs = 0;
    // False when a list is mislinked, a slab sits in the wrong list, or its bitmaps disagree with
    // its count of used slots.
    bool sound = true;
  };
  Census census() const;

  // Slot number of a pooled block within its slab, for checks of the reuse order.
  static std::uint32_t slotIndexOf(const void* block, std::size_t size);

 private:
  explicit NodePool(Arena& arena) : arena_(&arena) {}
  pool::Slab* openSlab(std::size_t sizeClass);
  void moveToFull(pool::Slab* slab, std::size_t sizeClass);
  void afterFreeChangingLists(pool::Slab* slab, std::size_t sizeClass, std::uint32_t usedBefore);

  Arena* arena_;
  std::array<pool::Slab*, pool::kClassCount> partial_{};
  std::array<pool::Slab*, pool::kClassCount> full_{};
  pool::Slab* cached_ = nullptr;
  std::uint32_t cachedCount_ = 0;
};

static_assert(std::is_trivially_destructible_v<NodePool>,
              "the pool is dropped with its arena, without running a destructor");

}  // namespace quintrel
