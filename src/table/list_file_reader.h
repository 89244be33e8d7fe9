// Filling the hotkey table from a list file.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/list_view.h"

namespace quintrel {

struct ListFileLoad {
  enum class Status {
    Loaded,      // the file was read (it may have had no rows)
    Missing,     // there is no such file: the table stays as it was
    Unreadable,  // the file exists but could not be opened or read: nothing was added
  };
  Status status = Status::Loaded;
  std::size_t rowsAdded = 0;
  // A NUL or 0x1A byte ended the file's text before its last byte: the rest was not read, and a
  // save would not write it back.
  bool stoppedAtEndMarker = false;
  std::error_code error;  // why the file could not be read
};

// Appends one row per line of text (the bytes of a list file) to view: the new row's column 0 is
// first the decimal text of the row count plus one, then field i of the line goes into column i.
// Fields past the last column are dropped, missing ones leave their cells empty, an empty line
// gives a row with only that provisional number. Redrawing is paused meanwhile.
ListFileLoad loadListText(ListView& view, std::string_view bytes, std::string_view separator);

// The same for the file at path, read as bytes; a missing or unreadable file adds nothing.
ListFileLoad loadListFile(ListView& view, const std::filesystem::path& path,
                          std::string_view separator);

}  // namespace quintrel
