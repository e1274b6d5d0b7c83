#include "print/slip_text.h"

#include <cstdio>
#include <vector>

#include "transfer/sjis.h"

namespace ruvo {

namespace {

// The characters of a CP932 text, each as its one or two bytes.
std::vector<std::string_view> SplitChars(std::string_view text) {
  std::vector<std::string_view> chars;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = sjis::CharLengthAt(text, pos);
    chars.push_back(text.substr(pos, length));
    pos += length;
  }
  return chars;
}

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= 0x20;
}

std::string_view TrimBlankEnds(std::string_view text) {
  while (!text.empty() && IsBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

// A half-width digit, or a full-width one (CP932 82 4F "０" to 82 58 "９").
bool IsDigitChar(std::string_view ch) {
  if (ch.size() == 1) return ch[0] >= '0' && ch[0] <= '9';
  const auto lead = static_cast<unsigned char>(ch[0]);
  const auto trail = static_cast<unsigned char>(ch[1]);
  return lead == 0x82 && trail >= 0x4F && trail <= 0x58;
}

bool IsBareSevenDigits(const std::vector<std::string_view>& chars) {
  if (chars.size() != kZipCellCount) return false;
  for (const auto ch : chars) {
    if (!IsDigitChar(ch)) return false;
  }
  return true;
}

// Which character of "999-9999" each box shows, counted from 0.
constexpr std::array<std::size_t, kZipCellCount> kZipCharOfCell{0, 1, 2, 4, 5, 6, 7};

}  // namespace

std::string RightAlign3(std::string_view text) {
  const std::string padded = "   " + std::string(TrimBlankEnds(text));
  const std::size_t count = sjis::CharCount(padded);
  return CharsAt(padded, count - kQuantityCellCount, kQuantityCellCount);
}

std::array<std::string, kZipCellCount> ZipCells(std::string_view zip) {
  const auto chars = SplitChars(zip);
  const bool bare = IsBareSevenDigits(chars);
  std::array<std::string, kZipCellCount> cells;
  for (std::size_t cell = 0; cell < cells.size(); ++cell) {
    const std::size_t index = bare ? cell : kZipCharOfCell[cell];
    if (index < chars.size()) cells[cell] = chars[index];
  }
  return cells;
}

std::string ShippingDateText(std::chrono::year_month_day date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d/%02u/%02u", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return text;
}

std::string CharsAt(std::string_view text, std::size_t first, std::size_t count) {
  const auto chars = SplitChars(text);
  std::string result;
  for (std::size_t i = first; i < chars.size() && i < first + count; ++i)
    result += chars[i];
  return result;
}

}  // namespace ruvo
