#include "settings/profile_file.h"

#include <optional>
#include <string>

#include "settings/file_errors.h"
#include "settings/profile_lines.h"
#include "transfer/sjis.h"

namespace ruvo::settings {
namespace {

// A file that cannot be read reads like a missing one: every key gives its
// default, and nothing is written.
std::string ContentOrEmpty(const std::filesystem::path& file) {
  try {
    return ReadWholeFile(file);
  } catch (const FileReadError&) {
    return {};
  }
}

bool HoldsLineBreak(std::string_view text) {
  return text.find_first_of("\r\n") != std::string_view::npos;
}

}  // namespace

std::string ReadProfileText(const std::filesystem::path& file, std::string_view section,
                            std::string_view key, std::string_view fallback) {
  const std::string content = ContentOrEmpty(file);
  const std::optional<std::string_view> value = FindProfileValue(content, section, key);
  if (!value) return std::string(fallback);
  return std::string(sjis::HeadBytes(*value, kMaxProfileValueBytes));
}

int ReadProfileInteger(const std::filesystem::path& file, std::string_view section,
                       std::string_view key, int fallback) {
  const std::string text = ReadProfileText(file, section, key, {});
  return ParseProfileInteger(text).value_or(fallback);
}

void WriteProfileText(const std::filesystem::path& file, std::string_view section,
                      std::string_view key, std::string_view value, FileReplacer& replacer) {
  if (HoldsLineBreak(value)) throw FileWriteError(file, "the value holds a line break");
  const std::string content = ContentToRewrite(file);
  replacer.Replace(file, WithProfileValue(content, section, key, value));
}

void WriteProfileInteger(const std::filesystem::path& file, std::string_view section,
                         std::string_view key, int value, FileReplacer& replacer) {
  WriteProfileText(file, section, key, std::to_string(value), replacer);
}

}  // namespace ruvo::settings
