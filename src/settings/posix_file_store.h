#pragma once
// The POSIX file replacer. The system calls that can fail half-way are
// reachable through PosixFileCalls, so a test can make them fail the way a
// full disk or a broken medium does and check that nothing is lost.

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <functional>

#include "settings/file_store.h"

namespace ruvo::settings {

struct PosixFileCalls {
  std::function<ssize_t(int fd, const void* data, std::size_t size)> write;
  std::function<int(int fd)> fsync;
  std::function<int(const char* from, const char* to)> rename;
  // posix_fallocate: 0, or the error number itself (errno is not set).
  std::function<int(int fd, off_t offset, off_t length)> fallocate;

  // The real system calls.
  static PosixFileCalls System();
};

// Writes the new content to a temporary file beside the target (same folder,
// so the rename stays on one file system), flushes it to disk, gives it the
// old file's owner, group, mode and extended attributes (ACLs among them)
// and renames it over the target. When that would lose what the user set up
// (FileReplacer tells when), it reserves the room in the old file and writes
// into it instead. Any failure removes the temporary file and throws
// FileWriteError. After a successful write, this program's temporary files
// that a cut-off save left in the folder more than a day ago are removed.
class PosixFileReplacer : public FileReplacer {
 public:
  explicit PosixFileReplacer(PosixFileCalls calls = PosixFileCalls::System());
  void Write(const std::filesystem::path& file, std::string_view content,
             SpecialFileTarget special) override;

 private:
  bool TryReplace(const std::filesystem::path& file, const std::filesystem::path& real,
                  const struct stat* old, std::string_view content);
  void WriteInPlace(const std::filesystem::path& file, const struct stat& old,
                    std::string_view content);
  void ReserveRoom(int fd, const std::filesystem::path& file, off_t oldSize,
                   std::string_view content);

  PosixFileCalls calls_;
};

}  // namespace ruvo::settings
