#pragma once
// The pieces of slip values that go into the slip's single-character boxes.

#include <array>
#include <chrono>
#include <string>
#include <string_view>

namespace ruvo {

inline constexpr int kZipCellCount = 7;       // 3 + 4 digits
inline constexpr int kQuantityCellCount = 3;  // hundreds, tens, units

// The last three characters of three spaces followed by the text with blanks
// (control characters and spaces) trimmed at both ends:
// "5" → "  5", "12" → " 12", "" → "   ", "1234" → "234".
std::string RightAlign3(std::string_view text);

// The seven boxes of a postal code, one character each (a full-width digit
// is one character). "123-4567" fills them with 1 2 3 | 4 5 6 7: characters
// 1-3 and 5-8, the hyphen at 4 skipped; a shorter text leaves the last boxes
// empty. Seven digits typed without the hyphen ("1234567") are the same code
// and fill the boxes the same way, instead of losing the 4 to the hyphen box.
std::array<std::string, kZipCellCount> ZipCells(std::string_view zip);

// The shipping date as the slip shows it, "2011/01/05": year at characters
// 1-4, month at 6-7, day at 9-10.
std::string ShippingDateText(std::chrono::year_month_day date);

// Characters [first, first + count) of a CP932 text, counted from 0 by
// character; characters beyond the end are simply missing.
std::string CharsAt(std::string_view text, std::size_t first, std::size_t count);

}  // namespace ruvo
