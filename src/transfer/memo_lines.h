#pragma once
// The memo box's content as the transfer reads it: a list of lines without
// line breaks.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ruvo {

using MemoLines = std::vector<std::string>;

// At most this many bytes are read from one memo line; the rest of a longer
// line is not read.
inline constexpr std::size_t kMemoLineReadLimit = 4096;

// Line `index` (from 0) as read from the memo: "" beyond the last line, and
// at most kMemoLineReadLimit bytes, ending at the last whole character.
std::string_view ReadMemoLine(const MemoLines& memo, std::size_t index);

// The first `count` lines, each read as above and trimmed; lines beyond the
// memo's end are empty.
std::vector<std::string> ReadTrimmedLines(const MemoLines& memo, std::size_t count);

}  // namespace ruvo
