#include "print/lm_d97_dot.h"

#include "print/slip_layout.h"
#include "print/slip_page.h"
#include "print/slip_units.h"

namespace ruvo {

DrawList SLIP97_Prn(const SlipRecord& slip, const SlipPrintValues& values) {
  const int dpiX = LabelTextToInt(values.dpiX);
  const int dpiY = LabelTextToInt(values.dpiY);
  if (dpiX < 1 || dpiY < 1) {  // every text would stand at the margins' corner
    throw SlipPositionError("a resolution of " + values.dpiX + " x " + values.dpiY +
                            " dpi places no text");
  }
  const std::int64_t scaleX = ScaleFromDpi(dpiX);
  const std::int64_t scaleY = ScaleFromDpi(dpiY);
  const int top = MarginTextToInt(values.top);
  const int left = MarginTextToInt(values.left);
  ThrowIfMarginIsBeyondAnyPage(dpiX, dpiY, top, left);
  DrawList list;
  for (const auto& field : SlipLayout()) {
    if (!SlipGateOpen(field.gate, slip)) continue;
    std::string text = field.textOf(slip, field.cell);
    if (text.empty()) continue;
    list.push_back(DrawOp{std::string(SlipFaceName(field.face)), field.points,
                          UnitsToDots(scaleX, field.x, left), UnitsToDots(scaleY, field.y, top),
                          std::move(text)});
  }
  ThrowIfEveryTextIsOffThePage(list, dpiX, dpiY, top, left);
  return list;
}

}  // namespace ruvo
