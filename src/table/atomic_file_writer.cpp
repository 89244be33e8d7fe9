#include "table/atomic_file_writer.h"

#include <cstdio>
#include <random>

#include "table/file_errors.h"

namespace quintrel {
namespace fs = std::filesystem;

namespace {

// A name beside the target that no other file has: the target's name, a random part, ".tmp".
fs::path temporaryNameFor(const fs::path& target) {
  static std::mt19937_64 random{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%016llx.tmp", static_cast<unsigned long long>(random()));
    fs::path candidate = target;
    candidate += suffix;
    std::error_code ignored;
    if (!fs::exists(fs::symlink_status(candidate, ignored))) return candidate;
  }
  return {};
}

bool hasNoWriteBit(fs::perms perms) {
  return (perms & (fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write)) ==
         fs::perms::none;
}

}  // namespace

std::string_view describeSaveStatus(SaveStatus status) {
  switch (status) {
    case SaveStatus::Saved:
      return "saved";
    case SaveStatus::NothingToWrite:
      return "nothing to write";
    case SaveStatus::NotAFile:
      return "the name is taken by a folder or another non-file";
    case SaveStatus::ReadOnly:
      return "the file is read-only";
    case SaveStatus::CannotCreate:
      return "cannot create a file in its folder";
    case SaveStatus::WriteFailed:
      return "writing failed (the disk may be full)";
    case SaveStatus::CannotReplace:
      return "cannot replace the file";
  }
  return "unknown";
}

AtomicFileWriter::AtomicFileWriter(fs::path target) : target_(std::move(target)) {}

AtomicFileWriter::~AtomicFileWriter() {
  if (!committed_) discard();
}

SaveStatus AtomicFileWriter::open() {
  // A link stands for the file it points to: replace that file and keep the link.
  std::error_code ec;
  if (fs::is_symlink(fs::symlink_status(target_, ec))) {
    const fs::path resolved = fs::weakly_canonical(target_, ec);
    if (!ec) target_ = resolved;
  }
  const fs::file_status status = fs::status(target_, ec);
  if (fs::exists(status)) {
    if (!fs::is_regular_file(status)) {
      error_ = std::make_error_code(std::errc::is_a_directory);
      return SaveStatus::NotAFile;
    }
    // A file the user (or the system) marked read-only is kept, even where the folder would let
    // a rename replace it. Opening it for update truncates nothing: the probe changes nothing.
    errno = 0;
    std::fstream probe(target_, std::ios::in | std::ios::out | std::ios::binary);
    if (!probe || hasNoWriteBit(status.permissions())) {
      error_ = !probe ? lastSystemError(std::errc::permission_denied)
                      : std::make_error_code(std::errc::permission_denied);
      return SaveStatus::ReadOnly;
    }
  }
  temporary_ = temporaryNameFor(target_);
  if (temporary_.empty()) {
    error_ = std::make_error_code(std::errc::file_exists);
    return SaveStatus::CannotCreate;
  }
  errno = 0;
  out_.open(temporary_, std::ios::binary | std::ios::trunc);
  if (!out_) {
    error_ = lastSystemError(std::errc::permission_denied);
    temporary_.clear();
    return SaveStatus::CannotCreate;
  }
  return SaveStatus::Saved;
}

bool AtomicFileWriter::write(std::string_view bytes) {
  if (writeFailed_ || !out_.is_open()) return false;
  errno = 0;
  out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out_) {
    writeFailed_ = true;
    error_ = lastSystemError(std::errc::io_error);
  }
  return !writeFailed_;
}

SaveStatus AtomicFileWriter::commit() {
  if (!out_.is_open()) return SaveStatus::CannotCreate;
  errno = 0;
  out_.close();  // flushes the last bytes; a full disk often shows only here
  if (writeFailed_ || out_.fail()) {
    if (!writeFailed_) error_ = lastSystemError(std::errc::io_error);
    discard();
    return SaveStatus::WriteFailed;
  }
  std::error_code ec;
  const fs::file_status old = fs::status(target_, ec);
  if (fs::exists(old)) {
    // The new file keeps the old one's permissions.
    fs::permissions(temporary_, old.permissions(), ec);
  }
  fs::rename(temporary_, target_, ec);
  if (ec) {
    error_ = ec;
    discard();
    return SaveStatus::CannotReplace;
  }
  committed_ = true;
  return SaveStatus::Saved;
}

void AtomicFileWriter::discard() {
  if (out_.is_open()) out_.close();
  if (!temporary_.empty()) {
    std::error_code ignored;
    fs::remove(temporary_, ignored);
    temporary_.clear();
  }
}

}  // namespace quintrel
