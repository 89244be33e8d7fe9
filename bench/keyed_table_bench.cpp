// The keyed table on the workload of applying the hotkey list (hotkey texts to short decimal
// texts: insert, look up, replace some, clear), against std::unordered_map and
// absl::flat_hash_map with std::string keys and values; clearing a million entries against
// destroying the same std::unordered_map; and the two hash families on 16-byte keys.
#include <absl/container/flat_hash_map.h>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "playback/keyedtable/key_hash.h"
#include "playback/keyedtable/keyed_table.h"
#include "ratio_reporter.h"

namespace {

using quintrel::Key;
using quintrel::KeyedTable;
using quintrel::KeyKind;
using quintrel::Value;
using quintrel::ValueCopy;
using quintrel::ValueKind;

// Distinct texts shaped like hotkeys ("Ctrl + Shift + Num 7", 7 to 24 bytes), with the decimal
// row index as value, and a longer group text for every fourth key as its replacement.
struct Workload {
  std::vector<std::string> keys;
  std::vector<std::string> values;
  std::vector<std::string> replacements;
};

const Workload& workload(std::int64_t n) {
  static std::map<std::int64_t, Workload> made;
  auto [it, added] = made.try_emplace(n);
  if (added) {
    static const char* kModifiers[] = {"Ctrl + ",       "Alt + ",          "Shift + ",
                                       "Ctrl + Alt + ", "Ctrl + Shift + ", "Shift + Alt + "};
    std::vector<std::string> names;
    // Appended piece by piece: GCC 12 mistakes `literal + std::string` for an overlapping copy.
    for (int i = 1; i <= 12; ++i) names.push_back(std::string("F").append(std::to_string(i)));
    for (char c = 'A'; c <= 'Z'; ++c) names.emplace_back(1, c);
    for (int i = 0; i <= 9; ++i) names.push_back(std::string("Num ").append(std::to_string(i)));
    for (const char* name : {"Home", "End", "PgUp", "PgDn", "Ins", "Del", "Tab", "Space"}) {
      names.emplace_back(name);
    }
    Workload& w = it->second;
    const std::size_t combos = std::size(kModifiers) * names.size();
    for (std::int64_t i = 0; i < n; ++i) {
      const auto index = static_cast<std::size_t>(i);
      std::string key = kModifiers[index % std::size(kModifiers)];
      key += names[index / std::size(kModifiers) % names.size()];
      if (index >= combos) key += std::to_string(index / combos);
      w.keys.push_back(std::move(key));
      w.values.push_back(std::to_string(i));
      w.replacements.push_back(std::to_string(i).append(",").append(std::to_string(i + 7)));
    }
  }
  return it->second;
}

void setItems(benchmark::State& state) {
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void applyQuintrel(benchmark::State& state) {
  const Workload& w = workload(state.range(0));
  const std::size_t n = w.keys.size();
  KeyedTable table;
  ValueCopy found;
  for (auto _ : state) {
    table.create(KeyKind::Text, ValueKind::Text, 64);
    for (std::size_t i = 0; i < n; ++i)
      table.set(Key::ofText(w.keys[i]), Value::ofText(w.values[i]));
    for (std::size_t i = 0; i < n; ++i) {
      table.getInto(Key::ofText(w.keys[i]), found);
      benchmark::DoNotOptimize(found.bytes->data());
    }
    for (std::size_t i = 0; i < n; i += 4) {
      table.set(Key::ofText(w.keys[i]), Value::ofText(w.replacements[i]));
    }
    table.clear();
  }
  setItems(state);
}

// The same steps with a standard container: copies in, a copy out of each lookup, destroyed at
// the end (the container's way of dropping everything).
template <class Map>
void applyMap(benchmark::State& state) {
  const Workload& w = workload(state.range(0));
  const std::size_t n = w.keys.size();
  std::string found;
  for (auto _ : state) {
    Map map;
    map.reserve(64);
    for (std::size_t i = 0; i < n; ++i) map.insert_or_assign(w.keys[i], w.values[i]);
    for (std::size_t i = 0; i < n; ++i) {
      found = map.find(w.keys[i])->second;
      benchmark::DoNotOptimize(found.data());
    }
    for (std::size_t i = 0; i < n; i += 4) map.insert_or_assign(w.keys[i], w.replacements[i]);
  }
  setItems(state);
}

void sizes(benchmark::internal::Benchmark* bench) {
  bench->Arg(64)->Arg(10'000)->Arg(1'000'000)->UseRealTime();
}

BENCHMARK(applyQuintrel)->Name("ApplyTextToText/quintrel")->Apply(sizes);
BENCHMARK_TEMPLATE(applyMap, std::unordered_map<std::string, std::string>)
    ->Name("ApplyTextToText/std_unordered_map")
    ->Apply(sizes);
BENCHMARK_TEMPLATE(applyMap, absl::flat_hash_map<std::string, std::string>)
    ->Name("ApplyTextToText/absl_flat_hash_map")
    ->Apply(sizes);

// Only the clearing is timed; filling a million entries is set-up, so the iterations are few.
void clearQuintrel(benchmark::State& state) {
  const Workload& w = workload(state.range(0));
  KeyedTable table;
  for (auto _ : state) {
    state.PauseTiming();
    table.create(KeyKind::Text, ValueKind::Text, 64);
    for (std::size_t i = 0; i < w.keys.size(); ++i) {
      table.set(Key::ofText(w.keys[i]), Value::ofText(w.values[i]));
    }
    state.ResumeTiming();
    table.clear();
  }
}

void clearUnorderedMap(benchmark::State& state) {
  const Workload& w = workload(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    auto map = std::make_unique<std::unordered_map<std::string, std::string>>();
    for (std::size_t i = 0; i < w.keys.size(); ++i) map->insert_or_assign(w.keys[i], w.values[i]);
    state.ResumeTiming();
    map.reset();
  }
}

BENCHMARK(clearQuintrel)
    ->Name("ClearTable/quintrel")
    ->Arg(1'000'000)
    ->Iterations(5)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(clearUnorderedMap)
    ->Name("ClearTable/std_unordered_map")
    ->Arg(1'000'000)
    ->Iterations(5)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

// 16-byte keys: the CRC32 instruction (the family this machine uses when it has SSE4.2) against
// the portable polynomial.
template <std::uint32_t (*hash)(const void*, std::size_t)>
void hash16(benchmark::State& state) {
  std::vector<std::string> keys;
  for (int i = 0; i < 4096; ++i) {
    keys.push_back(std::string("Ctrl + Alt + ").append(std::to_string(1000 + i)).substr(0, 16));
  }
  std::uint32_t sum = 0;
  for (auto _ : state) {
    for (const std::string& key : keys) sum += hash(key.data(), key.size());
  }
  benchmark::DoNotOptimize(sum);
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(keys.size()));
}

BENCHMARK_TEMPLATE(hash16, quintrel::crc32c)->Name("Hash16Bytes/quintrel");
BENCHMARK_TEMPLATE(hash16, quintrel::polynomialHash)->Name("Hash16Bytes/polynomial31");

}  // namespace

int main(int argc, char** argv) { return quintrel::bench::runWithRatios(argc, argv); }
