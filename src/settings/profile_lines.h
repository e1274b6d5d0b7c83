#pragma once
// The profile format on a text in memory: finding a value and setting one.
// profile_file.h puts these on the files; the format is described there.

#include <optional>
#include <string>
#include <string_view>

namespace ruvo::settings {

// Whether two section or key names are the same: ASCII letters without
// regard to case, everything else (two-byte characters whole) byte for byte.
bool ProfileNamesMatch(std::string_view a, std::string_view b);

// The value of the first `key` in the first `section`, blanks at both ends
// removed, or std::nullopt when either is missing.
std::optional<std::string_view> FindProfileValue(std::string_view content, std::string_view section,
                                                 std::string_view key);

// `content` with `key` in `section` set to `value`: the key's line replaced
// by "key=value" (its line end kept), or the line added after the last
// non-blank line of the section, or "[section]" and the line added at the
// end. New lines end in CRLF; all other bytes stay as they were.
std::string WithProfileValue(std::string_view content, std::string_view section,
                             std::string_view key, std::string_view value);

// A profile integer: decimal with an optional sign, or hexadecimal after
// "0x"/"0X", within int; std::nullopt for any other text.
std::optional<int> ParseProfileInteger(std::string_view text);

}  // namespace ruvo::settings
