#pragma once
// Telling a settings file written in another encoding from one in CP932, so
// the user hears why its texts show garbled, once, at start.

#include <optional>
#include <string_view>

namespace ruvo::settings {

inline constexpr std::string_view kUtf8Name = "UTF-8";
inline constexpr std::string_view kUtf16Name = "UTF-16";

// The encoding `content` is written in when that is plainly not CP932, or
// nothing. UTF-8: a byte-order mark, or valid UTF-8 throughout with at
// least one character of three or four bytes (every kana and kanji is one).
// CP932 Japanese text is practically never valid UTF-8 (its kana lead bytes
// 0x82 and 0x83 are UTF-8 continuation bytes), and a file of ASCII with
// perhaps an accented letter reads the same either way. UTF-16: its
// byte-order mark.
std::optional<std::string_view> ForeignEncodingOf(std::string_view content);

}  // namespace ruvo::settings
