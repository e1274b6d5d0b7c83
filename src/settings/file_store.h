#pragma once
// Whole-file reads and atomic whole-file replacement: the only places where
// the settings code touches the file system, so another platform supplies
// its own implementation of these two.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "settings/file_errors.h"

namespace ruvo::settings {

// The largest file the program reads back. What it writes holds a few
// kilobytes (nineteen keys of at most 2047 bytes, five sender lines); this
// leaves ample room for what other programs add to a profile file, while a
// file that is no settings file (a sparse one of 4 GB) cannot fill memory.
inline constexpr std::size_t kMaxStoredFileBytes = std::size_t{16} << 20;

// All bytes of `file`. Throws FileReadError (missing file, a directory, a
// device or FIFO, no permission, more than kMaxStoredFileBytes, an I/O
// error). Never writes anything.
std::string ReadWholeFile(const std::filesystem::path& file);
// ReadWholeFile for files that are no settings (a downloaded data file):
// FileReadError beyond `maxBytes` instead.
std::string ReadWholeFile(const std::filesystem::path& file, std::size_t maxBytes);

// ReadWholeFile, but std::nullopt when the file does not exist.
std::optional<std::string> ReadFileIfExists(const std::filesystem::path& file);

// The content of a file about to be written over, "" when it does not exist.
// A file that exists but cannot be read is never written over (it may hold
// what the program cannot see): FileWriteError with the reading's reason.
std::string ContentToRewrite(const std::filesystem::path& file);

// Throws WorkingFolderError ("/w/slips: No such file or directory (the
// working folder cannot be read)", "...: Not a directory ...", "...:
// Permission denied ...") unless `directory` is an existing folder the user
// may enter. Such a folder would otherwise read as a first start, every
// file at its default, and a slip printed from it would be blank or
// misplaced. A folder that is entered but not listed is fine: every file is
// opened by name.
void RequireFolder(const std::filesystem::path& directory);

// What a write does when its target is a device, a FIFO or a socket.
enum class SpecialFileTarget {
  kRefuse,     // a file the program keeps (settings, registrations, senders): FileWriteError
  kWriteInto,  // a document the user names (a PDF): the bytes go straight into it, so
               // "/dev/stdout" and "/dev/null" do what the user means
};

// Writes whole files. Every file the program writes goes through here.
//
// A symbolic link is followed and the file it leads to is written (created
// when it does not exist yet), so a settings file kept as a link into a
// shared folder stays a link. An existing regular file is replaced in one
// step: readers see the old content or the new one, never a mixture, and the
// file keeps its owner, group, exact mode, ACLs, extended attributes and
// hard links. Where a new file could not keep them (the folder takes no new
// file, the file has other hard links, the owner, group or an attribute
// cannot be given to a new file) the content is written into the file
// itself, after room for it was reserved, so that a full disk is found
// before the old content is touched.
class FileReplacer {
 public:
  virtual ~FileReplacer() = default;
  // Creates `file` or replaces its content by `content`; `special` says what
  // happens to a device, FIFO or socket. On failure throws FileWriteError and
  // leaves the previous file (or its absence) unchanged. A file nobody may
  // write, or the caller may not, is refused (EACCES); a folder is EISDIR.
  virtual void Write(const std::filesystem::path& file, std::string_view content,
                     SpecialFileTarget special) = 0;
  // Write for a file the program keeps: a device, FIFO or socket is refused.
  void Replace(const std::filesystem::path& file, std::string_view content) {
    Write(file, content, SpecialFileTarget::kRefuse);
  }
};

// The platform's replacer (a new file in the same folder, flushed to disk and
// renamed over the old one).
FileReplacer& PlatformFileReplacer();

}  // namespace ruvo::settings
