// Loading a big hotkey.txt into the Linux program's list and showing it, offscreen: the main
// window's model (rows kept as bytes, converted only when painted) against the obvious Qt way,
// a QStandardItemModel holding one item per cell.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStandardItemModel>
#include <QTreeView>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/application.h"
#include "platform/fake/fake_input_hooks.h"
#include "ratio_reporter.h"
#include "table/hotkey_columns.h"
#include "table/list_file_reader.h"
#include "ui/qt/cp936_qstring.h"
#include "ui/qt/main_window.h"

namespace {

namespace fs = std::filesystem;

fs::path listFolder(int rows) {
  const fs::path folder = fs::temp_directory_path() / ("quintrel-qt-bench-" + std::to_string(rows));
  fs::create_directories(folder);
  const fs::path file = folder / "hotkey.txt";
  if (!fs::exists(file)) {
    std::ofstream out(file, std::ios::binary);
    for (int i = 0; i < rows; ++i) {
      out << i + 1 << "|Ctrl + Shift + F" << i % 12 + 1 << '|' << i % 1920 << '|' << i % 1080
          << "|\xD7\xF3\xBC\xFC\xB5\xA5\xBB\xF7|\r\n";
    }
  }
  return folder;
}

// Paints the window now, as its first show on screen would.
void paintNow(QWidget& window) {
  QApplication::processEvents();
  window.repaint();
}

void mainWindow(benchmark::State& state) {
  const fs::path folder = listFolder(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    quintrel::FakeInputHooks hooks;
    quintrel::Application app(folder / "hotkey.txt", hooks);
    auto window = std::make_unique<quintrel::qt::MainWindow>(app);
    window->created();
    window->show();
    paintNow(*window);
    benchmark::DoNotOptimize(window->table().GetCount());
    state.PauseTiming();
    window.reset();
    state.ResumeTiming();
  }
}

// The alternative: the same reader, each cell converted into a QStandardItem up front.
class StandardItemListView final : public quintrel::ListView {
 public:
  explicit StandardItemListView(QStandardItemModel& model) : model_(model) {}
  int GetCount() const override { return model_.rowCount(); }
  std::string GetCaption(int row, int column) const override {
    return quintrel::qt::toCp936(model_.item(row, column)->text());
  }
  void SetCaption(int row, int column, std::string_view text) override {
    model_.item(row, column)->setText(quintrel::qt::fromCp936(text));
  }
  int Insert(int, std::string_view caption) override {
    QList<QStandardItem*> items;
    items << new QStandardItem(quintrel::qt::fromCp936(caption));
    for (int column = 1; column < 5; ++column) items << new QStandardItem();
    model_.appendRow(items);
    return model_.rowCount() - 1;
  }
  void Remove(int row) override { model_.removeRow(row); }
  std::vector<int> GetSelItems() const override { return {}; }
  std::string GetColCaption(int column) const override {
    return std::string(quintrel::kColumnCaptions[column]);
  }
  int GetColCount() const override { return 5; }
  void SetRedraw(bool) override {}

 private:
  QStandardItemModel& model_;
};

void standardItemModel(benchmark::State& state) {
  const fs::path folder = listFolder(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    auto model = std::make_unique<QStandardItemModel>(0, 5);
    auto view = std::make_unique<QTreeView>();
    view->setUniformRowHeights(true);
    view->setModel(model.get());
    view->resize(392, 312);
    StandardItemListView rows(*model);
    quintrel::loadListFile(rows, folder / "hotkey.txt", quintrel::kListSeparator);
    view->show();
    paintNow(*view);
    benchmark::DoNotOptimize(model->rowCount());
    state.PauseTiming();
    view.reset();
    model.reset();
    state.ResumeTiming();
  }
}

void rowCounts(benchmark::internal::Benchmark* bench) {
  bench->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(mainWindow)->Name("LoadAndShow/quintrel")->Apply(rowCounts);
BENCHMARK(standardItemModel)->Name("LoadAndShow/QStandardItemModel")->Apply(rowCounts);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return quintrel::bench::runWithRatios(argc, argv);
}
