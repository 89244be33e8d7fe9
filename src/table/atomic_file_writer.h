// Replacing a file so that a failed save never destroys the previous one.
//
// The new bytes go to a temporary file beside the target; only when every byte was written and
// the temporary file closed cleanly does it take the target's name, in one rename. Until then, and
// on any failure, the target stays exactly as it was and the temporary file is removed.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

namespace quintrel {

enum class SaveStatus {
  Saved,
  NothingToWrite,  // the caller had nothing to write (a header naming no column): file untouched
  NotAFile,        // the target's name is taken by a folder or another non-file
  ReadOnly,        // the target file exists and may not be written
  CannotCreate,    // no temporary file could be made in the target's folder
  WriteFailed,     // writing the bytes failed (disk full, quota, I/O error)
  CannotReplace,   // the finished file could not take the target's name
};

// A short English description of a status, for logs and messages.
std::string_view describeSaveStatus(SaveStatus status);

class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(std::filesystem::path target);
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;
  // Removes the temporary file unless commit() succeeded.
  ~AtomicFileWriter();

  // Checks the target and creates the temporary file.
  SaveStatus open();
  // Appends bytes; false once any write has failed (later writes are then ignored).
  bool write(std::string_view bytes);
  // Finishes the temporary file and moves it over the target.
  SaveStatus commit();

  // The system's reason for the last failure, when it gave one.
  std::error_code error() const { return error_; }

 private:
  void discard();

  std::filesystem::path target_;
  std::filesystem::path temporary_;
  std::ofstream out_;
  std::error_code error_;
  bool writeFailed_ = false;
  bool committed_ = false;
};

}  // namespace quintrel
