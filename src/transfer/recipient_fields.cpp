#include "transfer/recipient_fields.h"

#include "transfer/half_width.h"

namespace ruvo {

std::string FieldTextAsHeld(SlipField field, std::string_view text) {
  if (SlipFieldOf(field).kind == FieldKind::kHalfWidth) return ToHalfWidth(text);
  return std::string(text);
}

RecipientFields AsHeldByWindow(RecipientFields written) {
  written.zip = FieldTextAsHeld(SlipField::kRecipientZip, written.zip);
  written.tel = FieldTextAsHeld(SlipField::kRecipientTel, written.tel);
  return written;
}

std::string_view AddressLengthWarning(std::string_view add1) {
  return add1.size() > kAddressLine1MaxBytes ? kAddressTooLongWarning : std::string_view{};
}

}  // namespace ruvo
