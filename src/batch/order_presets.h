#pragma once
// The order files of the common shop platforms and the carriers' label
// tools, each recognised by headers its export always has and read by a
// column map written from the platform's published column list, so that a
// shop reads the day's download without writing a map.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "batch/column_map.h"

namespace ruvo::batch {

struct OrderPreset {
  std::string name;                    // CP932, as the report and the dialog name it
  std::vector<std::string> signature;  // comparable headers the file has all of
  ColumnMap map;
  // Shopify joins a Japanese buyer's names given name first ("太郎 山田").
  bool givenNameFirst = false;
};

// Every preset, most particular first (read from their readable tables
// once).
std::span<const OrderPreset> OrderPresets();

// The first preset whose signature the header has (headers compared as
// ComparableHeader makes them); null for none.
const OrderPreset* OrderPresetOf(const std::vector<std::string>& comparableHeader);

}  // namespace ruvo::batch
