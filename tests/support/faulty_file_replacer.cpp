#include "support/faulty_file_replacer.h"

#include <algorithm>
#include <cerrno>

namespace ruvo::test {
namespace {

int Fail(int errorNumber) {
  errno = errorNumber;
  return -1;
}

}  // namespace

FaultyFileReplacer::FaultyFileReplacer()
    : replacer_(settings::PosixFileCalls{
          [this](int fd, const void* data, std::size_t size) { return Write(fd, data, size); },
          [this](int fd) { return Fsync(fd); },
          [this](const char* from, const char* to) { return Rename(from, to); },
          [this](int fd, off_t offset, off_t length) { return Fallocate(fd, offset, length); }}) {}

void FaultyFileReplacer::Write(const std::filesystem::path& file, std::string_view content,
                               settings::SpecialFileTarget special) {
  ++attempts_;
  bytesThisTime_ = 0;
  replacer_.Write(file, content, special);
}

ssize_t FaultyFileReplacer::Write(int fd, const void* data, std::size_t size) {
  const auto system = settings::PosixFileCalls::System();
  if (!FaultsActive() || !diskFullAfterBytes) return system.write(fd, data, size);
  const std::size_t room = *diskFullAfterBytes - std::min(bytesThisTime_, *diskFullAfterBytes);
  if (room == 0) return Fail(ENOSPC);
  const ssize_t written = system.write(fd, data, std::min(size, room));
  if (written > 0) bytesThisTime_ += static_cast<std::size_t>(written);
  return written;
}

int FaultyFileReplacer::Fsync(int fd) {
  if (FaultsActive() && fsyncError) return Fail(*fsyncError);
  return settings::PosixFileCalls::System().fsync(fd);
}

int FaultyFileReplacer::Rename(const char* from, const char* to) {
  if (FaultsActive() && renameError) return Fail(*renameError);
  return settings::PosixFileCalls::System().rename(from, to);
}

int FaultyFileReplacer::Fallocate(int fd, off_t offset, off_t length) {
  if (FaultsActive() && fallocateError) return *fallocateError;
  if (FaultsActive() && diskFullAfterBytes &&
      static_cast<std::size_t>(offset + length) > *diskFullAfterBytes) {
    return ENOSPC;
  }
  return settings::PosixFileCalls::System().fallocate(fd, offset, length);
}

}  // namespace ruvo::test
