#include "playback/keyedtable/node_pool.h"

#include <bit>
#include <cassert>
#include <cstring>
#include <new>

namespace quintrel {

namespace pool {

// The header at the start of every slab; the slots follow at kFirstSlot.
struct Slab {
  Slab* next;
  Slab** prevLink;  // the list reference that points here: a class head, the cache head or a `next`
  std::uint32_t usedSlots;
  std::uint32_t summary;  // bit w: bitmap word w has a free slot
  std::uint32_t sizeClass;
  std::uint32_t bitmap[kMaxBitmapWords];  // bit b of word w: slot 32w + b is free
};

namespace {

constexpr std::size_t kFirstSlot = (sizeof(Slab) + 15) / 16 * 16;

constexpr bool everyClassFitsItsSlab() {
  for (const SizeClass& c : kClasses) {
    if (kFirstSlot + std::size_t{c.slotsPerSlab} * c.objectSize > kSlabSize) return false;
  }
  return true;
}
static_assert(everyClassFitsItsSlab(), "the fixed slot counts must fit a slab behind its header");
static_assert(kSlabSize == Arena::kPageSize, "a slab is one arena page, aligned to its size");

// Slot number from a byte offset without a division: offsets are exact multiples of the object
// size and below 2^14, where multiplying by ceil(2^32 / size) and keeping the high half is exact.
constexpr std::array<std::uint64_t, kClassCount> makeReciprocals() {
  std::array<std::uint64_t, kClassCount> reciprocals{};
  for (std::size_t i = 0; i < kClassCount; ++i) {
    reciprocals[i] =
        ((std::uint64_t{1} << 32) + kClasses[i].objectSize - 1) / kClasses[i].objectSize;
  }
  return reciprocals;
}
constexpr std::array<std::uint64_t, kClassCount> kReciprocals = makeReciprocals();

constexpr bool reciprocalsAreExact() {
  for (std::size_t i = 0; i < kClassCount; ++i) {
    for (std::uint64_t slot = 0; slot < kClasses[i].slotsPerSlab; ++slot) {
      if (((slot * kClasses[i].objectSize * kReciprocals[i]) >> 32) != slot) return false;
    }
  }
  return true;
}
static_assert(reciprocalsAreExact(), "slot numbers must come out exact for every class");

Slab* slabOf(const void* block) {
  return reinterpret_cast<Slab*>(reinterpret_cast<std::uintptr_t>(block) & ~(kSlabSize - 1));
}

std::uint32_t slotOf(const Slab* slab, const void* block, int sizeClass) {
  const auto offset = static_cast<std::uint64_t>(static_cast<const char*>(block) -
                                                 reinterpret_cast<const char*>(slab) - kFirstSlot);
  return static_cast<std::uint32_t>((offset * kReciprocals[static_cast<std::size_t>(sizeClass)]) >>
                                    32);
}

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

Slab* NodePool::openSlab(int sizeClass) {
  Slab* slab = cached_;
  if (slab != nullptr) {
    pool::unlink(slab);
    --cachedCount_;
  } else {
    slab = static_cast<Slab*>(arena_->allocatePage());
    if (slab == nullptr) return nullptr;
  }
  const pool::SizeClass& c = kClasses[static_cast<std::size_t>(sizeClass)];
  const std::uint32_t words = pool::bitmapWords(c);
  slab->usedSlots = 0;
  slab->sizeClass = static_cast<std::uint32_t>(sizeClass);
  // Only real slots are marked free, so no scan can ever land past the class's last slot.
  slab->summary = words == 32 ? ~0U : (1U << words) - 1;
  for (std::uint32_t w = 0; w < words; ++w) slab->bitmap[w] = ~0U;
  if (const std::uint32_t tail = c.slotsPerSlab % 32; tail != 0) {
    slab->bitmap[words - 1] = (1U << tail) - 1;
  }
  pool::push(partial_[static_cast<std::size_t>(sizeClass)], slab);
  return slab;
}

void* NodePool::allocate(std::size_t size) {
  const int sizeClass = pool::classOf(size);
  if (sizeClass < 0) return arena_->allocate(size);
  const auto index = static_cast<std::size_t>(sizeClass);
  Slab* slab = partial_[index];
  if (slab == nullptr && (slab = openSlab(sizeClass)) == nullptr) return nullptr;

  const auto word = static_cast<std::uint32_t>(std::countr_zero(slab->summary));
  const auto bit = static_cast<std::uint32_t>(std::countr_zero(slab->bitmap[word]));
  slab->bitmap[word] &= slab->bitmap[word] - 1;
  if (slab->bitmap[word] == 0) slab->summary &= ~(1U << word);
  if (++slab->usedSlots == kClasses[index].slotsPerSlab) {
    pool::unlink(slab);
    pool::push(full_[index], slab);
  }
  return reinterpret_cast<char*>(slab) + pool::kFirstSlot +
         std::size_t{word * 32 + bit} * kClasses[index].objectSize;
}

void NodePool::free(void* block, std::size_t size) {
  if (block == nullptr) return;
  const int sizeClass = pool::classOf(size);
  if (sizeClass < 0) {
    arena_->free(block, size);
    return;
  }
  const auto index = static_cast<std::size_t>(sizeClass);
  Slab* slab = pool::slabOf(block);
  assert(slab->sizeClass == index && "a block must be freed with the size it was allocated with");
  const std::uint32_t slot = pool::slotOf(slab, block, sizeClass);
  const std::uint32_t word = slot / 32;
  const std::uint32_t bit = 1U << (slot % 32);
  assert((slab->bitmap[word] & bit) == 0 && "block freed twice");
  if (slab->bitmap[word] == 0) slab->summary |= 1U << word;
  slab->bitmap[word] |= bit;

  const pool::SizeClass& c = kClasses[index];
  if (slab->usedSlots-- == c.slotsPerSlab) {
    pool::unlink(slab);
    pool::push(partial_[index], slab);
    return;
  }
  if (slab->usedSlots != 0) return;
  const bool onlyPartial = partial_[index] == slab && slab->next == nullptr;
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
  return pool::slotOf(pool::slabOf(block), block, pool::classOf(size));
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
