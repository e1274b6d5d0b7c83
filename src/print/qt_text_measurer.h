#pragma once
// Measures slip texts with the fonts the painter prints them in: the
// installed stand-ins of the layout's faces, sized in whole dots at the
// page's resolution, as PaintDrawOp sizes them.

#include "print/slip_fit.h"

namespace ruvo {

// Needs a QGuiApplication (the font database).
class QtTextMeasurer : public TextMeasurer {
 public:
  double TextWidthMm(const DrawOp& op, int dpi) const override;
};

}  // namespace ruvo
