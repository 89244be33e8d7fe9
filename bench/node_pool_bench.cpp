// The node pool against malloc/free on the keyed table's pattern: a population of live nodes
// and value blocks (16 to 64 bytes, the sizes of hotkey entries) where each step frees one block
// and allocates another.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>
#include <vector>

#include "playback/keyedtable/arena.h"
#include "playback/keyedtable/node_pool.h"
#include "ratio_reporter.h"

namespace {

struct Step {
  std::uint32_t slot;
  std::uint32_t size;
};

std::vector<Step> steps(std::size_t live) {
  std::mt19937 random(42);
  std::vector<Step> result(1 << 16);
  for (Step& step : result) {
    step.slot = static_cast<std::uint32_t>(random() % live);
    step.size = static_cast<std::uint32_t>(8 + random() % 57);
  }
  return result;
}

template <class Allocate, class Free>
void churn(benchmark::State& state, Allocate&& allocate, Free&& release) {
  const auto live = static_cast<std::size_t>(state.range(0));
  const std::vector<Step> plan = steps(live);
  std::vector<void*> blocks(live);
  std::vector<std::uint32_t> sizes(live, 32);
  for (void*& block : blocks) block = allocate(32);
  std::size_t next = 0;
  for (auto _ : state) {
    const Step& step = plan[next++ & (plan.size() - 1)];
    release(blocks[step.slot], sizes[step.slot]);
    blocks[step.slot] = allocate(step.size);
    sizes[step.slot] = step.size;
    benchmark::DoNotOptimize(blocks[step.slot]);
  }
  for (std::size_t i = 0; i < live; ++i) release(blocks[i], sizes[i]);
  state.SetItemsProcessed(state.iterations());
}

void churnQuintrel(benchmark::State& state) {
  quintrel::Arena arena;
  quintrel::NodePool* pool = quintrel::NodePool::create(arena);
  churn(
      state, [&](std::size_t size) { return pool->allocate(size); },
      [&](void* block, std::size_t size) { pool->free(block, size); });
}

void churnMalloc(benchmark::State& state) {
  churn(
      state, [](std::size_t size) { return std::malloc(size); },
      [](void* block, std::size_t) { std::free(block); });
}

BENCHMARK(churnQuintrel)->Name("PoolChurn/quintrel")->Arg(1'000)->Arg(100'000);
BENCHMARK(churnMalloc)->Name("PoolChurn/malloc")->Arg(1'000)->Arg(100'000);

}  // namespace

int main(int argc, char** argv) { return quintrel::bench::runWithRatios(argc, argv); }
