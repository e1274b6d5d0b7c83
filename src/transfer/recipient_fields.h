#pragma once
// The recipient fields that the transfer fills, as the main window holds
// them.

#include <string>
#include <string_view>

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

// What the postal-code and telephone fields hold once their text is set:
// every change converts them to half-width ("１０５－００１１" → "105-0011").
std::string PostalCodeFieldText(std::string_view text);
std::string TelephoneFieldText(std::string_view text);

// The fields as the window holds them after writing `written` into them:
// postal code and telephone converted to half-width, the rest as written.
RecipientFields AsHeldByWindow(RecipientFields written);

}  // namespace ruvo
