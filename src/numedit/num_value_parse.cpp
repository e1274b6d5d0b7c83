// Reading any text as the numeric box's value.
#include <optional>

#include "numedit/num_full_width.h"
#include "numedit/num_value_model.h"
#include "transfer/sjis.h"

namespace ruvo {
namespace {

constexpr bool IsTrailByte(unsigned char b) {
  return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The characters a number can be made of before the limits are applied.
bool IsNumberChar(char c) {
  return IsDigit(c) || c == '-' || c == '.' || c == ',';
}

// Copies single-byte characters and the full-width number characters as
// ASCII; stops at any other two-byte character and at a broken one. It also
// stops at the first single-byte character that cannot be part of a number:
// the filter after it would stop there anyway, and a megabyte line then
// costs no more than its numeric front.
std::string DoubleByteToSingleByte(std::string_view s) {
  std::string out;
  for (std::size_t pos = 0; pos < s.size();) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    if (!sjis::IsLeadByte(lead)) {
      if (!IsNumberChar(s[pos])) break;
      out += s[pos++];
      continue;
    }
    if (sjis::CharLengthAt(s, pos) < 2) break;  // lead byte last in the text
    const auto trail = static_cast<unsigned char>(s[pos + 1]);
    if (!IsTrailByte(trail)) break;
    pos += 2;
    const unsigned code = lead * 256u + trail;
    if (code == kFullWidthComma) continue;
    const std::optional<char> ascii = FullWidthNumberCharToAscii(code);
    if (!ascii) break;
    out += *ascii;
  }
  return out;
}

}  // namespace

// Keeps digits, one "." (when decimals are allowed) and a leading "-"; drops
// ","; stops at anything else. A dropped comma still takes a position, so
// ",-5" stops at the "-".
std::string NumValueModel::FilterNumberChars(std::string_view converted) const {
  std::string r;
  bool sawPoint = false;
  for (std::size_t i = 0; i < converted.size(); ++i) {
    const char c = converted[i];
    if (c == ',') continue;
    if (c == '.') {
      if (settings_.decimalLength == 0 || sawPoint) break;
      sawPoint = true;
    } else if (c == '-') {
      if (!settings_.minus || i != 0) break;
    } else if (!IsDigit(c)) {
      break;
    }
    r += c;
  }
  return r;
}

// Too many decimals are cut; too many integer digits empty the value.
std::string NumValueModel::ApplyLengthLimits(std::string r) const {
  if (r.empty()) return r;
  const std::size_t signLength = r.front() == '-' ? 1 : 0;
  const std::size_t point = r.find('.');
  if (point == std::string::npos) return r.size() - signLength > IntegerLimit() ? std::string() : r;
  if (r.size() - point - 1 > DecimalLimit()) r.resize(point + 1 + DecimalLimit());
  return point - signLength > IntegerLimit() ? std::string() : r;
}

std::string NumValueModel::ParseText(std::string_view s) const {
  return ApplyLengthLimits(FilterNumberChars(DoubleByteToSingleByte(s)));
}

std::string NumValueModel::StripLeadingZeros(std::string_view s) const {
  if (settings_.zeroEnabled) return std::string(s);
  const bool negative = s.find('-') != std::string_view::npos;
  const std::string_view t = negative ? s.substr(1) : s;
  // Zeros are looked for only in front of the point; the point's position
  // is taken in `s`, so with a sign the window reaches the point itself,
  // which is no zero and stops the count anyway.
  const std::size_t point = s.find('.');
  const std::size_t window = point == std::string_view::npos ? t.size() : point;
  std::size_t zeros = 0;
  while (zeros < window && zeros < t.size() && t[zeros] == '0')
    ++zeros;
  std::string r(t.substr(zeros));
  if (r.empty() && zeros > 0) r = "0";
  if (!r.empty() && r.front() == '.') r.insert(0, "0");
  if (negative) r.insert(0, "-");
  return r;
}

}  // namespace ruvo
