#pragma once
// A text measurer for the core's tests: every byte half an em of its size
// wide, as a full-width character is one em, times `stretch`; it notes the
// resolutions it was asked at.

#include <vector>

#include "print/slip_fit.h"
#include "print/slip_units.h"

namespace ruvo::test {

class FakeTextMeasurer : public TextMeasurer {
 public:
  double stretch = 1.0;
  double extraMm = 0.0;  // added to every width
  mutable std::vector<int> dpis;

  double TextWidthMm(const DrawOp& op, int dpi) const override {
    dpis.push_back(dpi);
    const double emMm = op.pointSize * kMmPerInch / 72;
    return static_cast<double>(op.text.size()) * emMm / 2 * stretch + extraMm;
  }
};

}  // namespace ruvo::test
