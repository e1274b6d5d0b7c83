#pragma once
// Counting a pattern in a text and reading an integer without failing.
//
// Both work on CP932 byte strings and are shared by the line judgements of
// the transfer and by the printer registration.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ruvo {

// Occurrences of `pattern` in `text`, counted from left to right without
// overlap ("aaa" holds "aa" once). A match starts only at a character
// boundary, so a one-byte pattern is never found in the trail byte of a
// two-byte character ("ェ" 83 46 holds no "F"). Case- and width-sensitive.
// An empty pattern is found nowhere.
std::size_t SubStrCount(std::string_view text, std::string_view pattern);

// The integer that `text` spells, or 0 when it spells none. Accepted: leading
// spaces, an optional "+" or "-", then decimal digits, or hexadecimal digits
// after "$", "x", "X" or "0x"; nothing may follow, and the value must lie
// within the 32-bit signed range ("12" → 12, "-$10" → -16, "12 " → 0).
std::int32_t StrToIntSafe(std::string_view text);

}  // namespace ruvo
