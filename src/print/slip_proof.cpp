#include "print/slip_proof.h"

#include <algorithm>

#include "print/form_placement.h"
#include "print/lm_d97_dot.h"
#include "print/slip_layout.h"

namespace ruvo {
namespace {

constexpr int kOutlinePen = 15;  // 1/100 mm, as the test sheet's
constexpr int kWarningPoints = 6;
constexpr int kWarningDropUnits = 2;  // between the box and the warning under it

const FieldOverflow* OverflowOf(const SlipLayoutField& field,
                                std::span<const FieldOverflow> overflows) {
  const auto it = std::find_if(overflows.begin(), overflows.end(),
                               [&](const FieldOverflow& o) { return o.name == field.name; });
  return it == overflows.end() ? nullptr : &*it;
}

}  // namespace

DrawList SlipProof(const SlipRecord& slip, const SlipPrintValues& values,
                   std::span<const FieldOverflow> overflows) {
  // The texts as F11 prints them, with its checks; they are the placed
  // fields' non-empty texts, in the same order.
  DrawList texts = SLIP97_Prn(slip, values);
  const FormPlacement placement(values);
  DrawList outlines;
  DrawList warnings;
  std::size_t text = 0;
  for (const PlacedField& placed : PlaceSlipFields(slip, values)) {
    const SlipLayoutField& field = *placed.field;
    const FieldOverflow* overflow = OverflowOf(field, overflows);
    const DrawInk ink = overflow != nullptr ? DrawInk::kRed : DrawInk::kGrey;
    if (!placed.op.text.empty()) texts[text++].ink = overflow != nullptr ? ink : DrawInk::kBlack;
    const int bottom = field.y + field.height;
    outlines.push_back(LineOp(DrawShape::kFrame, placement.X(field.x), placement.Y(field.y),
                              placement.X(field.x + field.width), placement.Y(bottom), kOutlinePen,
                              ink));
    if (overflow == nullptr) continue;
    warnings.push_back(DrawOp{std::string(SlipFaceName(SlipFace::kPMincho)), kWarningPoints,
                              placement.X(field.x), placement.Y(bottom + kWarningDropUnits),
                              OverflowWarning(*overflow), DrawShape::kLabel, 0, 0, 0,
                              DrawInk::kRed});
  }
  texts.insert(texts.end(), outlines.begin(), outlines.end());
  texts.insert(texts.end(), warnings.begin(), warnings.end());
  return texts;
}

}  // namespace ruvo
