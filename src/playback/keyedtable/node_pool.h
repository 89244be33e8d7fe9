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
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "playback/keyedtable/arena.h"
#include "playback/keyedtable/pool_size_classes.h"

namespace quintrel {

namespace pool {
struct Slab;
}

class NodePool {
 public:
  static constexpr std::uint32_t kMaxCachedSlabs = 6;

  // Builds the pool inside the arena; nullptr when the arena has no memory for it.
  static NodePool* create(Arena& arena);

  // At least size bytes, aligned to 8 (slots are packed at their class size); nullptr when memory
  // runs out.
  void* allocate(std::size_t size);
  // size must be the size the block was allocated with; nullptr is ignored.
  void free(void* block, std::size_t size);

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
  pool::Slab* openSlab(int sizeClass);

  Arena* arena_;
  std::array<pool::Slab*, pool::kClassCount> partial_{};
  std::array<pool::Slab*, pool::kClassCount> full_{};
  pool::Slab* cached_ = nullptr;
  std::uint32_t cachedCount_ = 0;
};

static_assert(std::is_trivially_destructible_v<NodePool>,
              "the pool is dropped with its arena, without running a destructor");

}  // namespace quintrel
