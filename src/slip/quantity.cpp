#include "slip/quantity.h"

#include "numedit/num_edit_presets.h"
#include "numedit/num_value_model.h"
#include "slip/slip_fields.h"
#include "transfer/half_width.h"
#include "transfer/text_ops.h"

namespace ruvo {
namespace {

// The units a number of parcels is written with, longest first.
constexpr std::string_view kParcelUnits[] = {
    "\x8C\xC2\x8C\xFB",  // 個口, as the carriers count parcels
    "\x8C\xC2",          // 個
    "\x8C\xFB",          // 口
};

std::string_view WithoutParcelUnit(std::string_view text) {
  for (const std::string_view unit : kParcelUnits) {
    if (text.ends_with(unit)) return text.substr(0, text.size() - unit.size());
  }
  return text;
}

}  // namespace

std::string QuantityBoxText(std::string_view text) {
  NumValueModel box(num_presets::OvNumEdit_KOSUU().properties.value);
  box.SetText(text);
  return box.GetText();
}

std::optional<std::string> OrderQuantity(std::string_view text) {
  const std::string written = DeleteEvery(ToHalfWidth(text), " ");
  if (written.empty()) return std::string(SlipFieldOf(SlipField::kQuantity).initial);
  const std::string_view compact = WithoutParcelUnit(written);
  if (compact.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  // Leading zeros aside first: the box would take "0007" as four digits.
  const std::size_t first = compact.find_first_not_of('0');
  if (first == std::string::npos) return std::nullopt;
  std::string held = QuantityBoxText(compact.substr(first));
  if (held.empty()) return std::nullopt;
  return held;
}

}  // namespace ruvo
