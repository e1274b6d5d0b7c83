#include "print/slip_fit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "print/form_placement.h"
#include "print/lm_d97_dot.h"
#include "print/slip_units.h"

namespace ruvo {
namespace {

// A text that ends this little past its box stays within the form's
// printed edge and the gap before the next box; it is also what a coarse
// printer adds to a line at its limit by rounding the font to whole dots
// (11 points are 28 dots at 180 dpi for 27.5: 40 bytes of address line 1
// end 0.3 mm past the box, still short of the goods beside it).
constexpr double kToleranceMm = 0.5;

// "が枠に収まりません ("
constexpr std::string_view kDoesNotFit =
    "\x82\xAA\x98\x67\x82\xC9\x8E\xFB\x82\xDC\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x20\x28";
// " mm はみ出します)"
constexpr std::string_view kRunsOver =
    "\x20\x6D\x6D\x20\x82\xCD\x82\xDD\x8F\x6F\x82\xB5\x82\xDC\x82\xB7\x29";

double BoxWidthMm(const FormPlacement& placement, const SlipLayoutField& field) {
  const int dots = placement.X(field.x + field.width) - placement.X(field.x);
  return DotsToMm(dots, placement.DpiX());
}

}  // namespace

std::vector<FieldOverflow> MeasureOverflows(const SlipRecord& slip, const SlipPrintValues& values,
                                            const TextMeasurer& measurer) {
  const FormPlacement placement(values);
  const int paintDpi = std::max(placement.DpiX(), placement.DpiY());
  std::vector<FieldOverflow> overflows;
  for (const PlacedField& placed : PlaceSlipFields(slip, values)) {
    const SlipLayoutField& field = *placed.field;
    if (field.source != SlipTextSource::kTyped || placed.op.text.empty()) continue;
    const double over = measurer.TextWidthMm(placed.op, paintDpi) - BoxWidthMm(placement, field);
    if (over > kToleranceMm) {
      overflows.push_back({field.name, field.caption, std::ceil(over * 10 - 1e-9) / 10});
    }
  }
  return overflows;
}

std::string OverflowMmText(double mm) {
  const long long tenths = std::llround(mm * 10);
  return std::to_string(tenths / 10) + (tenths % 10 != 0 ? "." + std::to_string(tenths % 10) : "");
}

std::string OverflowWarning(const FieldOverflow& overflow) {
  return std::string(overflow.caption) + std::string(kDoesNotFit) + OverflowMmText(overflow.mm) +
         std::string(kRunsOver);
}

}  // namespace ruvo
