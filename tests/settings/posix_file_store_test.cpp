#include "settings/posix_file_store.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>

#include "faulty_file_replacer.h"
#include "settings/file_errors.h"
#include "temp_dir.h"
#include "test_text.h"

namespace ruvo::settings {
namespace {

using test::EntryCount;
using test::FileBytes;
using test::PutFile;
using test::Sj;

class PosixFileStore : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::filesystem::path file = dir / "my2.txt";
  PosixFileReplacer replacer;
};

TEST_F(PosixFileStore, ReplaceCreatesAndReplacesLeavingNoTemporaryFile) {
  replacer.Replace(file, "first");
  replacer.Replace(file, "second, longer");
  replacer.Replace(file, "3");
  EXPECT_EQ(FileBytes(file), "3");
  EXPECT_EQ(EntryCount(dir.path()), 1u);
}

TEST_F(PosixFileStore, ReplaceKeepsThePermissions) {
  PutFile(file, "old");
  ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
  replacer.Replace(file, "new");
  struct stat status {};
  ASSERT_EQ(::stat(file.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
}

// A file its owner made read-only is not overwritten by way of its folder;
// the refusal holds for root too, as a read-only attribute does.
TEST_F(PosixFileStore, ReadOnlyFileIsNotReplaced) {
  PutFile(file, "old");
  ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
  try {
    replacer.Replace(file, "new");
    FAIL() << "no error";
  } catch (const FileWriteError& error) {
    EXPECT_EQ(std::string(error.what()), "my2.txt" + Sj(" に書き込めません: Permission denied"));
  }
  EXPECT_EQ(FileBytes(file), "old");
  EXPECT_EQ(EntryCount(dir.path()), 1u);
}

TEST_F(PosixFileStore, ReadsBytesUnchanged) {
  const std::string bytes("a\0\xFF\x81\r\n", 6);
  PutFile(file, bytes);
  EXPECT_EQ(ReadWholeFile(file), bytes);
  EXPECT_EQ(ReadFileIfExists(file), bytes);
}

TEST_F(PosixFileStore, ReadErrorsNameTheFileAndTheReason) {
  EXPECT_EQ(ReadFileIfExists(file), std::nullopt);
  try {
    ReadWholeFile(file);
    FAIL() << "no error";
  } catch (const FileReadError& error) {
    EXPECT_STREQ(error.what(), "my2.txt: No such file or directory");
  }
  std::filesystem::create_directory(file);
  EXPECT_THROW(ReadFileIfExists(file), FileReadError);
}

struct Fault {
  const char* name;
  void (*arm)(test::FaultyFileReplacer&);
  const char* reason;
};

TEST_F(PosixFileStore, FailedReplaceKeepsTheOldFileComplete) {
  const Fault faults[] = {
      {"disk full at once", [](auto& r) { r.diskFullAfterBytes = 0; }, "No space left on device"},
      {"disk full half-way", [](auto& r) { r.diskFullAfterBytes = 3; }, "No space left on device"},
      {"flush fails", [](auto& r) { r.fsyncError = EIO; }, "Input/output error"},
      {"rename refused", [](auto& r) { r.renameError = EBUSY; }, "Device or resource busy"},
  };
  for (const Fault& fault : faults) {
    SCOPED_TRACE(fault.name);
    PutFile(file, "old content");
    test::FaultyFileReplacer faulty;
    fault.arm(faulty);
    try {
      faulty.Replace(file, "new content");
      FAIL() << "no error";
    } catch (const FileWriteError& error) {
      EXPECT_EQ(std::string(error.what()), "my2.txt" + Sj(" に書き込めません: ") + fault.reason);
    }
    EXPECT_EQ(FileBytes(file), "old content");
    EXPECT_EQ(EntryCount(dir.path()), 1u);
  }
}

// A run cut off between creating its temporary file and renaming it (power
// loss) leaves that file behind; in a sandbox the program gets the same
// process id every run, so a later run picks the same names. Those names are
// skipped, and the leftovers are not touched.
TEST_F(PosixFileStore, LeftoverTemporaryFilesDoNotBlockAReplace) {
  std::string lastTemporary;
  PosixFileCalls calls = PosixFileCalls::System();
  calls.rename = [&lastTemporary](const char* from, const char* to) {
    lastTemporary = from;
    return ::rename(from, to);
  };
  PosixFileReplacer watched(calls);
  watched.Replace(file, "old");
  // ".my2.txt.tmp-<pid>-<n>": the next names count n on.
  const std::size_t dash = lastTemporary.rfind('-');
  const unsigned long next = std::stoul(lastTemporary.substr(dash + 1)) + 1;
  for (unsigned long n = next; n < next + 3; ++n) {
    PutFile(lastTemporary.substr(0, dash + 1) + std::to_string(n), "leftover");
  }
  watched.Replace(file, "new");
  EXPECT_EQ(FileBytes(file), "new");
  EXPECT_EQ(EntryCount(dir.path()), 4u);  // the file and the three leftovers
}

TEST_F(PosixFileStore, FailedFirstWriteCreatesNoFile) {
  test::FaultyFileReplacer faulty;
  faulty.diskFullAfterBytes = 2;
  EXPECT_THROW(faulty.Replace(file, "content"), FileWriteError);
  EXPECT_EQ(EntryCount(dir.path()), 0u);
}

// Runs `undo` when the test ends, however it ends.
class Undo {
 public:
  explicit Undo(std::function<void()> undo) : undo_(std::move(undo)) {}
  Undo(const Undo&) = delete;
  Undo& operator=(const Undo&) = delete;
  ~Undo() { undo_(); }

 private:
  std::function<void()> undo_;
};

// A folder that takes no new file: mode 0555 stops an ordinary user, the
// immutable flag stops root too.
TEST_F(PosixFileStore, ReadOnlyFolderKeepsTheOldFile) {
  PutFile(file, "old");
  const std::string folder = "'" + dir.path().string() + "'";
  const bool root = ::geteuid() == 0;
  const std::string lock = root ? "chattr +i " + folder + " 2>/dev/null" : "chmod 0555 " + folder;
  const std::string unlock = root ? "chattr -i " + folder : "chmod 0755 " + folder;
  if (std::system(lock.c_str()) != 0) {
    GTEST_SKIP() << "cannot make the folder read-only here";
  }
  const Undo writable_again([&] { static_cast<void>(std::system(unlock.c_str())); });
  EXPECT_THROW(replacer.Replace(file, "new"), FileWriteError);
  EXPECT_EQ(FileBytes(file), "old");
  EXPECT_EQ(EntryCount(dir.path()), 1u);
}

// A real file system that runs out of space: a 64 KiB tmpfs.
TEST_F(PosixFileStore, FullFileSystemKeepsTheOldFile) {
  const std::filesystem::path mount = dir / "tiny";
  std::filesystem::create_directory(mount);
  if (::mount("tmpfs", mount.c_str(), "tmpfs", 0, "size=64k") != 0) {
    GTEST_SKIP() << "cannot mount a tmpfs here";
  }
  const Undo unmount([&] { ::umount(mount.c_str()); });
  const std::filesystem::path target = mount / "ruvo_q710.ini";
  PutFile(target, "[s]\r\nk=old\r\n");
  EXPECT_THROW(replacer.Replace(target, std::string(256 * 1024, 'x')), FileWriteError);
  EXPECT_EQ(FileBytes(target), "[s]\r\nk=old\r\n");
  EXPECT_EQ(EntryCount(mount), 1u);
}

}  // namespace
}  // namespace ruvo::settings
