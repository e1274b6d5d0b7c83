#include "print/slip_units.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "transfer/dprint.h"

namespace ruvo {

namespace {

constexpr int kUnitsPerInch = 160;

// StrToIntSafe gives 0 both for "0" and for a text that is no integer. A zero
// literal always ends in the digit 0, and turning that last 0 into a 1 keeps
// it a literal of the same form, now non-zero; no other text becomes one.
bool IsZeroLiteral(const std::string& text) {
  if (text.empty() || text.back() != '0') return false;
  std::string probe = text;
  probe.back() = '1';
  return StrToIntSafe(probe) != 0;
}

int CheckedInt(std::int64_t value) {
  if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
    throw SlipPositionError("slip position " + std::to_string(value) + " is out of range");
  }
  return static_cast<int>(value);
}

}  // namespace

ConversionError::ConversionError(std::string_view text, std::string_view source)
    : std::runtime_error("'" + std::string(text) + "' is not a valid integer value" +
                         (source.empty() ? "" : " (" + std::string(source) + ")")),
      text_(text) {}

std::int64_t RoundOff(long double value) {
  return static_cast<std::int64_t>(value >= 0 ? value + 0.5L : value - 0.5L);
}

std::int64_t ScaleFromDpi(int dpi) {
  // dpi × 10000 / 160 is dpi × 62.5: an exact half or a whole number, so the
  // integer form is exact where a floating product would have to be trusted.
  const std::int64_t tenths = static_cast<std::int64_t>(dpi) * 10000 * 10 / kUnitsPerInch;
  std::int64_t whole = tenths / 10;
  const std::int64_t rest = tenths % 10;  // 0 or ±5
  if (rest == 5 && whole % 2 != 0) ++whole;
  if (rest == -5 && whole % 2 != 0) --whole;
  return whole;
}

int LabelTextToInt(const std::string& text) {
  return LabelTextToInt(text, {});
}

int MarginTextToInt(const std::string& text) {
  return MarginTextToInt(text, {});
}

int LabelTextToInt(const std::string& text, std::string_view source) {
  const int value = StrToIntSafe(text);
  if (value == 0 && !IsZeroLiteral(text)) throw ConversionError(text, source);
  return value;
}

int MarginTextToInt(const std::string& text, std::string_view source) {
  return text.empty() ? 0 : LabelTextToInt(text, source);
}

int UnitsToDots(std::int64_t scale, int units, int margin) {
  const long double product = static_cast<long double>(scale) * units;
  return CheckedInt(RoundOff(product / 10000.0L) + margin);
}

double DotsToMm(int dots, int dpi) {
  return dots * kMmPerInch / dpi;
}

int MmToDots(double mm, int dpi) {
  const long double dots = static_cast<long double>(mm) * dpi / kMmPerInch;
  if (!(std::fabs(dots) < 1e15L)) {  // NaN, infinities and the absurd alike
    throw SlipPositionError(std::to_string(mm) + " mm is out of range");
  }
  return CheckedInt(RoundOff(dots));
}

std::string DotsToMmText(int dots, int dpi) {
  // Rounded to hundredths first, so that a sign is only shown for a
  // figure that is not 0.00.
  const long long hundredths = RoundOff(static_cast<long double>(DotsToMm(dots, dpi)) * 100);
  char text[32];
  std::snprintf(text, sizeof text, "%s%lld.%02lld", hundredths < 0 ? "-" : "",
                std::llabs(hundredths) / 100, std::llabs(hundredths) % 100);
  return text;
}

int ScaleTextToPerMille(const std::string& text, std::string_view source) {
  if (text.empty()) return kScaleUnity;
  const int perMille = LabelTextToInt(text, source);
  if (perMille < kMinScalePerMille || perMille > kMaxScalePerMille) {
    throw SlipScaleError(
        "scale " + text + " per mille" + (source.empty() ? "" : " (" + std::string(source) + ")") +
        " is outside " + std::to_string(kMinScalePerMille) + " to " +
        std::to_string(kMaxScalePerMille) + ", i.e. " + PerMilleAsPercentText(kMinScalePerMille) +
        " % to " + PerMilleAsPercentText(kMaxScalePerMille) + " %");
  }
  return perMille;
}

std::string PerMilleAsPercentText(int perMille) {
  const int whole = std::abs(perMille);
  return (perMille < 0 ? "-" : "") + std::to_string(whole / 10) + "." + std::to_string(whole % 10);
}

}  // namespace ruvo
