#include "print/form_placement.h"

#include <limits>
#include <string>

#include "print/slip_page.h"
#include "print/slip_units.h"

namespace ruvo {
namespace {

constexpr long double kUnitsPerInch = 160;

int Checked(std::int64_t dots) {
  if (dots < std::numeric_limits<int>::min() || dots > std::numeric_limits<int>::max()) {
    throw SlipPositionError("slip position " + std::to_string(dots) + " is out of range");
  }
  return static_cast<int>(dots);
}

// Multiplied first and divided once, so that at 1000 per mille the result
// is the slip's own RoundOff(dots × units ÷ 10000) to the last bit.
int Place(std::int64_t dotsPer10000, long double units, int perMille, int margin) {
  const long double product = static_cast<long double>(dotsPer10000) * units * perMille;
  return Checked(RoundOff(product / 10000000.0L) + margin);
}

int ResolutionOf(const std::string& text) {
  return LabelTextToInt(text);
}

}  // namespace

FormPlacement::FormPlacement(const SlipPrintValues& values)
    : dpiX_(ResolutionOf(values.dpiX)), dpiY_(ResolutionOf(values.dpiY)) {
  if (dpiX_ < 1 || dpiY_ < 1) {  // every text would stand at the margins' corner
    throw SlipPositionError("a resolution of " + values.dpiX + " x " + values.dpiY +
                            " dpi places no text");
  }
  dotsX_ = ScaleFromDpi(dpiX_);
  dotsY_ = ScaleFromDpi(dpiY_);
  top_ = MarginTextToInt(values.top);
  left_ = MarginTextToInt(values.left);
  ThrowIfMarginIsBeyondAnyPage(dpiX_, dpiY_, top_, left_);
  scaleXPerMille_ = ScaleTextToPerMille(values.scaleX);
  scaleYPerMille_ = ScaleTextToPerMille(values.scaleY);
}

int FormPlacement::X(long double units) const {
  return Place(dotsX_, units, scaleXPerMille_, left_);
}

int FormPlacement::Y(long double units) const {
  return Place(dotsY_, units, scaleYPerMille_, top_);
}

int FormPlacement::XFromMm(double mm) const {
  return X(MmToUnits(mm));
}

int FormPlacement::YFromMm(double mm) const {
  return Y(MmToUnits(mm));
}

long double MmToUnits(double mm) {
  return static_cast<long double>(mm) * kUnitsPerInch / static_cast<long double>(kMmPerInch);
}

}  // namespace ruvo
