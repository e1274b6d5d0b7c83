#pragma once
// One row of an order file as the texts its columns give each field: the
// columns of a field joined, converted to CP932, control bytes folded and
// blanks at both ends removed, with the problems of the row's bytes.

#include <array>
#include <string>
#include <vector>

#include "batch/batch_problem.h"
#include "batch/csv_encoding.h"
#include "batch/csv_records.h"
#include "batch/order_columns.h"

namespace ruvo::batch {

struct RowTexts {
  int row = 0;  // as a spreadsheet shows it
  // CP932; empty when the file has no such column or the row no such field.
  std::array<std::string, kOrderFieldCount> text;
  std::vector<std::string> items;  // the names of the items the row holds, in column order
  // Characters the slip cannot print and fields beyond the header, each
  // naming its column; `file` left for the caller.
  std::vector<BatchProblem> problems;

  const std::string& operator[](OrderField field) const {
    return text[static_cast<std::size_t>(field)];
  }
};

// True when every field is blank: a spreadsheet's empty row at the end of a
// file, left out like a blank line.
bool IsBlankRecord(const CsvRecord& record);

// Reads the fields of `record` whose columns `columns` assigns. `encoding`
// is the fields' (UTF-8 or CP932). A literal of a join stands only between
// two columns that hold text ("03" "-" "" "-" "5678" → "03-5678"); a
// prefecture code in an address's column is the prefecture's name.
RowTexts ReadRowTexts(const CsvRecord& record, const OrderColumns& columns, CsvEncoding encoding);

}  // namespace ruvo::batch
