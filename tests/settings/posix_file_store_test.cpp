#include "settings/posix_file_store.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
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

struct stat StatusOf(const std::filesystem::path& file) {
  struct stat status {};
  EXPECT_EQ(::stat(file.c_str(), &status), 0) << file;
  return status;
}

// A group-shared file written by another member stays the owner's and the
// group's, with its mode, set-group-ID bit included; it is still replaced by
// a new file (readers never see a mixture).
TEST_F(PosixFileStore, ReplaceKeepsOwnerGroupAndMode) {
  PutFile(file, "old");
  if (::chown(file.c_str(), 4321, 5678) != 0) GTEST_SKIP() << "needs root to give the file away";
  ASSERT_EQ(::chmod(file.c_str(), 02660), 0);
  const ino_t oldInode = StatusOf(file).st_ino;
  replacer.Replace(file, "new");
  const struct stat status = StatusOf(file);
  EXPECT_EQ(status.st_uid, 4321u);
  EXPECT_EQ(status.st_gid, 5678u);
  EXPECT_EQ(status.st_mode & 07777, 02660u);
  EXPECT_NE(status.st_ino, oldInode);
  EXPECT_EQ(FileBytes(file), "new");
}

// my0.txt linked under a second name: both names keep showing one file.
TEST_F(PosixFileStore, HardLinkedFileIsWrittenInPlace) {
  PutFile(file, "a longer old content");
  const std::filesystem::path second = dir / "sender-copy.txt";
  ASSERT_EQ(::link(file.c_str(), second.c_str()), 0);
  replacer.Replace(file, "new");
  EXPECT_EQ(FileBytes(second), "new");
  EXPECT_EQ(StatusOf(file).st_ino, StatusOf(second).st_ino);
  EXPECT_EQ(EntryCount(dir.path()), 2u);
}

// In place, the room is reserved before anything is overwritten, so a full
// disk keeps the old content whole and the file its old length.
TEST_F(PosixFileStore, FullDiskFoundBeforeAnInPlaceWriteTouchesTheFile) {
  PutFile(file, "old");
  ASSERT_EQ(::link(file.c_str(), (dir / "second").c_str()), 0);
  test::FaultyFileReplacer faulty;
  faulty.diskFullAfterBytes = 10;
  EXPECT_THROW(faulty.Replace(file, "new and longer"), FileWriteError);
  EXPECT_EQ(FileBytes(file), "old");
}

TEST_F(PosixFileStore, SymbolicLinksAreFollowedAndKept) {
  const std::filesystem::path shared = dir / "shared";
  std::filesystem::create_directory(shared);
  PutFile(shared / "ruvo_Rezovod.ini", "old");
  std::filesystem::create_symlink("shared/ruvo_Rezovod.ini", dir / "ruvo_Rezovod.ini");
  std::filesystem::create_symlink(dir / "shared" / "my0.txt", dir / "my0.txt");  // dangling
  std::filesystem::create_symlink("loop", dir / "loop");
  replacer.Replace(dir / "ruvo_Rezovod.ini", "new");
  replacer.Replace(dir / "my0.txt", "sender");
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "ruvo_Rezovod.ini"));
  EXPECT_EQ(FileBytes(shared / "ruvo_Rezovod.ini"), "new");
  EXPECT_EQ(FileBytes(shared / "my0.txt"), "sender");
  EXPECT_EQ(EntryCount(shared), 2u);
  EXPECT_THROW(replacer.Replace(dir / "loop", "x"), FileWriteError);
}

// Devices and FIFOs made in the test's own folder: a document is written
// into them, a kept file refuses them; neither is ever replaced.
TEST_F(PosixFileStore, SpecialFilesAreWrittenIntoOrRefusedButNeverReplaced) {
  const std::filesystem::path null = dir / "null", full = dir / "full", fifo = dir / "fifo";
  if (::mknod(null.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0 ||
      ::mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0) {
    GTEST_SKIP() << "cannot make device nodes here";
  }
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  replacer.Write(null, "%PDF", SpecialFileTarget::kWriteInto);
  replacer.Write(fifo, "%PDF", SpecialFileTarget::kWriteInto);
  char got[8] = {};
  EXPECT_EQ(::read(reader, got, sizeof got), 4);
  EXPECT_STREQ(got, "%PDF");
  ::close(reader);
  try {
    replacer.Write(full, "%PDF", SpecialFileTarget::kWriteInto);
    FAIL() << "no error";
  } catch (const FileWriteError& error) {
    EXPECT_EQ(std::string(error.what()),
              full.string() + Sj(" に書き込めません: No space left on device"));
  }
  for (const auto& special : {null, full, fifo}) {
    SCOPED_TRACE(special);
    EXPECT_THROW(replacer.Replace(special, "[s]"), FileWriteError);
  }
  EXPECT_TRUE(S_ISCHR(StatusOf(null).st_mode) && S_ISCHR(StatusOf(full).st_mode));
  EXPECT_TRUE(S_ISFIFO(StatusOf(fifo).st_mode));
  EXPECT_EQ(EntryCount(dir.path()), 3u);
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
  // The folder's name is UTF-8 on disk and CP932 in the message, like every
  // text of the core ("作業/my0.txt").
  const std::filesystem::path japanese = dir / "\xE4\xBD\x9C\xE6\xA5\xAD" / "my0.txt";
  try {
    ReadWholeFile(japanese);
    FAIL() << "no error";
  } catch (const FileReadError& error) {
    EXPECT_EQ(std::string(error.what()),
              dir.path().string() + Sj("/作業/my0.txt: No such file or directory"));
  }
}

// One byte past the limit is refused by the file's name; a sparse file of
// 4 GB is refused without reading it.
TEST_F(PosixFileStore, FileAboveTheSizeLimitIsRefusedByName) {
  PutFile(file, std::string(kMaxStoredFileBytes, 'x'));
  EXPECT_EQ(ReadWholeFile(file).size(), kMaxStoredFileBytes);
  for (const std::uintmax_t size :
       {std::uintmax_t{kMaxStoredFileBytes} + 1, std::uintmax_t{1} << 32}) {
    SCOPED_TRACE(size);
    std::filesystem::resize_file(file, size);
    try {
      ReadWholeFile(file);
      FAIL() << "no error";
    } catch (const FileReadError& error) {
      EXPECT_EQ(std::string(error.what()),
                file.string() + ": File too large (more than 16777216 bytes)");
    }
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

// Runs `write` in a child process as the user "nobody" (65534) and returns
// its exit status: how an ordinary user meets permissions that root passes.
int AsAnotherUser(const std::function<void()>& write) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
    try {
      write();
      ::_exit(0);
    } catch (const FileWriteError&) {
      ::_exit(1);
    }
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A user may write a file (mode 0666) in a folder that takes no new file
// from them (root's, mode 0755), or may not give a new file the old owner:
// either way the file itself is written, owner and inode unchanged.
TEST_F(PosixFileStore, FileThatANewOneCannotStandInForIsWrittenInPlace) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
  struct Case {
    const char* name;
    mode_t folderMode;
    uid_t owner;
  } const cases[] = {
      {"folder takes no new file", 0755, 0},
      {"owner cannot be given", 0777, 4321},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PutFile(file, "old content");
    ASSERT_EQ(::chmod(dir.path().c_str(), c.folderMode), 0);
    ASSERT_EQ(::chown(file.c_str(), c.owner, c.owner), 0);
    ASSERT_EQ(::chmod(file.c_str(), 0666), 0);
    const ino_t oldInode = StatusOf(file).st_ino;
    EXPECT_EQ(AsAnotherUser([&] { replacer.Replace(file, "new"); }), 0);
    EXPECT_EQ(FileBytes(file), "new");
    EXPECT_EQ(StatusOf(file).st_uid, c.owner);
    EXPECT_EQ(StatusOf(file).st_ino, oldInode);
    EXPECT_EQ(EntryCount(dir.path()), 1u);
  }
}

// The immutable flag stops root from adding a file to a folder: a new file
// cannot be made there at all, an existing one is written in place.
TEST_F(PosixFileStore, ImmutableFolderTakesNoNewFileButItsFilesAreWritten) {
  PutFile(file, "old");
  const std::string folder = "'" + dir.path().string() + "'";
  if (::geteuid() != 0 || std::system(("chattr +i " + folder + " 2>/dev/null").c_str()) != 0) {
    GTEST_SKIP() << "cannot make the folder immutable here";
  }
  const Undo writable_again(
      [&] { static_cast<void>(std::system(("chattr -i " + folder).c_str())); });
  EXPECT_THROW(replacer.Replace(dir / "my3.txt", "new"), FileWriteError);
  replacer.Replace(file, "new");
  EXPECT_EQ(FileBytes(file), "new");
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
  const std::filesystem::path linked = mount / "my0.txt";
  PutFile(target, "[s]\r\nk=old\r\n");
  PutFile(linked, "old sender");
  ASSERT_EQ(::link(linked.c_str(), (mount / "my0-link.txt").c_str()), 0);
  EXPECT_THROW(replacer.Replace(target, std::string(256 * 1024, 'x')), FileWriteError);
  EXPECT_THROW(replacer.Replace(linked, std::string(256 * 1024, 'x')), FileWriteError);  // in place
  EXPECT_EQ(FileBytes(target), "[s]\r\nk=old\r\n");
  EXPECT_EQ(FileBytes(linked), "old sender");
  EXPECT_EQ(EntryCount(mount), 3u);
}

}  // namespace
}  // namespace ruvo::settings
