// Reading a list file into the in-memory list view and writing it back, in bytes per second, at
// 10k, 100k and 1M rows, against the plain iostream way of doing the same.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "table/memory_list_view.h"
#include "ratio_reporter.h"
#include "table/hotkey_columns.h"
#include "table/list_file_reader.h"
#include "table/list_file_writer.h"

namespace {

namespace fs = std::filesystem;
using quintrel::MemoryListView;

const fs::path& benchFolder() {
  static const fs::path folder = [] {
    fs::path path = fs::temp_directory_path() / "quintrel-bench";
    fs::create_directories(path);
    return path;
  }();
  return folder;
}

// A list file of rows typical of real use: short numbers, hotkey texts, the two click kinds.
const fs::path& listFile(int rows) {
  static std::map<int, fs::path> files;
  auto [it, added] =
      files.try_emplace(rows, benchFolder() / ("hotkey-" + std::to_string(rows) + ".txt"));
  if (added) {
    static const char* kHotkeys[] = {"Ctrl + F1", "Shift + Alt + Num 7", "F5",
                                     "Ctrl + Shift + Alt + \xA1\xFB", "Alt + Num +"};
    static const char* kKinds[] = {"\xD7\xF3\xBC\xFC\xB5\xA5\xBB\xF7",
                                   "\xD3\xD2\xBC\xFC\xB5\xA5\xBB\xF7"};
    std::string text;
    for (int i = 0; i < rows; ++i) {
      text += std::to_string(i + 1) + '|' + kHotkeys[i % 5] + '|' + std::to_string(i * 7 % 1920) +
              '|' + std::to_string(i * 13 % 1080) + '|' + kKinds[i % 2] + "|\r\n";
    }
    std::ofstream(it->second, std::ios::binary).write(text.data(), static_cast<long>(text.size()));
  }
  return it->second;
}

void loadQuintrel(benchmark::State& state) {
  const fs::path& path = listFile(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    auto view = std::make_unique<MemoryListView>(quintrel::hotkeyColumnCaptions());
    quintrel::loadListFile(*view, path, quintrel::kListSeparator);
    benchmark::DoNotOptimize(view->GetCount());
    state.PauseTiming();
    view.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(path)));
}

// The alternative: std::getline per line, std::string::find per field, a vector per row.
void loadBaseline(benchmark::State& state) {
  const fs::path& path = listFile(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    auto rows = std::make_unique<std::vector<std::vector<std::string>>>();
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      std::vector<std::string> cells;
      std::size_t start = 0;
      for (std::size_t bar; (bar = line.find('|', start)) != std::string::npos; start = bar + 1) {
        cells.push_back(line.substr(start, bar - start));
      }
      if (start < line.size()) cells.push_back(line.substr(start));
      cells.resize(5);
      rows->push_back(std::move(cells));
    }
    benchmark::DoNotOptimize(rows->size());
    state.PauseTiming();
    rows.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(path)));
}

void writeQuintrel(benchmark::State& state) {
  const fs::path& source = listFile(static_cast<int>(state.range(0)));
  MemoryListView view(quintrel::hotkeyColumnCaptions());
  quintrel::loadListFile(view, source, quintrel::kListSeparator);
  const fs::path target = benchFolder() / "written.txt";
  for (auto _ : state) {
    const auto result = quintrel::writeListText(view, target, quintrel::kListHeader,
                                                quintrel::kListSeparator, false);
    if (!result.saved()) state.SkipWithError("save failed");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(source)));
}

// The alternative: an ofstream written cell by cell, truncating the file in place.
void writeBaseline(benchmark::State& state) {
  const fs::path& source = listFile(static_cast<int>(state.range(0)));
  MemoryListView view(quintrel::hotkeyColumnCaptions());
  quintrel::loadListFile(view, source, quintrel::kListSeparator);
  const fs::path target = benchFolder() / "written-baseline.txt";
  for (auto _ : state) {
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    for (int row = 0; row < view.GetCount(); ++row) {
      for (int column = 0; column < 5; ++column) out << view.GetCaption(row, column) << '|';
      out << "\r\n";
    }
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(source)));
}

void rowCounts(benchmark::internal::Benchmark* bench) {
  bench->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(loadQuintrel)->Name("ListLoad/quintrel")->Apply(rowCounts);
BENCHMARK(loadBaseline)->Name("ListLoad/getline")->Apply(rowCounts);
BENCHMARK(writeQuintrel)->Name("ListWrite/quintrel")->Apply(rowCounts);
BENCHMARK(writeBaseline)->Name("ListWrite/ofstream")->Apply(rowCounts);

}  // namespace

int main(int argc, char** argv) { return quintrel::bench::runWithRatios(argc, argv); }
