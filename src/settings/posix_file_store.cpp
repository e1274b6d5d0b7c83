#include "settings/posix_file_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "settings/file_attributes.h"
#include "settings/file_errors.h"
#include "settings/temporary_files.h"

namespace ruvo::settings {
namespace {

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Closes now and reports the error of close itself (0 when none).
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

// The temporary file of one replacement, removed unless it was renamed.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::filesystem::path path) : path_(std::move(path)) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (!renamed_) ::unlink(path_.c_str());
  }
  const std::filesystem::path& path() const { return path_; }
  void MarkRenamed() { renamed_ = true; }

 private:
  std::filesystem::path path_;
  bool renamed_ = false;
};

// ".ruvo_Rezovod.ini.tmp-<pid>-<n>" beside the target; hidden and unique
// within the process, O_EXCL guards against anything else.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& file, std::size_t nameMax) {
  static std::atomic<unsigned> counter{0};
  return file.parent_path() /
         TemporaryNameFor(file.filename().string(), ::getpid(), counter++, nameMax);
}

// How many taken temporary names a replacement skips before it gives up.
constexpr int kTemporaryNameAttempts = 100;

// Creates a new temporary file beside `file` and puts its name in `chosen`.
// A name that is taken (left behind by a run that was cut off, which in a
// sandbox had the same process id) is skipped; -1 with errno on failure.
int CreateTemporary(const std::filesystem::path& file, std::filesystem::path& chosen) {
  const std::size_t nameMax = LongestNameIn(file.parent_path());
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    chosen = TemporaryPathFor(file, nameMax);
    const int fd = ::open(chosen.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// A file that nobody may write was made read-only on purpose; replacing it
// by way of its folder would get round that, so it is refused as writing
// into it would be (for root too, like a read-only attribute).
void ThrowIfWriteProtected(const std::filesystem::path& file, mode_t mode) {
  if ((mode & 0222) == 0) throw FileWriteError(file, EACCES);
  if (::access(file.c_str(), W_OK) != 0) throw FileWriteError(file, errno);
}

// The system's own limit on links followed in one path (MAXSYMLINKS).
constexpr int kMaxLinkHops = 40;

// The file a chain of symbolic links leads to, which need not exist yet.
std::filesystem::path FollowLinks(const std::filesystem::path& file) {
  std::filesystem::path current = file;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat status {};
    if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return current;
    std::error_code error;
    const std::filesystem::path target = std::filesystem::read_symlink(current, error);
    if (error) throw FileWriteError(file, error.value());
    current = target.is_absolute() ? target : current.parent_path() / target;
  }
  throw FileWriteError(file, ELOOP);
}

// What stands at `file` (links followed), or nothing when nothing does.
std::optional<struct stat> ExistingTarget(const std::filesystem::path& file) {
  struct stat status {};
  if (::stat(file.c_str(), &status) == 0) return status;
  if (errno == ENOENT) return std::nullopt;
  throw FileWriteError(file, errno);
}

// Writes all of `content`; a write that takes nothing counts as a full disk.
void WriteAll(const PosixFileCalls& calls, int fd, const std::filesystem::path& file,
              std::string_view content) {
  std::size_t done = 0;
  while (done < content.size()) {
    const ssize_t written = calls.write(fd, content.data() + done, content.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) throw FileWriteError(file, written < 0 ? errno : ENOSPC);
    done += static_cast<std::size_t>(written);
  }
}

// Opens an existing file for writing without truncating it.
int OpenExisting(const std::filesystem::path& file) {
  const int fd = ::open(file.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) throw FileWriteError(file, errno);
  return fd;
}

// Opens a regular file to be written in place. Read and write: where the
// file system keeps no reservations (NFSv3, many FUSE mounts), the C
// library's posix_fallocate reads each block before it writes it.
int OpenToRewrite(const std::filesystem::path& file) {
  const int fd = ::open(file.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY);
  if (fd >= 0) return fd;
  if (errno == EACCES) return OpenExisting(file);  // the user may write it but not read it
  throw FileWriteError(file, errno);
}

// Shortens a file that a reservation which failed half-way lengthened. The
// old content is whole either way, so a failure here is not reported.
void GiveBackReservation(int fd, off_t oldSize) {
  struct stat now {};
  if (::fstat(fd, &now) != 0 || now.st_size <= oldSize) return;
  [[maybe_unused]] const int ignored = ::ftruncate(fd, oldSize);
}

// Makes the rename itself durable; a failure here loses nothing, so it is
// not reported.
void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Opens `file` for reading without blocking on a pipe or device node.
int OpenForReading(const std::filesystem::path& file) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) throw FileReadError(file, errno);
  return fd;
}

// A file that is too large to be one of the program's: "File too large
// (more than 16777216 bytes)".
FileReadError TooLarge(const std::filesystem::path& file, std::size_t maxBytes) {
  return FileReadError(file,
                       ErrorReason(EFBIG) + " (more than " + std::to_string(maxBytes) + " bytes)");
}

void ThrowUnlessRegular(int fd, const std::filesystem::path& file, std::size_t maxBytes) {
  struct stat status {};
  if (::fstat(fd, &status) != 0) throw FileReadError(file, errno);
  if (S_ISDIR(status.st_mode)) throw FileReadError(file, EISDIR);
  if (!S_ISREG(status.st_mode)) throw FileReadError(file, "Not a regular file");
  if (static_cast<std::uintmax_t>(status.st_size) > maxBytes) throw TooLarge(file, maxBytes);
}

}  // namespace

std::string ReadWholeFile(const std::filesystem::path& file) {
  return ReadWholeFile(file, kMaxStoredFileBytes);
}

std::string ReadWholeFile(const std::filesystem::path& file, std::size_t maxBytes) {
  Descriptor fd(OpenForReading(file));
  ThrowUnlessRegular(fd.get(), file, maxBytes);
  std::string content;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw FileReadError(file, errno);
    if (got == 0) return content;
    content.append(buffer, static_cast<std::size_t>(got));
    if (content.size() > maxBytes) throw TooLarge(file, maxBytes);  // grew while read
  }
}

std::optional<std::string> ReadFileIfExists(const std::filesystem::path& file) {
  struct stat status {};
  if (::stat(file.c_str(), &status) != 0 && errno == ENOENT) return std::nullopt;
  return ReadWholeFile(file);
}

void RequireFolder(const std::filesystem::path& directory) {
  const char* path = directory.empty() ? "." : directory.c_str();
  struct stat status {};
  if (::stat(path, &status) != 0) throw WorkingFolderError(directory, errno);
  if (!S_ISDIR(status.st_mode)) throw WorkingFolderError(directory, ENOTDIR);
  if (::faccessat(AT_FDCWD, path, X_OK, AT_EACCESS) != 0) {
    throw WorkingFolderError(directory, errno);
  }
}

std::string ContentToRewrite(const std::filesystem::path& file) {
  try {
    return ReadFileIfExists(file).value_or(std::string());
  } catch (const FileReadError& error) {
    throw FileWriteError(file, error.reason());
  }
}

PosixFileCalls PosixFileCalls::System() {
  return {::write, ::fsync, ::rename, ::posix_fallocate};
}

PosixFileReplacer::PosixFileReplacer(PosixFileCalls calls) : calls_(std::move(calls)) {}

void PosixFileReplacer::Write(const std::filesystem::path& file, std::string_view content,
                              SpecialFileTarget special) {
  const std::optional<struct stat> old = ExistingTarget(file);
  if (old && S_ISDIR(old->st_mode)) throw FileWriteError(file, EISDIR);
  if (old && !S_ISREG(old->st_mode)) {
    if (special == SpecialFileTarget::kRefuse) throw FileWriteError(file, "Not a regular file");
    Descriptor fd(OpenExisting(file));
    WriteAll(calls_, fd.get(), file, content);
    if (const int error = fd.Close(); error != 0) throw FileWriteError(file, error);
    return;
  }
  if (old) ThrowIfWriteProtected(file, old->st_mode);
  const std::filesystem::path real = FollowLinks(file);
  // A new file would split a hard link from its other names.
  const bool replaced =
      !(old && old->st_nlink > 1) && TryReplace(file, real, old ? &*old : nullptr, content);
  if (!replaced) WriteInPlace(file, *old, content);
  RemoveLeftoverTemporaries(real.parent_path(), std::chrono::system_clock::now());
}

// Replaces `real`, the file `file` leads to, by a new file. Returns false,
// having changed nothing, when the new file cannot stand in for the old one:
// the folder takes no new file, or what the user set up on the old file
// cannot all be given to the new one.
bool PosixFileReplacer::TryReplace(const std::filesystem::path& file,
                                   const std::filesystem::path& real, const struct stat* old,
                                   std::string_view content) {
  std::filesystem::path temporaryPath;
  Descriptor fd(CreateTemporary(real, temporaryPath));
  if (fd.get() < 0) {
    if (old != nullptr && (errno == EACCES || errno == EPERM)) return false;
    throw FileWriteError(file, errno);
  }
  TemporaryFile temporary(temporaryPath);
  if (old != nullptr && !GiveAttributesOf(real, *old, fd.get())) return false;
  WriteAll(calls_, fd.get(), file, content);
  if (calls_.fsync(fd.get()) != 0) throw FileWriteError(file, errno);
  if (const int error = fd.Close(); error != 0) throw FileWriteError(file, error);
  if (calls_.rename(temporary.path().c_str(), real.c_str()) != 0) {
    throw FileWriteError(file, errno);
  }
  temporary.MarkRenamed();
  SyncFolder(real.parent_path());
  return true;
}

// Makes sure the disk has room for `content` before anything of the old
// content (`oldSize` bytes) is overwritten. Where the file system keeps no
// reservations at all (EOPNOTSUPP, or the C library's stand-in refused by a
// write-only descriptor), the part beyond the old end is written first: it
// takes the new room and touches no old byte.
void PosixFileReplacer::ReserveRoom(int fd, const std::filesystem::path& file, off_t oldSize,
                                    std::string_view content) {
  const auto size = static_cast<off_t>(content.size());
  if (size == 0) return;
  const int error = calls_.fallocate(fd, 0, size);
  if (error == 0) return;
  if (error != EOPNOTSUPP && error != EBADF) {
    GiveBackReservation(fd, oldSize);
    throw FileWriteError(file, error);
  }
  if (size <= oldSize) return;  // no room beyond the old end is needed
  try {
    if (::lseek(fd, oldSize, SEEK_SET) != oldSize) throw FileWriteError(file, errno);
    WriteAll(calls_, fd, file, content.substr(static_cast<std::size_t>(oldSize)));
  } catch (const FileWriteError&) {
    GiveBackReservation(fd, oldSize);
    throw;
  }
}

// Reserves the room for `content` in the file itself before anything of the
// old content is overwritten; only a failure of the medium after that can
// leave a mixture.
void PosixFileReplacer::WriteInPlace(const std::filesystem::path& file, const struct stat& old,
                                     std::string_view content) {
  Descriptor fd(OpenToRewrite(file));
  ReserveRoom(fd.get(), file, old.st_size, content);
  if (::lseek(fd.get(), 0, SEEK_SET) != 0) throw FileWriteError(file, errno);
  WriteAll(calls_, fd.get(), file, content);
  if (::ftruncate(fd.get(), static_cast<off_t>(content.size())) != 0) {
    throw FileWriteError(file, errno);
  }
  if (calls_.fsync(fd.get()) != 0) throw FileWriteError(file, errno);
  if (const int error = fd.Close(); error != 0) throw FileWriteError(file, error);
}

FileReplacer& PlatformFileReplacer() {
  static PosixFileReplacer replacer;
  return replacer;
}

}  // namespace ruvo::settings
