#pragma once
// Which column of an order file holds which value of the slip: the header
// row names the columns, by the built-in names (Japanese and English) or by
// the names a column map gives them. Texts are CP932.

#include <array>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_problem.h"

namespace ruvo::batch {

enum class OrderField {
  kZip,
  kAddress1,
  kAddress2,
  kAddress3,
  kName,
  kTel,
  kGoods1,
  kGoods2,
  kGoods3,
  kQuantity,
  kWishedMonth,
  kWishedDay,
  kWishedDate,  // month and day in one: "3/15", "2026/03/15"
  kTimeSlot,
  kSender,
  kOrderNumber,  // not printed: the journal keeps it with the slip for the shop's back office
};
inline constexpr std::size_t kOrderFieldCount = 16;

// The field's own name, its first built-in header name: "郵便番号", "住所1".
std::string_view OrderFieldName(OrderField field);

// A header as it is compared: blanks at both ends removed, full-width
// letters, digits and signs half-width, ASCII letters lower case
// ("　ＺＩＰ " → "zip", "住所１" → "住所1").
std::string ComparableHeader(std::string_view header);

// The field a header names by a built-in name ("送付先郵便番号", "Zip").
std::optional<OrderField> BuiltInField(std::string_view header);

// A column map: headers (compared as ComparableHeader) and the field each
// names, or none for a column to leave unused. It goes before the built-in
// names.
using ColumnMap = std::map<std::string, std::optional<OrderField>>;

// A column map's text: one "column = field" per line, the field by any
// built-in name or "-" for a column left unused; blank lines and lines
// starting with "#" say nothing. A line that is neither is a problem with the
// line's number as its row (the `file` is left for the caller).
struct ParsedColumnMap {
  ColumnMap map;
  std::vector<BatchProblem> problems;
};
ParsedColumnMap ParseColumnMap(std::string_view text);

struct OrderColumns {
  std::size_t width = 0;                             // the header's number of columns
  std::array<int, kOrderFieldCount> index;           // column of each field, -1 when none
  std::array<std::string, kOrderFieldCount> header;  // the header text of that column
  std::vector<BatchProblem> problems;                // at row 1; `file` left for the caller

  int IndexOf(OrderField field) const { return index[static_cast<std::size_t>(field)]; }
};

// Assigns the header's columns to fields. A header the map and the built-in
// names do not know, a second column for a field and a missing postal-code,
// address or name column are problems; an empty header leaves its column
// unused.
OrderColumns ResolveOrderColumns(const std::vector<std::string>& header, const ColumnMap& map);

}  // namespace ruvo::batch
