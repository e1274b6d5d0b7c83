#pragma once
// Where a point of the form lands on the page: layout units (or millimetres
// on the form) → printer dots at the effective resolution, stretched by the
// form's scale per axis around the form's origin, then moved by the margins.
//
// The form's origin is the layout's (0, 0) moved by the margins, and the
// scale never moves it: at 101.0 % across, a text 200 mm right of the origin
// lands 202 mm right of it, the origin where the margins put it.

#include <cstdint>

#include "print/slip_record.h"

namespace ruvo {

class FormPlacement {
 public:
  // Reads `values` strictly, in this order: ConversionError for a
  // resolution, non-empty margin or non-empty scale text that is no integer;
  // SlipPositionError for a resolution below 1 dpi or a margin beyond any
  // page (before any scale is read); SlipScaleError for a scale outside
  // 500 to 2000 per mille.
  explicit FormPlacement(const SlipPrintValues& values);

  // The dot of a layout coordinate in 1/160 inch (fractions allowed):
  // RoundOff(dots per 10000 units × units × scale ÷ 10000 ÷ 1000) + margin.
  // At 100.0 % it is exactly the slip's rule, 360 dpi: 170 → 383.
  int X(long double units) const;
  int Y(long double units) const;
  // The same for millimetres from the form's origin.
  int XFromMm(double mm) const;
  int YFromMm(double mm) const;

  int DpiX() const { return dpiX_; }
  int DpiY() const { return dpiY_; }
  int Top() const { return top_; }
  int Left() const { return left_; }
  int ScaleXPerMille() const { return scaleXPerMille_; }
  int ScaleYPerMille() const { return scaleYPerMille_; }

 private:
  int dpiX_;
  int dpiY_;
  std::int64_t dotsX_;  // dots per 10000 layout units (ScaleFromDpi)
  std::int64_t dotsY_;
  int top_;
  int left_;
  int scaleXPerMille_;
  int scaleYPerMille_;
};

// Layout units in a millimetre: 160 ÷ 25.4.
long double MmToUnits(double mm);

}  // namespace ruvo
