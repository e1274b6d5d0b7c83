#include "settings/posix_file_store.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <string>
#include <tuple>
#include <utility>

#include "settings/file_errors.h"
#include "support/faulty_file_replacer.h"
#include "support/temp_dir.h"
#include "support/test_text.h"
#include "unprivileged_user.h"

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

struct stat StatusOf(const std::filesystem::path& file) {
  struct stat status {};
  EXPECT_EQ(::stat(file.c_str(), &status), 0) << file;
  return status;
}

// A group-shared file written by another member stays the owner's and the
// group's, set-group-ID bit included, and is still replaced by a new file.
TEST_F(PosixFileStore, ReplaceKeepsOwnerGroupAndMode) {
  PutFile(file, "old");
  if (::chown(file.c_str(), 4321, 5678) != 0) GTEST_SKIP() << "needs root to give the file away";
  ASSERT_EQ(::chmod(file.c_str(), 02660), 0);
  const struct stat old = StatusOf(file);
  replacer.Replace(file, "new");
  const struct stat now = StatusOf(file);
  EXPECT_EQ(std::tuple(now.st_uid, now.st_gid, now.st_mode), std::tuple(4321u, 5678u, old.st_mode));
  EXPECT_NE(now.st_ino, old.st_ino);
}

// my0.txt linked under a second name stays one file; in place, a full disk
// is found before the old content is touched.
TEST_F(PosixFileStore, HardLinkedFileIsWrittenInPlaceAfterReservingItsRoom) {
  PutFile(file, "old");
  ASSERT_EQ(::link(file.c_str(), (dir / "copy").c_str()), 0);
  test::FaultyFileReplacer faulty;
  faulty.diskFullAfterBytes = 10;
  EXPECT_THROW(faulty.Replace(file, "new and longer"), FileWriteError);
  EXPECT_EQ(FileBytes(file), "old");
  replacer.Replace(file, "new");
  EXPECT_EQ(FileBytes(dir / "copy"), "new");
  EXPECT_EQ(StatusOf(file).st_nlink, 2u);
}

// NFSv3 and many FUSE mounts keep no reservations: the C library's stand-in
// reads every block before it writes it, so the file is open for reading
// too; where even that is missing, the part beyond the old end is written
// first, and a full disk still leaves the old content whole.
TEST_F(PosixFileStore, InPlaceWriteWithoutReservationsKeepsTheOldContentOnAFullDisk) {
  PutFile(file, "old");
  ASSERT_EQ(::link(file.c_str(), (dir / "copy").c_str()), 0);
  PosixFileCalls calls = PosixFileCalls::System();
  int access = -1;
  calls.fallocate = [&access](int fd, off_t, off_t) {
    access = ::fcntl(fd, F_GETFL) & O_ACCMODE;
    return EOPNOTSUPP;
  };
  PosixFileReplacer(calls).Replace(file, "new and longer");
  EXPECT_EQ(access, O_RDWR);
  EXPECT_EQ(FileBytes(dir / "copy"), "new and longer");

  for (const std::size_t room : {0u, 5u}) {
    SCOPED_TRACE(room);
    test::FaultyFileReplacer faulty;
    faulty.fallocateError = EOPNOTSUPP;
    faulty.diskFullAfterBytes = room;
    EXPECT_EQ(test::MessageOf<FileWriteError>(
                  [&] { faulty.Replace(file, "newer and longer still, past the old end"); }),
              file.string() + Sj(" に書き込めません: No space left on device"));
    EXPECT_EQ(FileBytes(file), "new and longer");
    EXPECT_EQ(StatusOf(file).st_nlink, 2u);
  }
  test::FaultyFileReplacer unsupported;
  unsupported.fallocateError = EOPNOTSUPP;
  unsupported.Replace(file, "short");  // needs no room beyond the old end
  EXPECT_EQ(FileBytes(dir / "copy"), "short");
}

TEST_F(PosixFileStore, SymbolicLinksAreFollowedAndKept) {
  std::filesystem::create_directory(dir / "shared");
  PutFile(dir / "shared" / "a.ini", "old");
  std::filesystem::create_symlink("shared/a.ini", dir / "a.ini");
  std::filesystem::create_symlink(dir / "shared" / "my0.txt", dir / "my0.txt");  // dangling
  std::filesystem::create_symlink("loop", dir / "loop");
  replacer.Replace(dir / "a.ini", "new");
  replacer.Replace(dir / "my0.txt", "sender");
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "a.ini"));
  EXPECT_EQ(FileBytes(dir / "shared" / "a.ini") + FileBytes(dir / "shared" / "my0.txt"),
            "newsender");
  EXPECT_EQ(EntryCount(dir / "shared"), 2u);
  EXPECT_THROW(replacer.Replace(dir / "loop", "x"), FileWriteError);
}

// Devices and a FIFO made in the test's folder: a document goes into them,
// a kept file refuses them; none is ever replaced.
TEST_F(PosixFileStore, SpecialFilesAreWrittenIntoOrRefusedButNeverReplaced) {
  const std::filesystem::path null = dir / "null", full = dir / "full", fifo = dir / "fifo";
  if (::mknod(null.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) GTEST_SKIP() << "no mknod here";
  ASSERT_EQ(::mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)), 0);
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  replacer.Write(null, "%PDF", SpecialFileTarget::kWriteInto);
  replacer.Write(fifo, "%PDF", SpecialFileTarget::kWriteInto);
  char got[8] = {};
  EXPECT_EQ(::read(reader, got, sizeof got), 4);
  ::close(reader);
  EXPECT_EQ(test::MessageOf<FileWriteError>(
                [&] { replacer.Write(full, "%PDF", SpecialFileTarget::kWriteInto); }),
            full.string() + Sj(" に書き込めません: No space left on device"));
  for (const auto& special : {null, full, fifo}) {
    EXPECT_THROW(replacer.Replace(special, "[s]"), FileWriteError) << special;
    EXPECT_FALSE(S_ISREG(StatusOf(special).st_mode)) << special;
  }
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
    EXPECT_EQ(std::string(error.what()),
              file.string() + Sj(" に書き込めません: Permission denied"));
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
    EXPECT_EQ(std::string(error.what()), file.string() + ": No such file or directory");
  }
  std::filesystem::create_directory(file);
  EXPECT_THROW(ReadFileIfExists(file), FileReadError);
  // The folder's name is UTF-8 on disk and CP932 in the message.
  EXPECT_EQ(test::MessageOf<FileReadError>([&] { ReadWholeFile(dir / "作業" / "my0.txt"); }),
            dir.path().string() + Sj("/作業/my0.txt: No such file or directory"));
}

// One byte past the limit, and a sparse file of 4 GB, are refused unread.
TEST_F(PosixFileStore, FileAboveTheSizeLimitIsRefusedByName) {
  PutFile(file, std::string(kMaxStoredFileBytes, 'x'));
  EXPECT_EQ(ReadWholeFile(file).size(), kMaxStoredFileBytes);
  for (const std::uintmax_t size : {kMaxStoredFileBytes + 1, std::size_t{1} << 32}) {
    std::filesystem::resize_file(file, size);
    EXPECT_EQ(test::MessageOf<FileReadError>([&] { ReadWholeFile(file); }),
              file.string() + ": File too large (more than 16777216 bytes)");
  }
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
      EXPECT_EQ(std::string(error.what()),
                file.string() + Sj(" に書き込めません: ") + fault.reason);
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

// A file of mode 0666 in root's folder (0755), which takes no new file from
// the user, or in a shared folder but of another owner, whom a new file
// cannot be given: the file itself is written, owner and inode kept.
TEST_F(PosixFileStore, FileThatANewOneCannotStandInForIsWrittenInPlace) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
  for (const auto& [folderMode, owner] : {std::pair(0755u, 0u), std::pair(0777u, 4321u)}) {
    SCOPED_TRACE(owner);
    PutFile(file, "old content");
    ASSERT_EQ(::chmod(dir.path().c_str(), folderMode) | ::chown(file.c_str(), owner, owner) |
                  ::chmod(file.c_str(), 0666),
              0);
    const ino_t inode = StatusOf(file).st_ino;
    EXPECT_EQ(test::RunAsTestUser([&] {
                replacer.Replace(file, "new");
                return true;
              }),
              0);
    EXPECT_EQ(FileBytes(file), "new");
    EXPECT_EQ(std::pair(StatusOf(file).st_uid, StatusOf(file).st_ino), std::pair(owner, inode));
  }
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
