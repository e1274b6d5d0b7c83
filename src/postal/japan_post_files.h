#pragma once
// Japan Post's postal-code files as downloaded from its web site: the
// areas (KEN_ALL.CSV, or a prefecture's file such as 13TOKYO.CSV) and the
// large offices (JIGYOSYO.CSV). Shift-JIS CSV, every text quoted, CRLF;
// the areas' UTF-8 edition (utf_ken_all.csv) is read as well.
//
// Areas, 15 columns: 全国地方公共団体コード, 旧郵便番号, 郵便番号, three
// readings in kana, 都道府県名, 市区町村名, 町域名, six flags:
//   13101,"100  ","1006012","ﾄｳｷｮｳﾄ","ﾁﾖﾀﾞｸ","ｶｽﾐｶﾞｾｷｶｽﾐｶﾞｾｷﾋﾞﾙ(12ｶｲ)",
//   "東京都","千代田区","霞が関霞が関ビル（１２階）",0,0,0,0,0,0
// A town's name longer than 38 characters goes on over the next rows of the
// same code, its bracket closed on the last one. Its notes are read as
// town_notes.h says; a floor in brackets makes the row a building's floor.
//
// Offices, 13 columns: 大口事業所の所在地のJISコード, 大口事業所名（カナ）,
// 大口事業所名（漢字）, 都道府県名, 市区町村名, 町域名, 小字名、丁目、番地等,
// 大口事業所個別番号, 旧郵便番号, 取扱局, 個別番号の種別, 複数番号の有無,
// 修正コード (5: abolished, left out).

#include <bitset>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "postal/postal_directory.h"
#include "transfer/user_message_error.h"

namespace ruvo::postal {

enum class JapanPostFileKind {
  Areas,    // KEN_ALL.CSV
  Offices,  // JIGYOSYO.CSV
};

// A file that is none of Japan Post's postal-code files; the message is
// CP932 and shown to the user as it is.
class JapanPostFileError : public UserMessageError {
 public:
  using UserMessageError::UserMessageError;
};

// The columns of an areas row the directory is made of, CP932.
struct AreaRow {
  PostalCode code;
  std::string prefecture;
  std::string city;
  std::string town;  // part of the name only, when it goes on over several rows
};

// The columns of an offices row the directory is made of, CP932.
struct OfficeRow {
  PostalCode code;
  std::string name;
  std::string prefecture;
  std::string city;
  std::string town;
  std::string block;  // 小字名、丁目、番地等
  bool abolished = false;
};

inline constexpr std::size_t kAreaColumns = 15;
inline constexpr std::size_t kOfficeColumns = 13;
// The offices' 修正コード of an abolished office.
inline constexpr std::string_view kAbolishedOffice = "5";

// A row's columns as the file writes them, quotes taken off (CP932).
using JapanPostRowFields = std::vector<std::string>;

// Reads the file's `bytes` row by row: `onRow` gets each row that has the
// layout of the file's kind (its columns, a postal code of seven digits, a
// prefecture's name), in the file's order; `skipped` counts the others.
// Returns the kind, told by the first row. Throws JapanPostFileError, `name`
// (CP932) naming the file, when that row has the layout of neither file.
JapanPostFileKind ForEachJapanPostRow(std::string_view bytes, std::string_view name,
                                      const std::function<void(const JapanPostRowFields&)>& onRow,
                                      std::size_t& skipped);

// The directory's columns of a row ForEachJapanPostRow passed on.
AreaRow AreaRowOf(const JapanPostRowFields& fields);
OfficeRow OfficeRowOf(const JapanPostRowFields& fields);
// The prefecture a row ForEachJapanPostRow passed on lies in: 1 + index in
// PrefectureNames().
std::uint8_t PrefectureOfRow(const JapanPostRowFields& fields);

// The entries of one file's rows, in the file's order: a town's name
// continued over several rows is joined, its notes read, floors found.
std::vector<DirectoryEntry> AreaEntries(std::vector<AreaRow> rows);
// Abolished offices are left out.
std::vector<DirectoryEntry> OfficeEntries(const std::vector<OfficeRow>& rows);

struct JapanPostFile {
  JapanPostFileKind kind = JapanPostFileKind::Areas;
  std::vector<DirectoryEntry> entries;
  std::size_t rows = 0;          // rows of the file's layout
  std::size_t skippedRows = 0;   // rows that break it
  std::bitset<256> prefectures;  // that the rows lie in (PrefectureOfRow)
};

// The entries of the file's `bytes`; `name` (CP932) names the file in
// errors. Throws JapanPostFileError when no row has the layout of either
// file, or no row gives an entry.
JapanPostFile ReadJapanPostFile(std::string_view bytes, std::string_view name);

}  // namespace ruvo::postal
