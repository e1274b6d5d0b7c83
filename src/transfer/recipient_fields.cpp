#include "transfer/recipient_fields.h"

#include "transfer/half_width.h"

namespace ruvo {

std::string PostalCodeFieldText(std::string_view text) {
  return ToHalfWidth(text);
}

std::string TelephoneFieldText(std::string_view text) {
  return ToHalfWidth(text);
}

RecipientFields AsHeldByWindow(RecipientFields written) {
  written.zip = PostalCodeFieldText(written.zip);
  written.tel = TelephoneFieldText(written.tel);
  return written;
}

std::string_view AddressLengthWarning(std::string_view add1) {
  return add1.size() > kAddressLine1MaxBytes ? kAddressTooLongWarning : std::string_view{};
}

}  // namespace ruvo
