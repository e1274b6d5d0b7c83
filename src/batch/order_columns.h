#pragma once
// Which columns of an order file give which value of the slip: a preset of
// a shop platform or carrier recognised from the header, a column map the
// user wrote, or the built-in header names. A value may be joined from
// several columns ("送付先郵便番号1" "-" "送付先郵便番号2"); columns no value
// uses are left unused and named once. Texts are CP932.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_problem.h"
#include "batch/column_map.h"
#include "batch/order_fields.h"

namespace ruvo::batch {

struct OrderPreset;

// One piece of a field's value in a file: a column's text or a literal.
struct SourcePart {
  int column = -1;      // the column's index; -1 for a literal
  std::string literal;  // CP932, for column -1
};

// The columns and literals a field's value is joined from; none: the file
// does not give the field.
struct FieldSource {
  std::vector<SourcePart> parts;

  bool Present() const { return !parts.empty(); }
};

struct OrderColumns {
  std::size_t width = 0;            // the header's number of columns
  std::vector<std::string> header;  // CP932, as the file names its columns
  // The source of each field; goods items may have several (a carrier's
  // 品名１ and 品名２), every other field one at most.
  std::array<std::vector<FieldSource>, kOrderFieldCount> sources;
  const OrderPreset* preset = nullptr;  // the platform recognised; null for none
  std::vector<int> unused;              // columns no field uses, blank headers aside
  std::vector<BatchProblem> problems;   // at row 1; `file` left for the caller

  const FieldSource* SourceOf(OrderField field) const;
  bool Has(OrderField field) const { return SourceOf(field) != nullptr; }
  // The headers of the source's columns joined by "+" ("送付先郵便番号1+送付先郵便番号2"):
  // where a problem of the value is reported.
  std::string ColumnsOf(const FieldSource& source) const;
  // The source as a map writes it: 送付先郵便番号1 + "-" + 送付先郵便番号2.
  std::string SourceText(const FieldSource& source) const;
};

// Assigns the header's columns to fields. The map's lines go first; then,
// when the header is a preset's (OrderPresetOf), the preset's lines; without
// a preset the built-in names, a recipient's header (お届け先郵便番号,
// Shipping Zip) before a plain one (郵便番号), which a shop's system uses
// for the buyer. Two columns of one rank for a field, a map line naming a
// column the file lacks and a missing postal-code, address or name column
// are problems; every other column is left unused.
OrderColumns ResolveOrderColumns(const std::vector<std::string>& header, const ColumnMap& map);

}  // namespace ruvo::batch
