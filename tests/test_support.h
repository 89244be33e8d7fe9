// Small helpers shared by the unit tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "table/memory_list_view.h"
#include "table/hotkey_columns.h"

namespace quintrel::test {

// Code page 936 bytes of the texts the tests use.
inline const std::string kLeftClick = "\xD7\xF3\xBC\xFC\xB5\xA5\xBB\xF7";   // 左键单击
inline const std::string kRightClick = "\xD3\xD2\xBC\xFC\xB5\xA5\xBB\xF7";  // 右键单击

using Rows = std::vector<std::vector<std::string>>;

// A list view with the hotkey table's five columns.
inline MemoryListView hotkeyListView() { return MemoryListView(hotkeyColumnCaptions()); }

inline void appendRows(ListView& view, const Rows& rows) {
  for (const auto& cells : rows) {
    const int row = view.Insert(ListView::kAtEnd, "");
    for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
      view.SetCaption(row, column, cells[column]);
    }
  }
}

inline Rows rowsOf(const ListView& view) {
  Rows rows;
  for (int row = 0; row < view.GetCount(); ++row) {
    std::vector<std::string> cells;
    for (int column = 0; column < view.GetColCount(); ++column) {
      cells.push_back(view.GetCaption(row, column));
    }
    rows.push_back(cells);
  }
  return rows;
}

inline std::string readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A fresh, empty folder of its own for each test, removed afterwards.
class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    do {
      path_ = std::filesystem::temp_directory_path() /
              ("quintrel-test-" + std::to_string(random()) + std::to_string(random()));
    } while (!std::filesystem::create_directories(path_));
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }
  // Names of the entries in the folder, to see that nothing was left behind.
  std::vector<std::string> entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace quintrel::test
