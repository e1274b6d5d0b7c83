#pragma once
// Whole-file reads and atomic whole-file replacement: the only places where
// the settings code touches the file system, so another platform supplies
// its own implementation of these two.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "settings/file_errors.h"

namespace ruvo::settings {

// All bytes of `file`. Throws FileReadError (missing file, a directory, no
// permission, an I/O error). Never writes anything.
std::string ReadWholeFile(const std::filesystem::path& file);

// ReadWholeFile, but std::nullopt when the file does not exist.
std::optional<std::string> ReadFileIfExists(const std::filesystem::path& file);

// Replaces the whole content of a file in one step: readers see either the
// old content or the new one, never a mixture or a shortened file.
class FileReplacer {
 public:
  virtual ~FileReplacer() = default;
  // Creates `file` or replaces its content by `content`. On failure throws
  // FileWriteError and leaves the previous file (or its absence) unchanged.
  virtual void Replace(const std::filesystem::path& file, std::string_view content) = 0;
};

// The platform's replacer (temporary file in the same folder, flushed to
// disk, renamed over the old file).
FileReplacer& PlatformFileReplacer();

}  // namespace ruvo::settings
