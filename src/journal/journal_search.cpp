#include "journal/journal_search.h"

#include "journal/search_keys.h"
#include "journal/slip_rows.h"
#include "journal/sql_filter.h"

namespace ruvo::journal {
namespace {

// The trigram index finds a part of three characters or more.
constexpr std::size_t kTrigram = 3;

std::size_t CharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (const char c : utf8)
    count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return count;
}

// An FTS5 phrase: the text in double quotes, its own doubled.
std::string Phrase(std::string_view text) {
  std::string phrase = "\"";
  for (const char c : text)
    phrase += c == '"' ? std::string("\"\"") : std::string(1, c);
  return phrase + "\"";
}

// `part` found in any of `columns`: through the trigram index when it is
// long enough, else by reading the search forms row by row.
std::string FoundIn(SqlFilter& filter, std::string_view part,
                    std::initializer_list<std::string_view> columns) {
  if (CharacterCount(part) >= kTrigram) {
    std::string match = "{";
    for (const std::string_view column : columns)
      match += std::string(column) + " ";
    match.back() = '}';
    return "id IN (SELECT rowid FROM slip_search WHERE slip_search MATCH " +
           filter.Parameter(match + " : " + Phrase(part)) + ")";
  }
  const std::string text = filter.Parameter(std::string(part));
  std::string condition;
  for (const std::string_view column : columns) {
    condition += (condition.empty() ? "" : " OR ") + std::string("instr(") + std::string(column) +
                 ", " + text + ") > 0";
  }
  return "id IN (SELECT id FROM slip_words WHERE " + condition + ")";
}

void RequireWords(SqlFilter& filter, const SlipQuery& query) {
  for (const SearchWord& word : SearchWords(query.text)) {
    std::string condition = FoundIn(filter, word.key, {"name_key", "address_key", "goods_key"});
    if (!word.digits.empty())
      condition += " OR " + FoundIn(filter, word.digits, {"tel_digits", "zip_digits"});
    filter.Require(condition);
  }
}

void RequireFields(SqlFilter& filter, const SlipQuery& query) {
  const struct {
    const std::string& text;
    std::string_view column;
    bool digits;
  } fields[] = {
      {query.name, "name_key", false},   {query.address, "address_key", false},
      {query.goods, "goods_key", false}, {query.tel, "tel_digits", true},
      {query.zip, "zip_digits", true},
  };
  for (const auto& field : fields) {
    const std::string part = field.digits ? DigitsOf(field.text) : SearchKey(field.text);
    if (!part.empty()) filter.Require(FoundIn(filter, part, {field.column}));
  }
}

void RequireDays(SqlFilter& filter, const SlipQuery& query) {
  using std::chrono::days;
  using std::chrono::sys_days;
  if (query.from) filter.Require("printed_local >= " + filter.Parameter(DateText(*query.from)));
  if (query.to) {
    const std::chrono::year_month_day after(sys_days(*query.to) + days(1));
    filter.Require("printed_local < " + filter.Parameter(DateText(after)));
  }
}

std::string SelectSql(const SqlFilter& filter, const SlipQuery& query) {
  std::string sql = "SELECT id, " + SlipColumns() + " FROM slips" + filter.Where() +
                    " ORDER BY id" + (query.oldestFirst ? "" : " DESC");
  if (query.limit > 0) sql += " LIMIT " + std::to_string(query.limit + 1);
  if (query.offset > 0)
    sql += (query.limit > 0 ? "" : " LIMIT -1") + std::string(" OFFSET ") +
           std::to_string(query.offset);
  return sql;
}

}  // namespace

SlipPage FindSlips(Journal& journal, const SlipQuery& query) {
  return journal.Guarded([&] {
    SlipPage page;
    Database* db = journal.ForReading();
    if (db == nullptr) return page;
    SqlFilter filter;
    RequireWords(filter, query);
    RequireFields(filter, query);
    RequireDays(filter, query);
    Statement select = db->Prepare(SelectSql(filter, query));
    filter.Bind(select);
    while (select.Step()) {
      if (query.limit > 0 && page.slips.size() == query.limit) {
        page.more = true;
        break;
      }
      page.slips.push_back(ReadSlipRow(select));
    }
    return page;
  });
}

std::optional<PrintedSlip> FindSlip(Journal& journal, std::int64_t id) {
  return journal.Guarded([&]() -> std::optional<PrintedSlip> {
    Database* db = journal.ForReading();
    if (db == nullptr) return std::nullopt;
    Statement select = db->Prepare("SELECT id, " + SlipColumns() + " FROM slips WHERE id = ?1");
    select.BindInt(1, id);
    return select.Step() ? std::optional(ReadSlipRow(select)) : std::nullopt;
  });
}

std::int64_t SlipCount(Journal& journal) {
  return journal.Guarded([&]() -> std::int64_t {
    Database* db = journal.ForReading();
    return db != nullptr ? db->QueryInt("SELECT count(*) FROM slips") : 0;
  });
}

}  // namespace ruvo::journal
