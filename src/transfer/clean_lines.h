#pragma once
// The cleaning step of the transfer: label words out, blanks trimmed, and
// number-led lines converted to half-width.

#include <cstddef>
#include <string>
#include <string_view>

#include "transfer/memo_lines.h"

namespace ruvo {

// Lines the transfer cleans and uses for the recipient fields.
inline constexpr std::size_t kTransferLineCount = 7;

// The number at the start of `text` as the numeric input box with its
// default settings reads it (9 integer digits, 3 decimals, minus allowed,
// leading zeros dropped): "123-4567" → "123", "０９０－１２３４" → "90",
// "1,234円" → "1234", ten digits → "", "山田" → "".
std::string NumericLead(std::string_view text);

// Memo lines 1 to 7 (trimmed), each cleaned in order: label words deleted,
// blanks trimmed, and converted to half-width when its NumericLead has 3 or
// more characters. After each line, line 7 is converted to half-width as a
// whole, so the last line always ends up half-width, katakana and blanks
// included. Returns the 7 lines that replace the memo, empty ones included.
MemoLines CleanLines(const MemoLines& memo);

}  // namespace ruvo
