#pragma once
// The real POSIX replacer with fault switches: after a number of good
// replacements, the disk fills up after some bytes, or fsync, rename or
// fallocate fail the way a broken medium, a locked file or a file system
// without reservations makes them fail.

#include <cstddef>
#include <optional>

#include "settings/posix_file_store.h"

namespace ruvo::test {

class FaultyFileReplacer : public settings::FileReplacer {
 public:
  FaultyFileReplacer();
  FaultyFileReplacer(const FaultyFileReplacer&) = delete;
  FaultyFileReplacer& operator=(const FaultyFileReplacer&) = delete;

  // Replacements that succeed before the faults below take effect.
  int goodReplacements = 0;
  // The disk holds only this many more bytes per replacement (ENOSPC), and
  // a reservation of more fails.
  std::optional<std::size_t> diskFullAfterBytes;
  // fsync and rename fail with this error number.
  std::optional<int> fsyncError;
  std::optional<int> renameError;
  // posix_fallocate answers this error number, as EOPNOTSUPP where neither
  // the file system nor the C library reserves room.
  std::optional<int> fallocateError;

  void Write(const std::filesystem::path& file, std::string_view content,
             settings::SpecialFileTarget special) override;
  // Replacements attempted so far, failed ones included.
  int attempts() const { return attempts_; }

 private:
  bool FaultsActive() const { return attempts_ > goodReplacements; }
  ssize_t Write(int fd, const void* data, std::size_t size);
  int Fsync(int fd);
  int Rename(const char* from, const char* to);
  int Fallocate(int fd, off_t offset, off_t length);

  settings::PosixFileReplacer replacer_;
  int attempts_ = 0;
  std::size_t bytesThisTime_ = 0;
};

}  // namespace ruvo::test
