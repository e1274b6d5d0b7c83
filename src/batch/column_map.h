#pragma once
// A column map: the lines that tell the batch which columns of a shop's file
// give which field of the slip, as a user writes them (ruvo_csvmap.txt, a
// file given with --map) and as the presets of the platforms are written.
// Texts are CP932.
//
//   # 楽天の受注データ
//   郵便番号 = 送付先郵便番号1 + "-" + 送付先郵便番号2
//   氏名 = 送付先姓 + " " + 送付先名
//   住所1 = 送付先住所都道府県 + 送付先住所郡市区 + 送付先住所それ以降の住所
//   住所1 = Shipping Province Name + Shipping City | Shipping Province + Shipping City
//   お客様名 = 氏名
//   のし = -
//
// A line "field = column + "literal" + column" builds the field from the
// columns' texts, each literal kept between two columns that hold text;
// "|" separates alternatives, the first whose columns the file has all of
// being used. A line "column = field" names the field a column gives, and
// "column = -" leaves a column unused. The goods items (商品名) may have
// several lines, one an item; for any other field the last line counts.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_problem.h"
#include "batch/order_fields.h"

namespace ruvo::batch {

// One term of a join: a column, by its header as ComparableHeader makes it,
// or a literal's text.
struct MapTerm {
  std::string text;
  bool literal = false;

  bool operator==(const MapTerm&) const = default;
};
using MapJoin = std::vector<MapTerm>;

// "field = …": the field's alternatives in the order written.
struct FieldRule {
  OrderField field;
  std::vector<MapJoin> alternatives;
};

struct ColumnMap {
  // "column = field" and "column = -" (none), by comparable header.
  std::map<std::string, std::optional<OrderField>> columns;
  std::vector<FieldRule> fields;

  bool Empty() const { return columns.empty() && fields.empty(); }
};

// A map's text: blank lines and lines starting with "#" say nothing. A line
// that is none of the forms above is a problem with the line's number as
// its row (the `file` is left for the caller).
struct ParsedColumnMap {
  ColumnMap map;
  std::vector<BatchProblem> problems;
};
ParsedColumnMap ParseColumnMap(std::string_view text);

}  // namespace ruvo::batch
