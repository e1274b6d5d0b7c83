#include "settings/posix_file_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <optional>
#include <string>
#include <utility>

#include "settings/file_errors.h"

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
std::filesystem::path TemporaryPathFor(const std::filesystem::path& file) {
  static std::atomic<unsigned> counter{0};
  const std::string name = "." + file.filename().string() + ".tmp-" + std::to_string(::getpid()) +
                           "-" + std::to_string(counter++);
  return file.parent_path() / name;
}

// How many taken temporary names a replacement skips before it gives up.
constexpr int kTemporaryNameAttempts = 100;

// Creates a new temporary file beside `file` and puts its name in `chosen`.
// A name that is taken (left behind by a run that was cut off, which in a
// sandbox had the same process id) is skipped; -1 with errno on failure.
int CreateTemporary(const std::filesystem::path& file, std::filesystem::path& chosen) {
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    chosen = TemporaryPathFor(file);
    const int fd = ::open(chosen.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The target's permission bits when it exists, so a replacement keeps them.
std::optional<mode_t> ExistingMode(const std::filesystem::path& file) {
  struct stat status {};
  if (::stat(file.c_str(), &status) != 0) return std::nullopt;
  if (S_ISDIR(status.st_mode)) throw FileWriteError(file, EISDIR);
  return status.st_mode & 07777;
}

// A file that nobody may write was made read-only on purpose; replacing it
// by way of its folder would get round that, so it is refused as writing
// into it would be (for root too, like a read-only attribute).
void ThrowIfWriteProtected(const std::filesystem::path& file, mode_t mode) {
  if ((mode & 0222) == 0) throw FileWriteError(file, EACCES);
  if (::access(file.c_str(), W_OK) != 0) throw FileWriteError(file, errno);
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

void ThrowUnlessRegular(int fd, const std::filesystem::path& file) {
  struct stat status {};
  if (::fstat(fd, &status) != 0) throw FileReadError(file, errno);
  if (S_ISDIR(status.st_mode)) throw FileReadError(file, EISDIR);
  if (!S_ISREG(status.st_mode)) throw FileReadError(file, "Not a regular file");
}

}  // namespace

std::string ReadWholeFile(const std::filesystem::path& file) {
  Descriptor fd(OpenForReading(file));
  ThrowUnlessRegular(fd.get(), file);
  std::string content;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw FileReadError(file, errno);
    if (got == 0) return content;
    content.append(buffer, static_cast<std::size_t>(got));
  }
}

std::optional<std::string> ReadFileIfExists(const std::filesystem::path& file) {
  struct stat status {};
  if (::stat(file.c_str(), &status) != 0 && errno == ENOENT) return std::nullopt;
  return ReadWholeFile(file);
}

PosixFileCalls PosixFileCalls::System() {
  return {::write, ::fsync, ::rename};
}

PosixFileReplacer::PosixFileReplacer(PosixFileCalls calls) : calls_(std::move(calls)) {}

void PosixFileReplacer::Replace(const std::filesystem::path& file, std::string_view content) {
  const std::optional<mode_t> oldMode = ExistingMode(file);
  if (oldMode) ThrowIfWriteProtected(file, *oldMode);
  std::filesystem::path temporaryPath;
  Descriptor fd(CreateTemporary(file, temporaryPath));
  if (fd.get() < 0) throw FileWriteError(file, errno);
  TemporaryFile temporary(temporaryPath);
  if (oldMode) ::fchmod(fd.get(), *oldMode);
  WriteAll(calls_, fd.get(), file, content);
  if (calls_.fsync(fd.get()) != 0) throw FileWriteError(file, errno);
  if (const int error = fd.Close(); error != 0) throw FileWriteError(file, error);
  if (calls_.rename(temporary.path().c_str(), file.c_str()) != 0) {
    throw FileWriteError(file, errno);
  }
  temporary.MarkRenamed();
  SyncFolder(file.parent_path());
}

FileReplacer& PlatformFileReplacer() {
  static PosixFileReplacer replacer;
  return replacer;
}

}  // namespace ruvo::settings
