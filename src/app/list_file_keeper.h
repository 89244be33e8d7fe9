// The table's life in the list file: read once while the main window is created, written back
// when the main window closes.
//
// A save that fails never passes silently: the user is told why and chooses between closing
// anyway (losing this session's edits, the old file kept as it was) and going back to the window.
// A file that existed but could not be read at start is never overwritten by a save, since the
// table then does not hold what the file holds.
#pragma once

#include <filesystem>
#include <string>

#include "platform/dialogs.h"
#include "platform/list_view.h"
#include "table/atomic_file_writer.h"
#include "table/list_file_reader.h"

namespace quintrel {

class ListFileKeeper {
 public:
  explicit ListFileKeeper(std::filesystem::path path);

  // Appends the file's rows to table.
  void load(ListView& table);
  // Writes table to the file; true when the window may close.
  bool saveOnClose(const ListView& table, Dialogs& dialogs);

  const ListFileLoad& lastLoad() const { return lastLoad_; }

 private:
  std::filesystem::path path_;
  ListFileLoad lastLoad_;
};

// The message shown when a save failed (code page 936).
std::string saveFailureMessage(SaveStatus status, const std::error_code& error);

}  // namespace quintrel
