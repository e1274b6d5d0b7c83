#include "transfer/dprint.h"

#include <limits>
#include <optional>

#include "transfer/sjis.h"

namespace ruvo {

std::size_t SubStrCount(std::string_view text, std::string_view pattern) {
  if (pattern.empty()) return 0;
  const char first = pattern.front();
  std::size_t count = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (text[pos] == first && text.substr(pos).starts_with(pattern)) {
      ++count;
      pos += pattern.size();
    } else {
      pos += sjis::CharLengthAt(text, pos);
    }
  }
  return count;
}

namespace {

// Value of one digit in `base`, or nullopt when `c` is no such digit.
std::optional<int> DigitValue(char c, int base) {
  int value = base;
  if (c >= '0' && c <= '9') value = c - '0';
  if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  if (value >= base) return std::nullopt;
  return value;
}

// Removes a hexadecimal prefix ("$", "x", "X", "0x") and returns the base.
int TakeRadixPrefix(std::string_view& digits) {
  for (std::string_view prefix : {"0x", "$", "x", "X"}) {
    if (digits.starts_with(prefix)) {
      digits.remove_prefix(prefix.size());
      return 16;
    }
  }
  return 10;
}

// The magnitude of `digits` in `base` if every byte is a digit and the
// value stays within `limit`.
std::optional<std::int64_t> ReadMagnitude(std::string_view digits, int base, std::int64_t limit) {
  if (digits.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char c : digits) {
    const auto digit = DigitValue(c, base);
    if (!digit) return std::nullopt;
    value = value * base + *digit;
    if (value > limit) return std::nullopt;
  }
  return value;
}

}  // namespace

std::int32_t StrToIntSafe(std::string_view text) {
  while (text.starts_with(' '))
    text.remove_prefix(1);
  const bool negative = text.starts_with('-');
  if (negative || text.starts_with('+')) text.remove_prefix(1);
  const int base = TakeRadixPrefix(text);
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  const auto magnitude = ReadMagnitude(text, base, negative ? kMax + 1 : kMax);
  if (!magnitude) return 0;
  return static_cast<std::int32_t>(negative ? -*magnitude : *magnitude);
}

}  // namespace ruvo
