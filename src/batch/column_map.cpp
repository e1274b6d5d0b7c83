#include "batch/column_map.h"

#include <algorithm>

#include "transfer/sjis.h"
#include "transfer/text_ops.h"

namespace ruvo::batch {
namespace {

// What a column map names a column that is to stay unused.
constexpr std::string_view kUnusedColumn = "-";

// Splits at LF, CRLF or CR.
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t pos = 0; pos <= text.size(); ++pos) {
    if (pos < text.size() && text[pos] != '\n' && text[pos] != '\r') continue;
    lines.push_back(text.substr(start, pos - start));
    if (pos + 1 < text.size() && text[pos] == '\r' && text[pos + 1] == '\n') ++pos;
    start = pos + 1;
  }
  return lines;
}

// `text` cut at each `separator` outside double quotes. The scan steps over
// two-byte characters whole: "|" (0x7C) is the second byte of some CP932
// characters ("ポ" is 0x83 0x7C).
std::vector<std::string_view> SplitOutsideQuotes(std::string_view text, char separator) {
  std::vector<std::string_view> pieces;
  bool quoted = false;
  std::size_t start = 0;
  for (std::size_t pos = 0; pos < text.size(); pos += sjis::CharLengthAt(text, pos)) {
    if (text[pos] == '"') quoted = !quoted;
    if (!quoted && text[pos] == separator) {
      pieces.push_back(text.substr(start, pos - start));
      start = pos + 1;
    }
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

// "送付先郵便番号1 + "-" + 送付先郵便番号2"; nothing when a term is empty or a
// literal is not closed.
std::optional<MapJoin> JoinOf(std::string_view text) {
  MapJoin join;
  for (const std::string_view piece : SplitOutsideQuotes(text, '+')) {
    const std::string_view term = TrimBlanks(piece);
    if (term.empty()) return std::nullopt;
    if (term.front() == '"') {
      if (term.size() < 2 || term.back() != '"') return std::nullopt;
      join.push_back({std::string(term.substr(1, term.size() - 2)), true});
    } else {
      join.push_back({ComparableHeader(term), false});
    }
  }
  return join;
}

std::optional<std::vector<MapJoin>> AlternativesOf(std::string_view text) {
  std::vector<MapJoin> alternatives;
  for (const std::string_view piece : SplitOutsideQuotes(text, '|')) {
    auto join = JoinOf(piece);
    if (!join) return std::nullopt;
    alternatives.push_back(std::move(*join));
  }
  return alternatives;
}

bool IsOwnName(OrderField field, std::string_view name) {
  return ComparableHeader(name) == OrderFieldName(field);
}

void AddRule(ColumnMap& map, FieldRule rule) {
  // Goods items add up; any other field takes the last line written.
  if (rule.field != OrderField::kItemName) {
    std::erase_if(map.fields, [&](const FieldRule& old) { return old.field == rule.field; });
  }
  map.fields.push_back(std::move(rule));
}

class MapParser {
 public:
  void Line(int number, std::string_view content) {
    // A field's name holds no "=", a shop's header might: "column = field"
    // is cut at the last "=", "field = columns" at the first.
    const std::size_t last = content.rfind('=');
    if (last == std::string_view::npos || TrimBlanks(content.substr(0, last)).empty()) {
      Problem(number, content, reason::kMapNoEquals);
      return;
    }
    const std::string_view column = TrimBlanks(content.substr(0, last));
    const std::string_view target = TrimBlanks(content.substr(last + 1));
    if (target == kUnusedColumn) {
      parsed_.map.columns[ComparableHeader(column)] = std::nullopt;
      return;
    }
    // Both sides may be a field's name: "郵便番号 = 送付先郵便番号" builds the
    // field from that column, "お客様名 = 氏名" names the column's field.
    const std::size_t first = content.find('=');
    const auto field = BuiltInField(TrimBlanks(content.substr(0, first)));
    const auto targetField = BuiltInField(target);
    if (targetField && (!field || IsOwnName(*targetField, target))) {
      parsed_.map.columns[ComparableHeader(column)] = targetField;
      return;
    }
    if (!field) {
      Problem(number, target, reason::kMapUnknownField);
      return;
    }
    auto alternatives = AlternativesOf(content.substr(first + 1));
    if (!alternatives) {
      Problem(number, content.substr(first + 1), reason::kMapBadJoin);
      return;
    }
    AddRule(parsed_.map, {*field, std::move(*alternatives)});
  }

  ParsedColumnMap Take() { return std::move(parsed_); }

 private:
  void Problem(int number, std::string_view column, std::string_view reason) {
    parsed_.problems.push_back({{}, number, std::string(TrimBlanks(column)), std::string(reason)});
  }

  ParsedColumnMap parsed_;
};

}  // namespace

ParsedColumnMap ParseColumnMap(std::string_view text) {
  MapParser parser;
  int number = 0;
  for (const std::string_view line : Lines(text)) {
    ++number;
    const std::string_view content = TrimBlanks(line);
    if (content.empty() || content.starts_with('#')) continue;
    parser.Line(number, content);
  }
  return parser.Take();
}

}  // namespace ruvo::batch
