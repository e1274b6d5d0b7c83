#include "cli/output_document.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <ostream>

#include "settings/file_errors.h"
#include "settings/file_store.h"

namespace ruvo::cli {
namespace {

constexpr struct {
  std::string_view name;
  int fd;
} kStreamNames[] = {
    {"-", STDOUT_FILENO},            // the usual name of standard output
    {"/dev/stdout", STDOUT_FILENO},  // a link to /proc/self/fd/1
    {"/dev/stderr", STDERR_FILENO},  // a link to /proc/self/fd/2
};

constexpr std::string_view kDescriptorFolders[] = {"/dev/fd/", "/proc/self/fd/"};

std::optional<int> DescriptorNumber(std::string_view digits) {
  int fd = -1;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), fd);
  if (error != std::errc() || end != digits.data() + digits.size() || fd < 0) return std::nullopt;
  return fd;
}

void WriteToDescriptor(int fd, const std::string& name, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) throw settings::FileWriteError(name, written < 0 ? errno : ENOSPC);
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

std::optional<int> DocumentDescriptor(std::string_view name) {
  for (const auto& row : kStreamNames) {
    if (name == row.name) return row.fd;
  }
  for (const std::string_view folder : kDescriptorFolders) {
    if (name.starts_with(folder)) return DescriptorNumber(name.substr(folder.size()));
  }
  return std::nullopt;
}

void WriteDocument(Context& ctx, const std::string& name, std::string_view bytes) {
  const std::optional<int> fd = DocumentDescriptor(name);
  if (!fd) {
    settings::PlatformFileReplacer().Write(name, bytes, settings::SpecialFileTarget::kWriteInto);
    return;
  }
  if (*fd == STDOUT_FILENO) ctx.out.flush();  // what was written before comes first
  WriteToDescriptor(*fd, name, bytes);
}

bool DocumentGoesToStandardOutput(const std::string& name) {
  struct stat output {};
  if (::fstat(STDOUT_FILENO, &output) != 0) return false;
  struct stat document {};
  const std::optional<int> fd = DocumentDescriptor(name);
  if (fd)
    return *fd == STDOUT_FILENO || (::fstat(*fd, &document) == 0 && SameFile(document, output));
  return ::stat(name.c_str(), &document) == 0 && SameFile(document, output);
}

}  // namespace ruvo::cli
