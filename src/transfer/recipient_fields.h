#pragma once
// The recipient fields that the transfer fills, as the main window holds
// them.

#include <string>
#include <string_view>

#include "slip/slip_fields.h"

namespace ruvo {

// Postal code, address lines 1 and 2, name and telephone (the window's
// Edit_Zip, Edit_Add1, Edit_Add2, Edit_Custo1 and Edit_tel). The third
// address line is no part of it: the transfer neither clears nor fills it.
struct RecipientFields {
  std::string zip;
  std::string add1;
  std::string add2;
  std::string name;
  std::string tel;

  bool operator==(const RecipientFields&) const = default;
};

// What `field` holds once `text` is set into it: a half-width field (the
// recipient's postal code and telephone) converts every change
// ("１０５－００１１" → "105-0011"), the others keep the text as it is.
std::string FieldTextAsHeld(SlipField field, std::string_view text);

// The fields as the window holds them after writing `written` into them:
// postal code and telephone converted to half-width, the rest as written.
RecipientFields AsHeldByWindow(RecipientFields written);

// Shown in red under the recipient block while the first address line is too
// long to print:
// "警告:おところ①の文字数が多すぎます。　おところ②へ分割してください"
inline constexpr std::string_view kAddressTooLongWarning =
    "\x8C\x78\x8D\x90\x3A\x82\xA8\x82\xC6\x82\xB1\x82\xEB\x87\x40\x82\xCC\x95"
    "\xB6\x8E\x9A\x90\x94\x82\xAA\x91\xBD\x82\xB7\x82\xAC\x82\xDC\x82\xB7\x81"
    "\x42\x81\x40\x82\xA8\x82\xC6\x82\xB1\x82\xEB\x87\x41\x82\xD6\x95\xAA\x8A"
    "\x84\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2";

// The warning line's text for the first address line `add1`: the warning when
// it is longer than kAddressLine1MaxBytes, else empty. The window refreshes it on entering
// an address field and after every transfer, not while typing.
std::string_view AddressLengthWarning(std::string_view add1);

}  // namespace ruvo
