// Writing chosen columns of every row of a list view as a delimited text file.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/list_view.h"
#include "table/atomic_file_writer.h"

namespace quintrel {

// Called after each row is prepared, with (rows, rows done so far).
using ListWriteProgress = std::function<void(int rows, int done)>;

struct ListWriteResult {
  // Number of fields in the column map, 0 when nothing was written for want of columns.
  int fieldCount = 0;
  SaveStatus status = SaveStatus::Saved;
  std::error_code error;  // the system's reason, when it gave one
  bool saved() const { return status == SaveStatus::Saved; }
};

// Builds the column map from header: one entry per "|"-separated field of header (always "|",
// whatever the separator). For each field in order, every column whose caption equals the field
// (both without blanks at their ends, ASCII letters without case) puts its index into the next free
// entry; entries left over stay 0. Returns the header with every "|" replaced by separator.
std::string mapHeaderColumns(const ListView& view, std::string_view header,
                             std::string_view separator, std::vector<int>& columnMap);

// The bytes of the list text: an optional header line, then for every row in list order the cells
// of the mapped columns, each followed by separator, and CR LF after each line.
std::string listText(const ListView& view, const std::vector<int>& columnMap,
                     std::string_view separator, std::string_view headerLine,
                     const ListWriteProgress& progress = {});

// Writes the list text of view to path through AtomicFileWriter: the file is either replaced by
// exactly these bytes or left exactly as it was. With a header that maps no column nothing is
// touched and fieldCount is 0.
ListWriteResult writeListText(const ListView& view, const std::filesystem::path& path,
                              std::string_view header, std::string_view separator,
                              bool withHeaderLine, const ListWriteProgress& progress = {});

}  // namespace quintrel
