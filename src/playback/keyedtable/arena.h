// A private heap: everything one keyed table owns lives in one Arena, so that emptying the table
// is one release() of the arena instead of one free per entry.
//
// Three sources, all dropped together by release():
//  - pages: 16 KB blocks aligned to 16 KB (the node pool's slabs, which lets a block find its slab
//    from its own address), cut from page chunks and recycled through a free list;
//  - small blocks up to kLargestBinned bytes: bumped from small chunks, recycled through free lists
//    of one rounded size each;
//  - larger blocks (big bucket arrays): one system allocation each, linked so that release()
//    finds them.
// Chunks grow geometrically, so a table of a million entries holds a few dozen system blocks.
//
// Blocks are freed with the size they were allocated with, as std::allocator does. Allocation
// failure returns nullptr; nothing throws. Not thread-safe: one table, one thread.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quintrel {

class Arena {
 public:
  static constexpr std::size_t kPageSize = 16 * 1024;
  static constexpr std::size_t kAlignment = 16;
  static constexpr std::size_t kLargestBinned = 64 * 1024;
  static constexpr std::size_t kFirstSmallChunk = 16 * 1024;
  static constexpr std::size_t kFirstPageChunk = 4 * kPageSize;
  static constexpr std::size_t kLargestChunk = 4 * 1024 * 1024;

  Arena() = default;
  ~Arena() { release(); }
  Arena(const Arena&) = delete;
  Arena& operator=(const Arena&) = delete;

  // At least size bytes aligned to kAlignment, not zero-filled; nullptr when memory runs out.
  void* allocate(std::size_t size);
  void* allocateZeroed(std::size_t size);
  void free(void* block, std::size_t size);
  // Moves the first min(oldSize, newSize) bytes; on failure the old block stays valid.
  void* reallocate(void* block, std::size_t oldSize, std::size_t newSize);

  void* allocatePage();
  void freePage(void* page);

  // Returns every block to the system at once; the arena is then empty and usable again.
  void release();

  // Pages handed out and not freed: lets the pool's tests see that no slab went missing.
  std::size_t livePages() const { return livePages_; }

 private:
  struct FreeBlock {
    FreeBlock* next;
  };
  // Header in front of each large block; a whole kAlignment keeps the block aligned, also where
  // two pointers take only 8 bytes.
  struct alignas(kAlignment) LargeBlock {
    LargeBlock* prev;
    LargeBlock* next;
  };
  struct ChunkLink {  // at the start of a small chunk, after the pages of a page chunk
    ChunkLink* next;
    void* start;
  };

  static constexpr int kBinCount = 64 + 6;  // 16..1024 by 16, then 2K..64K by doubling

  static int binOf(std::size_t size);
  static std::size_t binSize(int bin);
  bool growSmall(std::size_t size);
  bool growPages();

  FreeBlock* bins_[kBinCount] = {};
  FreeBlock* freePages_ = nullptr;
  ChunkLink* smallChunks_ = nullptr;
  ChunkLink* pageChunks_ = nullptr;
  LargeBlock* largeBlocks_ = nullptr;
  char* smallCursor_ = nullptr;
  char* smallEnd_ = nullptr;
  char* pageCursor_ = nullptr;
  char* pageEnd_ = nullptr;
  std::size_t nextSmallChunk_ = kFirstSmallChunk;
  std::size_t nextPageChunk_ = kFirstPageChunk;
  std::size_t livePages_ = 0;

  static_assert(kFirstPageChunk % kPageSize == 0 && kLargestChunk % kPageSize == 0,
                "page chunks are cut into whole pages");
  static_assert(sizeof(LargeBlock) % kAlignment == 0, "the header keeps large blocks aligned");
};

}  // namespace quintrel
