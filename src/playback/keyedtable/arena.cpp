#include "playback/keyedtable/arena.h"

#include <cassert>
#include <cstring>
#include <new>

namespace quintrel {
namespace {

constexpr std::size_t roundUp(std::size_t size, std::size_t to) {
  return (size + to - 1) / to * to;
}

constexpr std::align_val_t kPageAlignment{Arena::kPageSize};

// Small chunks and large blocks ask for kAlignment outright: plain operator new promises only
// what malloc gives, and 32-bit Windows's malloc gives 8.
constexpr std::align_val_t kBlockAlignment{Arena::kAlignment};

void* systemBlock(std::size_t bytes) {
  return ::operator new(bytes, kBlockAlignment, std::nothrow);
}
void freeSystemBlock(void* block) { ::operator delete(block, kBlockAlignment); }

}  // namespace

int Arena::binOf(std::size_t size) {
  if (size <= 1024) return size == 0 ? 0 : static_cast<int>((size - 1) / 16);
  int bin = 64;
  for (std::size_t limit = 2048; limit < size; limit *= 2) ++bin;
  return bin;
}

std::size_t Arena::binSize(int bin) {
  return bin < 64 ? static_cast<std::size_t>(bin + 1) * 16 : std::size_t{2048} << (bin - 64);
}

bool Arena::growSmall(std::size_t size) {
  const std::size_t header = roundUp(sizeof(ChunkLink), kAlignment);
  const std::size_t bytes = nextSmallChunk_ < header + size ? header + size : nextSmallChunk_;
  void* memory = systemBlock(bytes);
  if (memory == nullptr) return false;
  auto* link = static_cast<ChunkLink*>(memory);
  *link = {smallChunks_, memory};
  smallChunks_ = link;
  // The rest of the previous chunk is left unused: at most one rounded block's worth.
  smallCursor_ = static_cast<char*>(memory) + header;
  smallEnd_ = static_cast<char*>(memory) + bytes;
  if (nextSmallChunk_ < kLargestChunk) nextSmallChunk_ *= 2;
  return true;
}

void* Arena::allocate(std::size_t size) {
  if (size > kLargestBinned) {
    if (size > static_cast<std::size_t>(-1) - sizeof(LargeBlock)) return nullptr;
    void* memory = systemBlock(sizeof(LargeBlock) + size);
    if (memory == nullptr) return nullptr;
    auto* header = static_cast<LargeBlock*>(memory);
    *header = {nullptr, largeBlocks_};
    if (largeBlocks_ != nullptr) largeBlocks_->prev = header;
    largeBlocks_ = header;
    return header + 1;
  }
  const int bin = binOf(size);
  if (FreeBlock* block = bins_[bin]) {
    bins_[bin] = block->next;
    return block;
  }
  const std::size_t rounded = binSize(bin);
  if (static_cast<std::size_t>(smallEnd_ - smallCursor_) < rounded && !growSmall(rounded)) {
    return nullptr;
  }
  void* block = smallCursor_;
  smallCursor_ += rounded;
  return block;
}

void* Arena::allocateZeroed(std::size_t size) {
  void* block = allocate(size);
  if (block != nullptr) std::memset(block, 0, size);
  return block;
}

void Arena::free(void* block, std::size_t size) {
  if (block == nullptr) return;
  if (size > kLargestBinned) {
    auto* header = static_cast<LargeBlock*>(block) - 1;
    if (header->prev != nullptr)
      header->prev->next = header->next;
    else
      largeBlocks_ = header->next;
    if (header->next != nullptr) header->next->prev = header->prev;
    freeSystemBlock(header);
    return;
  }
  const int bin = binOf(size);
  auto* freed = static_cast<FreeBlock*>(block);
  freed->next = bins_[bin];
  bins_[bin] = freed;
}

void* Arena::reallocate(void* block, std::size_t oldSize, std::size_t newSize) {
  if (block != nullptr && oldSize <= kLargestBinned && newSize <= kLargestBinned &&
      binOf(oldSize) == binOf(newSize)) {
    return block;
  }
  void* moved = allocate(newSize);
  if (moved == nullptr) return nullptr;
  if (block != nullptr) {
    std::memcpy(moved, block, oldSize < newSize ? oldSize : newSize);
    free(block, oldSize);
  }
  return moved;
}

bool Arena::growPages() {
  void* memory = ::operator new(nextPageChunk_ + sizeof(ChunkLink), kPageAlignment, std::nothrow);
  if (memory == nullptr) return false;
  auto* link = reinterpret_cast<ChunkLink*>(static_cast<char*>(memory) + nextPageChunk_);
  *link = {pageChunks_, memory};
  pageChunks_ = link;
  pageCursor_ = static_cast<char*>(memory);
  pageEnd_ = pageCursor_ + nextPageChunk_;
  if (nextPageChunk_ < kLargestChunk) nextPageChunk_ *= 2;
  return true;
}

void* Arena::allocatePage() {
  void* page = freePages_;
  if (page != nullptr) {
    freePages_ = freePages_->next;
  } else {
    if (pageCursor_ == pageEnd_ && !growPages()) return nullptr;
    page = pageCursor_;
    pageCursor_ += kPageSize;
  }
  ++livePages_;
  return page;
}

void Arena::freePage(void* page) {
  if (page == nullptr) return;
  assert(reinterpret_cast<std::uintptr_t>(page) % kPageSize == 0 && "not a page of this arena");
  auto* freed = static_cast<FreeBlock*>(page);
  freed->next = freePages_;
  freePages_ = freed;
  --livePages_;
}

void Arena::release() {
  for (LargeBlock* block = largeBlocks_; block != nullptr;) {
    LargeBlock* next = block->next;
    freeSystemBlock(block);
    block = next;
  }
  for (ChunkLink* link = smallChunks_; link != nullptr;) {
    ChunkLink* next = link->next;
    freeSystemBlock(link->start);
    link = next;
  }
  for (ChunkLink* link = pageChunks_; link != nullptr;) {
    ChunkLink* next = link->next;
    ::operator delete(link->start, kPageAlignment);
    link = next;
  }
  for (FreeBlock*& bin : bins_) bin = nullptr;
  freePages_ = nullptr;
  smallChunks_ = pageChunks_ = nullptr;
  largeBlocks_ = nullptr;
  smallCursor_ = smallEnd_ = pageCursor_ = pageEnd_ = nullptr;
  nextSmallChunk_ = kFirstSmallChunk;
  nextPageChunk_ = kFirstPageChunk;
  livePages_ = 0;
}

}  // namespace quintrel
