#include "batch/order_columns.h"

#include <algorithm>
#include <unordered_map>

#include "batch/order_presets.h"

namespace ruvo::batch {
namespace {

// The columns every slip needs: where it goes and to whom.
constexpr OrderField kRequiredFields[] = {OrderField::kZip, OrderField::kAddress1,
                                          OrderField::kName};

BatchProblem HeaderProblem(std::string column, std::string_view reason) {
  return {{}, 1, std::move(column), std::string(reason)};
}

class ColumnResolver {
 public:
  ColumnResolver(const std::vector<std::string>& header, const ColumnMap& map) : map_(map) {
    columns_.width = header.size();
    columns_.header = header;
    used_.assign(header.size(), false);
    left_.assign(header.size(), false);
    comparable_.reserve(header.size());
    for (std::size_t i = 0; i < header.size(); ++i) {
      comparable_.push_back(ComparableHeader(header[i]));
      byName_.emplace(comparable_.back(), static_cast<int>(i));  // the first of a name
    }
    columns_.preset = OrderPresetOf(comparable_);
  }

  OrderColumns Resolve() {
    for (const FieldRule& rule : map_.fields)
      Apply(rule, /*userRule=*/true);
    TakeMappedColumns(map_);
    if (columns_.preset != nullptr) {
      const std::array<bool, kOrderFieldCount> userRuled = ruled_;
      for (const FieldRule& rule : columns_.preset->map.fields) {
        if (!userRuled[Slot(rule.field)]) Apply(rule, /*userRule=*/false);
      }
      TakeMappedColumns(columns_.preset->map, userRuled);
    } else {
      TakeBuiltInNames();
    }
    for (const OrderField field : kRequiredFields) {
      if (!columns_.Has(field)) {
        columns_.problems.push_back(
            HeaderProblem(std::string(OrderFieldName(field)), reason::kMissingColumn));
      }
    }
    for (std::size_t i = 0; i < used_.size(); ++i) {
      if (!used_[i] && !left_[i] && !comparable_[i].empty())
        columns_.unused.push_back(static_cast<int>(i));
    }
    return std::move(columns_);
  }

 private:
  static std::size_t Slot(OrderField field) { return static_cast<std::size_t>(field); }

  std::optional<int> ColumnNamed(const std::string& comparable) const {
    const auto found = byName_.find(comparable);
    return found == byName_.end() ? std::nullopt : std::optional(found->second);
  }

  // The join as the file's columns, or nothing when the file lacks one of
  // its columns (`missing` then names it).
  std::optional<FieldSource> SourceOf(const MapJoin& join, std::string& missing) const {
    FieldSource source;
    for (const MapTerm& term : join) {
      if (term.literal) {
        source.parts.push_back({-1, term.text});
      } else if (const auto column = ColumnNamed(term.text)) {
        source.parts.push_back({*column, {}});
      } else {
        if (missing.empty()) missing = term.text;
        return std::nullopt;
      }
    }
    return source;
  }

  // A user's line naming a column the file lacks is a problem: the map was
  // written for another file. A preset's just leaves the field out.
  void Apply(const FieldRule& rule, bool userRule) {
    std::string missing;
    for (const MapJoin& join : rule.alternatives) {
      if (auto source = SourceOf(join, missing)) {
        Add(rule.field, std::move(*source));
        return;
      }
    }
    if (userRule) columns_.problems.push_back(HeaderProblem(missing, reason::kMissingColumn));
  }

  void Add(OrderField field, FieldSource source) {
    std::vector<FieldSource>& sources = columns_.sources[Slot(field)];
    if (field != OrderField::kItemName) sources.clear();
    for (const SourcePart& part : source.parts) {
      if (part.column >= 0) used_[static_cast<std::size_t>(part.column)] = true;
    }
    sources.push_back(std::move(source));
    ruled_[Slot(field)] = true;
  }

  // "column = field" lines: after the fields built by a line of their own.
  // A preset's give no field the user's map gives (`skip`), and no column
  // the user's map names.
  void TakeMappedColumns(const ColumnMap& map,
                         const std::array<bool, kOrderFieldCount>& skip = {}) {
    for (std::size_t i = 0; i < comparable_.size(); ++i) {
      const auto mapped = map.columns.find(comparable_[i]);
      if (mapped == map.columns.end()) continue;
      if (&map != &map_ && (map_.columns.contains(comparable_[i]) || used_[i])) continue;
      if (mapped->second && skip[Slot(*mapped->second)]) continue;
      if (!mapped->second) {
        left_[i] = true;
      } else if (ruled_[Slot(*mapped->second)] && *mapped->second != OrderField::kItemName) {
        columns_.problems.push_back(HeaderProblem(columns_.header[i], reason::kDuplicateColumn));
      } else {
        Add(*mapped->second, {{{static_cast<int>(i), {}}}});
      }
    }
  }

  // Without a preset: each field from the column of the best rank its name
  // gives; a second column of that rank is a problem (which of the two is
  // meant?), one of a lower rank is left unused.
  void TakeBuiltInNames() {
    std::array<std::vector<std::pair<HeaderRank, int>>, kOrderFieldCount> named;
    for (std::size_t i = 0; i < comparable_.size(); ++i) {
      if (used_[i] || left_[i] || map_.columns.contains(comparable_[i])) continue;
      const auto name = BuiltInNameOf(comparable_[i]);
      if (name && !ruled_[Slot(name->field)])
        named[Slot(name->field)].emplace_back(name->rank, static_cast<int>(i));
    }
    for (std::size_t slot = 0; slot < named.size(); ++slot) {
      if (named[slot].empty()) continue;
      const HeaderRank best = std::max_element(named[slot].begin(), named[slot].end())->first;
      int taken = -1;
      for (const auto& [rank, column] : named[slot]) {
        if (rank != best) continue;
        if (taken < 0) {
          taken = column;
        } else {
          columns_.problems.push_back(HeaderProblem(
              columns_.header[static_cast<std::size_t>(column)], reason::kDuplicateColumn));
        }
      }
      Add(static_cast<OrderField>(slot), {{{taken, {}}}});
    }
  }

  const ColumnMap& map_;
  OrderColumns columns_;
  std::vector<std::string> comparable_;
  std::unordered_map<std::string, int> byName_;
  std::vector<bool> used_;  // a field's source takes the column
  std::vector<bool> left_;  // the map leaves the column unused
  std::array<bool, kOrderFieldCount> ruled_{};
};

}  // namespace

const FieldSource* OrderColumns::SourceOf(OrderField field) const {
  const auto& all = sources[static_cast<std::size_t>(field)];
  return all.empty() ? nullptr : &all.front();
}

std::string OrderColumns::ColumnsOf(const FieldSource& source) const {
  std::string text;
  for (const SourcePart& part : source.parts) {
    if (part.column < 0) continue;
    if (!text.empty()) text += '+';
    text += header[static_cast<std::size_t>(part.column)];
  }
  return text;
}

std::string OrderColumns::SourceText(const FieldSource& source) const {
  std::string text;
  for (const SourcePart& part : source.parts) {
    if (!text.empty()) text += " + ";
    text += part.column < 0 ? "\"" + part.literal + "\""
                            : header[static_cast<std::size_t>(part.column)];
  }
  return text;
}

OrderColumns ResolveOrderColumns(const std::vector<std::string>& header, const ColumnMap& map) {
  return ColumnResolver(header, map).Resolve();
}

}  // namespace ruvo::batch
