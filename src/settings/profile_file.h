#pragma once
// INI-style profile files ("ruvo_Rezovod.ini", "ruvo_q710.ini"): the four
// operations, each on a full path, opening and releasing the file every time
// and caching nothing, so a value written is seen by the next read.
//
// Format (compatible with files written by earlier versions): CP932 lines
// ending in CRLF (LF alone and CR alone end a line too, so a value never
// holds a line break); "[section]" opens a section and
// "key=value" gives a value. Section and key names match without regard to
// ASCII letter case (two-byte characters byte for byte). Blanks around names
// and values are ignored on read. Lines starting with ";" and lines without
// "=" are kept as they are. Where a section or a key stands twice, the first
// one is read and written.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "settings/file_store.h"

namespace ruvo::settings {

// The longest value a read returns, in bytes; a longer value is cut at the
// last whole character before this limit.
inline constexpr std::size_t kMaxProfileValueBytes = 2047;

// The value of `key` in `section`, or `fallback` when the file, the section or
// the key is missing or the file cannot be read.
std::string ReadProfileText(const std::filesystem::path& file, std::string_view section,
                            std::string_view key, std::string_view fallback);

// ReadProfileText as an integer: decimal with an optional sign, or
// hexadecimal after "0x"/"0X"; any other text, or a number outside int,
// gives `fallback`.
int ReadProfileInteger(const std::filesystem::path& file, std::string_view section,
                       std::string_view key, int fallback);

// One key's new value.
struct ProfileSetting {
  std::string_view section;
  std::string_view key;
  std::string value;
};

// Sets each key in turn, as that many writes of one key would, but in one
// replacement of the file (one flush to disk): a key's line is replaced by
// "key=value", or the key is added at the end of its section, or the section
// at the end of the file; every other byte stays as it was. A key whose
// value already reads as `value` keeps its line byte for byte, and a file
// that nothing changes is not written at all. A value holding a line break
// would break the file's lines: the keys before it are written, and
// FileWriteError is thrown, as for a file that cannot be written.
void WriteProfileTexts(const std::filesystem::path& file, std::span<const ProfileSetting> settings,
                       FileReplacer& replacer = PlatformFileReplacer());

// WriteProfileTexts for one key.
void WriteProfileText(const std::filesystem::path& file, std::string_view section,
                      std::string_view key, std::string_view value,
                      FileReplacer& replacer = PlatformFileReplacer());

// WriteProfileText with the value as decimal text ("-5").
void WriteProfileInteger(const std::filesystem::path& file, std::string_view section,
                         std::string_view key, int value,
                         FileReplacer& replacer = PlatformFileReplacer());

}  // namespace ruvo::settings
