#include "print/lm_d97_dot.h"

#include "print/form_placement.h"
#include "print/slip_page.h"

namespace ruvo {
namespace {

std::vector<PlacedField> PlaceFields(const SlipRecord& slip, const FormPlacement& placement) {
  std::vector<PlacedField> placed;
  for (const auto& field : SlipLayout()) {
    if (!SlipGateOpen(field.gate, slip)) continue;
    placed.push_back(
        {&field, DrawOp{std::string(SlipFaceName(field.face)), field.points, placement.X(field.x),
                        placement.Y(field.y), field.textOf(slip, field.cell)}});
  }
  return placed;
}

}  // namespace

std::vector<PlacedField> PlaceSlipFields(const SlipRecord& slip, const SlipPrintValues& values) {
  return PlaceFields(slip, FormPlacement(values));
}

DrawList SLIP97_Prn(const SlipRecord& slip, const SlipPrintValues& values) {
  const FormPlacement placement(values);
  DrawList list;
  for (auto& placed : PlaceFields(slip, placement)) {
    if (!placed.op.text.empty()) list.push_back(std::move(placed.op));
  }
  ThrowIfEveryTextIsOffThePage(list, placement.DpiX(), placement.DpiY(), placement.Top(),
                               placement.Left());
  return list;
}

}  // namespace ruvo
