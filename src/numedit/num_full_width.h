#pragma once
// The full-width characters that stand for parts of a number, as CP932 codes
// (lead byte × 256 + trail byte).

#include <optional>

namespace ruvo {

// "，" (full-width comma): dropped from a number like ",".
inline constexpr unsigned kFullWidthComma = 0x8143;

// "０"-"９" give '0'-'9', "－" gives '-', "．" gives '.'; nothing otherwise.
std::optional<char> FullWidthNumberCharToAscii(unsigned cp932Code);

}  // namespace ruvo
