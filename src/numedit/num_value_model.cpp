#include "numedit/num_value_model.h"

#include <optional>

#include "numedit/num_full_width.h"
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

std::string Zeros(std::size_t count) {
  return std::string(count, '0');
}

// Writes `value` into `field` and reports whether it changed.
template <typename T, typename V>
bool Assign(T& field, const V& value) {
  if (field == value) return false;
  field = T(value);
  return true;
}

}  // namespace

NumValueModel::NumValueModel(const NumValueSettings& settings) : settings_(settings) {
  if (settings_.integerLength < 0) settings_.integerLength = NumValueSettings{}.integerLength;
  if (settings_.decimalLength < 0) settings_.decimalLength = NumValueSettings{}.decimalLength;
  RecomputeDisplay();
}

bool NumValueModel::SetText(std::string_view s) {
  if (s == valueText_) return false;
  AssignValue(StripLeadingZeros(ParseText(s)));
  return true;
}

void NumValueModel::AssignValue(std::string value) {
  valueText_ = std::move(value);
  RecomputeDisplay();
}

void NumValueModel::Reparse() {
  valueText_ = ParseText(valueText_);
  RecomputeDisplay();
}

void NumValueModel::RecomputeDisplay() {
  displayText_ = FormatDisplayText(valueText_);
}

std::size_t NumValueModel::IntegerLimit() const {
  return static_cast<std::size_t>(settings_.integerLength);
}

std::size_t NumValueModel::DecimalLimit() const {
  return static_cast<std::size_t>(settings_.decimalLength);
}

// ---- property writers ----

bool NumValueModel::SetIntegerLength(int length) {
  if (length < 0 || length == settings_.integerLength) return false;
  settings_.integerLength = length;
  Reparse();
  return true;
}

bool NumValueModel::SetDecimalLength(int length) {
  if (length < 0 || length == settings_.decimalLength) return false;
  settings_.decimalLength = length;
  Reparse();
  return true;
}

bool NumValueModel::SetMinus(bool minus) {
  if (minus == settings_.minus) return false;
  settings_.minus = minus;
  Reparse();
  return true;
}

bool NumValueModel::SetComma(bool comma) {
  if (!Assign(settings_.comma, comma)) return false;
  RecomputeDisplay();
  return true;
}

bool NumValueModel::SetZeroEnabled(bool enabled) {
  if (!Assign(settings_.zeroEnabled, enabled)) return false;
  RecomputeDisplay();
  return true;
}

bool NumValueModel::SetDecimalFixed(bool fixed) {
  if (!Assign(settings_.decimalFixed, fixed)) return false;
  RecomputeDisplay();
  return true;
}

bool NumValueModel::SetIntegerFixed(bool fixed) {
  if (!Assign(settings_.integerFixed, fixed)) return false;
  RecomputeDisplay();
  return true;
}

bool NumValueModel::SetLeftMark(std::string_view mark) {
  if (!Assign(settings_.leftMark, mark)) return false;
  RecomputeDisplay();
  return true;
}

bool NumValueModel::SetRightMark(std::string_view mark) {
  if (!Assign(settings_.rightMark, mark)) return false;
  RecomputeDisplay();
  return true;
}

// ---- parsing ----

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

// ---- splitting and formatting ----

NumberParts NumValueModel::SplitNumber(std::string_view value) {
  NumberParts parts;
  if (!value.empty() && value.front() == '-') {
    parts.sign = "-";
    value.remove_prefix(1);
  }
  const std::size_t point = value.find('.');
  if (point == std::string_view::npos) {
    parts.integer = std::string(value);
    return parts;
  }
  parts.integer = std::string(value.substr(0, point));
  parts.point = ".";
  parts.decimals = std::string(value.substr(point + 1));
  return parts;
}

std::string NumValueModel::JoinNumber(const NumberParts& parts) {
  return parts.sign + parts.integer + parts.point + parts.decimals;
}

std::string NumValueModel::GroupThousands(std::string_view digits) {
  std::string grouped;
  grouped.reserve(digits.size() + digits.size() / 3);
  for (std::size_t i = 0; i < digits.size(); ++i) {
    const std::size_t fromRight = digits.size() - i;
    if (i > 0 && fromRight % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return grouped;
}

std::string NumValueModel::FormatNumber(std::string_view value) const {
  NumberParts parts = SplitNumber(value);
  if (settings_.comma) parts.integer = GroupThousands(parts.integer);
  if (settings_.decimalFixed) {
    parts.decimals = (parts.decimals + Zeros(DecimalLimit())).substr(0, DecimalLimit());
    if (settings_.decimalLength > 0) parts.point = ".";
  }
  if ((settings_.integerFixed || settings_.decimalFixed) && parts.integer.empty())
    parts.integer = "0";
  return JoinNumber(parts);
}

std::string NumValueModel::FormatDisplayText(std::string_view value) const {
  const std::string number = FormatNumber(value);
  if (number.empty()) return number;
  return settings_.leftMark + number + settings_.rightMark;
}

std::string NumValueModel::ReservedTemplate(std::string_view value) const {
  NumberParts parts = SplitNumber(value);
  if (settings_.integerFixed) {
    parts.integer = Zeros(IntegerLimit());
    if (settings_.minus) parts.sign = "-";
  }
  if ((settings_.integerFixed || settings_.decimalFixed) && parts.integer.empty())
    parts.integer = "0";
  if (settings_.decimalFixed) {
    parts.point = ".";
    parts.decimals = Zeros(DecimalLimit());
  }
  if (settings_.comma) parts.integer = GroupThousands(parts.integer);
  return JoinNumber(parts);
}

std::string NumValueModel::MaximumTemplate() const {
  std::string integer = Zeros(IntegerLimit());
  if (settings_.comma) integer = GroupThousands(integer);
  return (settings_.minus ? "-" : "") + integer + "." + Zeros(DecimalLimit());
}

std::string NumValueModel::CaretText() const {
  NumberParts parts = SplitNumber(valueText_);
  if (settings_.comma) parts.integer = GroupThousands(parts.integer);
  if ((settings_.integerFixed || settings_.decimalFixed) && parts.integer.empty())
    parts.integer = "0";
  return JoinNumber(parts);
}

}  // namespace ruvo
