#pragma once
// Cities and wards renamed after the date of Debian's postal-code
// dictionary (May 2022), so that an address written with the new name
// agrees with a code of the old, and the other way round once Japan Post's
// newer files are imported. Towns whose code stayed the same keep it under
// either name.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ruvo::postal {

struct RenamedPlace {
  std::string_view before;  // CP932, comparable, without prefecture
  std::string_view after;
  std::string_view reason;  // when and why, for the table's reader
};

// Every row; a name renamed into several places has a row for each.
std::span<const RenamedPlace> RenamedPlaces();

// The comparable address `form` (without prefecture and county) with a
// renamed place it begins with written as each of its other names:
// "浜松市中央区元城町" → "浜松市中区元城町", "浜松市東区元城町", ...; none when
// it begins with no renamed place.
std::vector<std::string> FormsUnderOtherNames(std::string_view form);

}  // namespace ruvo::postal
