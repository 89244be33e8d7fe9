// Save failures that need the operating system's means to provoke: permissions, a full disk,
// symbolic links. Where Windows has no such means, the case is skipped there and says why.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <csignal>
#include <string>

#include "table/list_file_writer.h"
#include "test_support.h"

namespace quintrel {
namespace {

namespace fs = std::filesystem;

const std::string kOldBytes = "1|F1|1|2|old|\r\n";

// Saves a table of rowCount rows to path.
ListWriteResult save(int rowCount, const fs::path& path) {
  MemoryListView view = test::hotkeyListView();
  for (int i = 0; i < rowCount; ++i) {
    test::appendRows(view, {{std::to_string(i + 1), "Ctrl + F12", "1000", "2000", "new"}});
  }
  return writeListText(view, path, kListHeader, kListSeparator, false);
}

// On Windows, taking the write bits away sets the file's read-only attribute.
TEST(WriteListTextSystem, ReadOnlyFileIsKeptExactly) {
  test::TempFolder folder;
  test::writeBytes(folder / "hotkey.txt", kOldBytes);
  fs::permissions(folder / "hotkey.txt", fs::perms::owner_read | fs::perms::group_read);
  const ListWriteResult result = save(3, folder / "hotkey.txt");
  EXPECT_EQ(result.status, SaveStatus::ReadOnly);
  EXPECT_EQ(test::readBytes(folder / "hotkey.txt"), kOldBytes);
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"hotkey.txt"});
}

TEST(WriteListTextSystem, ReadOnlyFolderCannotCreate) {
#ifdef _WIN32
  GTEST_SKIP() << "a folder's read-only attribute does not keep new files out on Windows";
#else
  if (geteuid() == 0) GTEST_SKIP() << "root may write into any folder";
  test::TempFolder folder;
  test::writeBytes(folder / "hotkey.txt", kOldBytes);
  fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
  const ListWriteResult result = save(3, folder / "hotkey.txt");
  EXPECT_EQ(result.status, SaveStatus::CannotCreate);
  EXPECT_EQ(test::readBytes(folder / "hotkey.txt"), kOldBytes);
#endif
}

// A file size limit makes writes fail as a full disk does (EFBIG instead of ENOSPC).
class FullDiskTest : public ::testing::Test {
#ifdef _WIN32
 protected:
  void SetUp() override { GTEST_SKIP() << "Windows has no file size limit of a process"; }
#else
 protected:
  void SetUp() override {
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous_), 0);
    rlimit limited = previous_;
    limited.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  }
  void TearDown() override {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit previous_{};
  void (*previousHandler_)(int) = nullptr;
#endif
};

TEST_F(FullDiskTest, FailedWriteKeepsTheOldFileAndLeavesNoTemporary) {
  test::TempFolder folder;
  test::writeBytes(folder / "hotkey.txt", kOldBytes);
  for (const int rows : {3000, 20000}) {  // fails at the last flush, and in the middle
    const ListWriteResult result = save(rows, folder / "hotkey.txt");
    EXPECT_EQ(result.status, SaveStatus::WriteFailed) << rows;
    EXPECT_EQ(result.error, std::errc::file_too_large) << result.error.message();
    EXPECT_EQ(result.fieldCount, 0);
    EXPECT_EQ(test::readBytes(folder / "hotkey.txt"), kOldBytes);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"hotkey.txt"});
  }
}

TEST(WriteListTextSystem, ReplacementKeepsPermissionsAndLinks) {
#ifdef _WIN32
  GTEST_SKIP() << "symbolic links need a privilege on Windows";
#endif
  test::TempFolder folder;
  fs::create_directory(folder / "real");
  test::writeBytes(folder / "real" / "hotkey.txt", kOldBytes);
  fs::permissions(folder / "real" / "hotkey.txt", fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink(folder / "real" / "hotkey.txt", folder / "hotkey.txt");

  ASSERT_TRUE(save(1, folder / "hotkey.txt").saved());
  EXPECT_TRUE(fs::is_symlink(folder / "hotkey.txt"));
  EXPECT_EQ(test::readBytes(folder / "real" / "hotkey.txt"), "1|Ctrl + F12|1000|2000|new|\r\n");
  EXPECT_EQ(fs::status(folder / "real" / "hotkey.txt").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
}

}  // namespace
}  // namespace quintrel
