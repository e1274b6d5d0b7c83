#include "slip/quantity.h"

#include "numedit/num_edit_presets.h"
#include "numedit/num_value_model.h"
#include "slip/slip_fields.h"
#include "transfer/half_width.h"
#include "transfer/text_ops.h"

namespace ruvo {

std::string QuantityBoxText(std::string_view text) {
  NumValueModel box(num_presets::OvNumEdit_KOSUU().properties.value);
  box.SetText(text);
  return box.GetText();
}

std::optional<std::string> OrderQuantity(std::string_view text) {
  const std::string compact = DeleteEvery(ToHalfWidth(text), " ");
  if (compact.empty()) return std::string(SlipFieldOf(SlipField::kQuantity).initial);
  if (compact.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  // Leading zeros aside first: the box would take "0007" as four digits.
  const std::size_t first = compact.find_first_not_of('0');
  if (first == std::string::npos) return std::nullopt;
  std::string held = QuantityBoxText(std::string_view(compact).substr(first));
  if (held.empty()) return std::nullopt;
  return held;
}

}  // namespace ruvo
