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

// The value of `key` as a read returns it, or nothing when it is missing.
std::optional<std::string_view> ValueAsRead(std::string_view content, std::string_view section,
                                            std::string_view key) {
  const std::optional<std::string_view> value = FindProfileValue(content, section, key);
  if (!value) return std::nullopt;
  return sjis::HeadBytes(*value, kMaxProfileValueBytes);
}

}  // namespace

std::string ReadProfileText(const std::filesystem::path& file, std::string_view section,
                            std::string_view key, std::string_view fallback) {
  const std::string content = ContentOrEmpty(file);
  return std::string(ValueAsRead(content, section, key).value_or(fallback));
}

int ReadProfileInteger(const std::filesystem::path& file, std::string_view section,
                       std::string_view key, int fallback) {
  const std::string text = ReadProfileText(file, section, key, {});
  return ParseProfileInteger(text).value_or(fallback);
}

void WriteProfileTexts(const std::filesystem::path& file, std::span<const ProfileSetting> settings,
                       FileReplacer& replacer) {
  const std::string old = ContentToRewrite(file);
  std::string content = old;
  for (const ProfileSetting& setting : settings) {
    if (HoldsLineBreak(setting.value)) {
      if (content != old) replacer.Replace(file, content);
      throw FileWriteError(file, "the value holds a line break");
    }
    if (ValueAsRead(content, setting.section, setting.key) == setting.value) continue;
    content = WithProfileValue(content, setting.section, setting.key, setting.value);
  }
  if (content != old) replacer.Replace(file, content);
}

void WriteProfileText(const std::filesystem::path& file, std::string_view section,
                      std::string_view key, std::string_view value, FileReplacer& replacer) {
  const ProfileSetting setting{section, key, std::string(value)};
  WriteProfileTexts(file, std::span(&setting, 1), replacer);
}

void WriteProfileInteger(const std::filesystem::path& file, std::string_view section,
                         std::string_view key, int value, FileReplacer& replacer) {
  WriteProfileText(file, section, key, std::to_string(value), replacer);
}

}  // namespace ruvo::settings
