#pragma once
// The POSIX file replacer. The system calls that can fail half-way are
// reachable through PosixFileCalls, so a test can make them fail the way a
// full disk or a broken medium does and check that nothing is lost.

#include <sys/types.h>

#include <cstddef>
#include <functional>

#include "settings/file_store.h"

namespace ruvo::settings {

struct PosixFileCalls {
  std::function<ssize_t(int fd, const void* data, std::size_t size)> write;
  std::function<int(int fd)> fsync;
  std::function<int(const char* from, const char* to)> rename;

  // The real system calls.
  static PosixFileCalls System();
};

// Writes the new content to a temporary file beside the target (same folder,
// so the rename stays on one file system), flushes it to disk, gives it the
// old file's permissions and renames it over the target. A target without
// write permission is refused (EACCES) and kept. Any failure removes the
// temporary file and throws FileWriteError.
class PosixFileReplacer : public FileReplacer {
 public:
  explicit PosixFileReplacer(PosixFileCalls calls = PosixFileCalls::System());
  void Replace(const std::filesystem::path& file, std::string_view content) override;

 private:
  PosixFileCalls calls_;
};

}  // namespace ruvo::settings
