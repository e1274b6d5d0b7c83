#include "settings/file_attributes.h"

#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ruvo::settings {
namespace {

using Names = std::vector<std::string>;

// The "\0"-separated list that listxattr fills in, as names.
Names SplitNames(const std::string& list) {
  Names names;
  for (std::size_t start = 0; start < list.size();) {
    const std::size_t end = std::min(list.find('\0', start), list.size());
    if (end > start) names.emplace_back(list.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

// Asks `query` for the size, then for the bytes, again when the value grew
// in between. A file system without extended attributes holds none.
template <typename Query>
std::optional<std::string> Fetch(Query query) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    const ssize_t size = query(nullptr, 0);
    if (size < 0) {
      if (errno == ENOTSUP) return std::string();
      return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    const ssize_t got = query(bytes.data(), bytes.size());
    if (got >= 0) {
      bytes.resize(static_cast<std::size_t>(got));
      return bytes;
    }
    if (errno != ERANGE) return std::nullopt;
  }
  return std::nullopt;
}

std::optional<Names> NamesOf(const std::filesystem::path& file) {
  const auto list = Fetch(
      [&](char* buffer, std::size_t size) { return ::listxattr(file.c_str(), buffer, size); });
  if (!list) return std::nullopt;
  return SplitNames(*list);
}

std::optional<Names> NamesOf(int fd) {
  const auto list =
      Fetch([&](char* buffer, std::size_t size) { return ::flistxattr(fd, buffer, size); });
  if (!list) return std::nullopt;
  return SplitNames(*list);
}

// Every attribute of `old` set on `fd`, in the order listed.
bool CopyAttributes(const std::filesystem::path& old, const Names& names, int fd) {
  for (const std::string& name : names) {
    const auto value = Fetch([&](char* buffer, std::size_t size) {
      return ::getxattr(old.c_str(), name.c_str(), buffer, size);
    });
    if (!value) return false;
    if (::fsetxattr(fd, name.c_str(), value->data(), value->size(), 0) != 0) return false;
  }
  return true;
}

// Removes from `fd` what the old file did not have.
bool RemoveOthers(const Names& keep, int fd) {
  const std::optional<Names> present = NamesOf(fd);
  if (!present) return false;
  for (const std::string& name : *present) {
    if (std::find(keep.begin(), keep.end(), name) != keep.end()) continue;
    if (::fremovexattr(fd, name.c_str()) != 0 && errno != ENODATA) return false;
  }
  return true;
}

bool HasMode(int fd, mode_t mode) {
  struct stat now {};
  return ::fstat(fd, &now) == 0 && (now.st_mode & 07777) == mode;
}

}  // namespace

bool GiveAttributesOf(const std::filesystem::path& oldPath, const struct stat& old, int fd) {
  const mode_t mode = old.st_mode & 07777;
  const std::optional<Names> names = NamesOf(oldPath);
  if (!names) return false;
  // The owner first, as a new owner clears the set-user-ID and set-group-ID
  // bits; then the mode, then the ACL, whose mask entry is the group's part
  // of that mode on the old file too.
  if (::fchown(fd, old.st_uid, old.st_gid) != 0) return false;
  if (::fchmod(fd, mode) != 0) return false;
  if (!CopyAttributes(oldPath, *names, fd) || !RemoveOthers(*names, fd)) return false;
  // Removing an inherited ACL leaves its mask as the group's bits.
  if (!HasMode(fd, mode) && ::fchmod(fd, mode) != 0) return false;
  return HasMode(fd, mode);
}

}  // namespace ruvo::settings
