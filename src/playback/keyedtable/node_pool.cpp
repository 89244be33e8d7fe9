#include "playback/keyedtable/node_pool.h"

#include <bit>
#include <cassert>
#include <cstring>
#include <new>

namespace quintrel {

namespace pool {
namespace {

constexpr bool everyClassFitsItsSlab() {
  for (const SizeClass& c : kClasses) {
    if (kFirstSlot + std::size_t{c.slotsPerSlab} * c.objectSize > kSlabSize) return false;
  }
  return true;
}
static_assert(everyClassFitsItsSlab(), "the fixed slot counts must fit a slab behind its header");
static_assert(kSlabSize == Arena::kPageSize, "a slab is one arena page, aligned to its size");

constexpr bool reciprocalsAreExact() {
  for (const ClassInfo& c : kClassInfo) {
    for (std::uint64_t slot = 0; slot < c.slotsPerSlab; ++slot) {
      if (((slot * c.objectSize * c.reciprocal) >> 32) != slot) return false;
    }
  }
  return true;
}
static_assert(reciprocalsAreExact(), "slot numbers must come out exact for every class");

void push(Slab*& head, Slab* slab) {
  slab->next = head;
  if (head != nullptr) head->prevLink = &slab->next;
  slab->prevLink = &head;
  head = slab;
}

void unlink(Slab* slab) {
  *slab->prevLink = slab->next;
  if (slab->next != nullptr) slab->next->prevLink = slab->prevLink;
}

}  // namespace
}  // namespace pool

using pool::kClasses;
using pool::Slab;

NodePool* NodePool::create(Arena& arena) {
  void* memory = arena.allocate(sizeof(NodePool));
  return memory == nullptr ? nullptr : new (memory) NodePool(arena);
}

Slab* NodePool::openSlab(std::size_t sizeClass) {
  Slab* slab = cached_;
  if (slab != nullptr) {
    pool::unlink(slab);
    --cachedCount_;
  } else {
    slab = static_cast<Slab*>(arena_->allocatePage());
    if (slab == nullptr) return nullptr;
  }
  const pool::SizeClass& c = kClasses[sizeClass];
  const std::uint32_t words = pool::bitmapWords(c);
  slab->usedSlots = 0;
  slab->sizeClass = static_cast<std::uint32_t>(sizeClass);
  // Only real slots are marked free, so no scan can ever land past the class's last slot.
  slab->summary = words == 32 ? ~0U : (1U << words) - 1;
  for (std::uint32_t w = 0; w < words; ++w) slab->bitmap[w] = ~0U;
  if (const std::uint32_t tail = c.slotsPerSlab % 32; tail != 0) {
    slab->bitmap[words - 1] = (1U << tail) - 1;
  }
  pool::push(partial_[sizeClass], slab);
  return slab;
}

void NodePool::moveToFull(Slab* slab, std::size_t sizeClass) {
  pool::unlink(slab);
  pool::push(full_[sizeClass], slab);
}

void NodePool::afterFreeChangingLists(Slab* slab, std::size_t sizeClass, std::uint32_t usedBefore) {
  const pool::SizeClass& c = kClasses[sizeClass];
  if (usedBefore == c.slotsPerSlab) {
    pool::unlink(slab);
    pool::push(partial_[sizeClass], slab);
    return;
  }
  // Now empty.
  const bool onlyPartial = partial_[sizeClass] == slab && slab->next == nullptr;
  if (onlyPartial && c.objectSize <= 128) return;
  pool::unlink(slab);
  if (cachedCount_ < kMaxCachedSlabs) {
    pool::push(cached_, slab);
    ++cachedCount_;
  } else {
    arena_->freePage(slab);
  }
}

std::uint32_t NodePool::slotIndexOf(const void* block, std::size_t size) {
  return pool::slotOf(pool::slabOf(block), block, pool::pooledClassOf(size));
}

NodePool::Census NodePool::census() const {
  Census census;
  // A list longer than the arena's live pages must have a cycle.
  const std::size_t bound = arena_->livePages();
  auto walk = [&](Slab* const& head, auto&& visit) {
    std::size_t length = 0;
    Slab* const* expectedLink = &head;
    for (Slab* slab = head; slab != nullptr; slab = slab->next) {
      if (slab->prevLink != expectedLink || ++length > bound) {
        census.sound = false;
        return;
      }
      visit(slab);
      expectedLink = &slab->next;
    }
  };
  for (std::size_t i = 0; i < pool::kClassCount; ++i) {
    const pool::SizeClass& c = kClasses[i];
    auto check = [&](Slab* slab, bool full) {
      std::uint32_t freeSlots = 0;
      for (std::uint32_t w = 0; w < pool::bitmapWords(c); ++w) {
        freeSlots += static_cast<std::uint32_t>(std::popcount(slab->bitmap[w]));
        if ((slab->bitmap[w] != 0) != (((slab->summary >> w) & 1U) != 0)) census.sound = false;
      }
      if (slab->sizeClass != i || freeSlots + slab->usedSlots != c.slotsPerSlab ||
          (slab->usedSlots == c.slotsPerSlab) != full) {
        census.sound = false;
      }
      census.classes[i].usedSlots += slab->usedSlots;
    };
    walk(partial_[i], [&](Slab* slab) {
      ++census.classes[i].partialSlabs;
      check(slab, false);
    });
    walk(full_[i], [&](Slab* slab) {
      ++census.classes[i].fullSlabs;
      check(slab, true);
    });
  }
  walk(cached_, [&](Slab*) { ++census.cachedSlabs; });
  if (census.cachedSlabs != static_cast<int>(cachedCount_) || cachedCount_ > kMaxCachedSlabs) {
    census.sound = false;
  }
  return census;
}

}  // namespace quintrel
