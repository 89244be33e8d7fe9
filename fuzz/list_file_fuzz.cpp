// Feeds arbitrary bytes to the list file reader, then writes the table back and reads it again.
//
// Checked besides "no crash, no sanitizer report":
//  - every line split at "|" and joined again gives the line back (the trailing separator aside);
//  - a table written and read again holds the same cells, as long as no cell holds a "|" or a
//    line break and no cell ends in a lead byte (those are the known ways a cell changes shape).
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "table/memory_list_view.h"
#include "table/hotkey_columns.h"
#include "table/list_file_lines.h"
#include "table/list_file_reader.h"
#include "table/list_file_writer.h"
#include "text/cp936.h"
#include "text/split.h"

namespace {

using quintrel::ListView;
using quintrel::MemoryListView;

void check(bool condition) {
  if (!condition) std::abort();
}

// True when separator ends text at a character boundary of text.
bool endsWithSeparatorAtBoundary(std::string_view text, std::string_view separator) {
  std::size_t pos = 0;
  std::size_t lastEnd = std::string_view::npos;
  while (pos < text.size()) {
    if (text.substr(pos, separator.size()) == separator) {
      pos += separator.size();
      lastEnd = pos;
    } else {
      pos += quintrel::charLengthAt(text, pos);
    }
  }
  return lastEnd == text.size();
}

void checkSplitRejoins(std::string_view line) {
  std::string joined;
  bool first = true;
  quintrel::forEachPiece(line, "|", [&](std::string_view piece) {
    if (!first) joined += '|';
    joined += piece;
    first = false;
  });
  if (endsWithSeparatorAtBoundary(line, "|")) joined += '|';
  check(joined == line);
}

// A cell that keeps its shape through a save and a load.
bool stableCell(std::string_view cell) {
  std::size_t pos = 0;
  while (pos < cell.size()) {
    const char c = cell[pos];
    const std::size_t length = quintrel::charLengthAt(cell, pos);
    if (length == 1 && (c == '|' || c == '\n' || c == 0 || c == 0x1A)) return false;
    if (length == 1 && quintrel::isLeadByte(static_cast<unsigned char>(c))) return false;
    if (length == 2 && (cell[pos + 1] == 0 || cell[pos + 1] == 0x1A)) return false;
    pos += length;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  quintrel::ListFileLines lines(quintrel::listFileText(bytes));
  std::string_view line;
  while (lines.next(line)) checkSplitRejoins(line);

  MemoryListView view(quintrel::hotkeyColumnCaptions());
  quintrel::loadListText(view, bytes, "|");

  std::vector<int> columnMap;
  quintrel::mapHeaderColumns(view, quintrel::kListHeader, "|", columnMap);
  const std::string written = quintrel::listText(view, columnMap, "|", "");
  MemoryListView reloaded(quintrel::hotkeyColumnCaptions());
  quintrel::loadListText(reloaded, written, "|");
  check(reloaded.GetCount() == view.GetCount());

  bool allStable = true;
  for (int row = 0; row < view.GetCount() && allStable; ++row) {
    for (int column = 0; column < view.GetColCount(); ++column) {
      allStable = allStable && stableCell(view.GetCaption(row, column));
    }
  }
  if (allStable) {
    for (int row = 0; row < view.GetCount(); ++row) {
      for (int column = 0; column < view.GetColCount(); ++column) {
        check(reloaded.GetCaption(row, column) == view.GetCaption(row, column));
      }
    }
  }
  return 0;
}
