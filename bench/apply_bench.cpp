// Applying the hotkey list to a big table, against a window that accepts every hotkey, so the
// measure is the applier's own work (grouping, the keyed table, the registry) and not the system's
// registration. Two tables: every row a hotkey of its own, and every row on one hotkey.
//
// The alternative grows each group in the keyed table row by row (get, append the row, set), the
// plain way to fill it. With all rows on one hotkey that copies the growing group once per row,
// quadratic in the rows (seconds at 100,000 rows).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "platform/fake/fake_hotkey_window.h"
#include "playback/hotkey_list_applier.h"
#include "ratio_reporter.h"
#include "table/hotkey_columns.h"
#include "table/memory_list_view.h"
#include "text/numbers.h"

namespace {

using namespace quintrel;

enum Shape : std::int64_t { AllDistinct = 0, AllOneHotkey = 1 };

// Hotkey texts as the entry box writes them ("Ctrl + Shift + Num 7"), a number appended once the
// combinations run out so that every text stays distinct.
std::string distinctText(std::size_t index) {
  static const char* kModifiers[] = {"Ctrl + ",       "Alt + ",          "Shift + ",
                                     "Ctrl + Alt + ", "Ctrl + Shift + ", "Shift + Alt + "};
  static const std::vector<std::string> kNames = [] {
    std::vector<std::string> names;
    for (int i = 1; i <= 12; ++i) names.push_back(std::string("F").append(std::to_string(i)));
    for (char c = 'A'; c <= 'Z'; ++c) names.emplace_back(1, c);
    for (int i = 0; i <= 9; ++i) names.push_back(std::string("Num ").append(std::to_string(i)));
    return names;
  }();
  const std::size_t combos = std::size(kModifiers) * kNames.size();
  std::string text = kModifiers[index % std::size(kModifiers)];
  text += kNames[index / std::size(kModifiers) % kNames.size()];
  if (index >= combos) text += std::to_string(index / combos);
  return text;
}

const MemoryListView& tableOf(Shape shape, std::int64_t rows) {
  static std::map<std::pair<Shape, std::int64_t>, std::unique_ptr<MemoryListView>> made;
  std::unique_ptr<MemoryListView>& table = made[{shape, rows}];
  if (table == nullptr) {
    table = std::make_unique<MemoryListView>(hotkeyColumnCaptions());
    for (std::int64_t row = 0; row < rows; ++row) {
      const int index =
          table->Insert(ListView::kAtEnd, intToText(static_cast<std::int32_t>(row + 1)));
      table->SetCaption(index, kColumnHotkey,
                        shape == AllOneHotkey ? std::string("Ctrl + F1")
                                              : distinctText(static_cast<std::size_t>(row)));
      table->SetCaption(index, kColumnX, "100");
      table->SetCaption(index, kColumnY, "200");
      table->SetCaption(index, kColumnKind, kLeftClickKind);
    }
  }
  return *table;
}

// The apply with each group grown in the keyed table row by row.
void applyByRepeatedGet(const ListView& table, HotkeyWindow& window, HotkeyRegistry& registry,
                        KeyedTable& groupsByText, HotkeyGroups& groups, WindowProcedure& handler) {
  registry.removeAllHotkeys(window);
  groupsByText.clear();
  groupsByText.create(KeyKind::Text, ValueKind::Text, 64);
  std::vector<std::string> distinct;
  std::unordered_set<std::string> seen;
  for (int row = 0; row < table.GetCount(); ++row) {
    std::string text = table.GetCaption(row, kColumnHotkey);
    const Key key = Key::ofText(text);
    if (groupsByText.contains(key)) {
      std::string group = groupsByText.get(key).bytes.value_or("");
      group += ',';
      group += intToText(row);
      groupsByText.set(key, Value::ofText(group));
    } else {
      groupsByText.set(key, Value::ofText(intToText(row)));
    }
    if (seen.insert(text).second) distinct.push_back(std::move(text));
  }
  groups.clear();
  for (std::size_t i = 0; i < distinct.size(); ++i) {
    groups.push_back(groupsByText.get(Key::ofText(distinct[i])).bytes.value_or(""));
    const KeyCombo combo = parseHotkeyText(distinct[i]);
    registry.addHotkey(window, combo.modifiers, combo.key, &handler, static_cast<int>(i + 1));
  }
}

template <auto Apply>
void applyList(benchmark::State& state) {
  const MemoryListView& table = tableOf(static_cast<Shape>(state.range(0)), state.range(1));
  FakeHotkeyWindow window;
  window.refuseTakenCombinations = false;
  HotkeyRegistry registry;
  KeyedTable groupsByText;
  HotkeyGroups groups;
  RecordingProcedure handler;
  // Each iteration also takes away what the one before registered, as a repeated apply does.
  for (auto _ : state) {
    Apply(table, window, registry, groupsByText, groups, handler);
    benchmark::DoNotOptimize(groups.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(1));
  registry.removeAllHotkeys(window);
}

BENCHMARK(applyList<applyHotkeyList>)
    ->Name("ApplyHotkeyList/quintrel")
    ->ArgNames({"one_hotkey", "rows"})
    ->ArgsProduct({{AllDistinct, AllOneHotkey}, {1'000, 10'000, 100'000}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(applyList<applyByRepeatedGet>)
    ->Name("ApplyHotkeyList/repeated_get")
    ->ArgNames({"one_hotkey", "rows"})
    ->Args({AllDistinct, 1'000})
    ->Args({AllDistinct, 10'000})
    ->Args({AllDistinct, 100'000})
    ->Args({AllOneHotkey, 1'000})
    ->Args({AllOneHotkey, 10'000})
    ->Args({AllOneHotkey, 100'000})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return quintrel::bench::runWithRatios(argc, argv); }
