#include "settings/temporary_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>

namespace ruvo::settings {
namespace {

constexpr std::string_view kMarker = ".tmp-";
constexpr std::size_t kPortableNameMax = 255;

bool IsDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
  });
}

// `text` cut to at most `bytes`, never inside a UTF-8 character.
std::string_view Utf8Head(std::string_view text, std::size_t bytes) {
  if (text.size() <= bytes) return text;
  std::size_t end = bytes;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
    --end;
  return text.substr(0, end);
}

// A descriptor on the folder, closed at the end of the scope.
class Folder {
 public:
  explicit Folder(const std::filesystem::path& path)
      : dir_(::opendir(path.empty() ? "." : path.c_str())) {}
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;
  ~Folder() {
    if (dir_ != nullptr) ::closedir(dir_);
  }
  DIR* get() const { return dir_; }

 private:
  DIR* dir_;
};

bool IsLeftover(int folderFd, const char* name, std::chrono::system_clock::time_point before) {
  struct stat status {};
  if (::fstatat(folderFd, name, &status, AT_SYMLINK_NOFOLLOW) != 0) return false;
  const auto written = std::chrono::system_clock::from_time_t(status.st_mtime);
  return S_ISREG(status.st_mode) && status.st_uid == ::geteuid() && written < before;
}

}  // namespace

std::string TemporaryNameFor(std::string_view fileName, pid_t pid, unsigned count,
                             std::size_t nameMax) {
  const std::string tail = std::string(kMarker) + std::to_string(pid) + "-" + std::to_string(count);
  const std::size_t room = nameMax > tail.size() + 2 ? nameMax - tail.size() - 1 : 1;
  return "." + std::string(Utf8Head(fileName, room)) + tail;
}

bool IsTemporaryName(std::string_view name) {
  if (!name.starts_with('.')) return false;
  const std::size_t marker = name.rfind(kMarker);
  if (marker == std::string_view::npos || marker < 2) return false;
  const std::string_view numbers = name.substr(marker + kMarker.size());
  const std::size_t dash = numbers.find('-');
  return dash != std::string_view::npos && IsDigits(numbers.substr(0, dash)) &&
         IsDigits(numbers.substr(dash + 1));
}

void RemoveLeftoverTemporaries(const std::filesystem::path& folder,
                               std::chrono::system_clock::time_point now) {
  const Folder entries(folder);
  if (entries.get() == nullptr) return;
  const int folderFd = ::dirfd(entries.get());
  const auto before = now - kLeftoverAge;
  while (const dirent* entry = ::readdir(entries.get())) {
    if (IsTemporaryName(entry->d_name) && IsLeftover(folderFd, entry->d_name, before)) {
      ::unlinkat(folderFd, entry->d_name, 0);
    }
  }
}

std::size_t LongestNameIn(const std::filesystem::path& folder) {
  const long longest = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
  return longest > 0 ? static_cast<std::size_t>(longest) : kPortableNameMax;
}

}  // namespace ruvo::settings
