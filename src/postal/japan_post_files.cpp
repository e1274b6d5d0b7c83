#include "postal/japan_post_files.h"

#include <algorithm>
#include <optional>
#include <unordered_set>

#include "postal/town_notes.h"
#include "transfer/cp932_codec.h"
#include "transfer/sjis.h"

namespace ruvo::postal {
namespace {

// "日本郵便の郵便番号データ（KEN_ALL.CSV または JIGYOSYO.CSV）ではありません。"
constexpr std::string_view kNotJapanPostFile =
    "\x93\xFA\x96\x7B\x97\x58\x95\xD6\x82\xCC\x97\x58\x95\xD6\x94\xD4\x8D\x86\x83\x66\x81\x5B"
    "\x83\x5E\x81\x69"
    "KEN_ALL.CSV \x82\xDC\x82\xBD\x82\xCD JIGYOSYO.CSV"
    "\x81\x6A\x82\xC5\x82\xCD\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x81\x42";
constexpr std::string_view kOpen = "\x81\x69";   // （
constexpr std::string_view kClose = "\x81\x6A";  // ）
constexpr std::string_view kAnyFloorNote =
    "\x92\x6E\x8A\x4B\x81\x45\x8A\x4B\x91\x77\x95\x73\x96\xBE";  // 地階・階層不明
constexpr std::string_view kWholeCity = "\x88\xEA\x89\x7E";      // 一円
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// The fields of one CSV row; quotes around a field are taken off.
std::vector<std::string> CsvFields(std::string_view row) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t pos = 0; pos < row.size(); ++pos) {
    const char c = row[pos];
    if (c == '"' && quoted && pos + 1 < row.size() && row[pos + 1] == '"') {
      fields.back() += '"';
      ++pos;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

bool IsValidUtf8(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if ((lead >= 0x80 && lead < 0xC2) || lead > 0xF4 || pos + length > text.size()) return false;
    for (std::size_t i = 1; i < length; ++i) {
      if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80) return false;
    }
    pos += length;
  }
  return true;
}

// The file as CP932: Japan Post's Shift-JIS as it is, its UTF-8 edition
// converted.
std::string Cp932Text(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) return Utf8ToCp932(bytes.substr(kUtf8Mark.size())).bytes;
  const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (!ascii && IsValidUtf8(bytes)) return Utf8ToCp932(bytes).bytes;
  return std::string(bytes);
}

template <typename OnRow>
void ForEachRow(std::string_view text, OnRow onRow) {
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view row = text.substr(0, end);
    if (row.ends_with('\r')) row.remove_suffix(1);
    if (!row.empty()) onRow(CsvFields(row));
    text.remove_prefix(std::min(end + 1, text.size()));
  }
}

bool IsPostalCode(std::string_view text) {
  return text.size() == 7 &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

PostalCode CodeOf(std::string_view digits) {
  std::uint32_t value = 0;
  for (const char c : digits)
    value = value * 10 + static_cast<std::uint32_t>(c - '0');
  return {value};
}

std::size_t Count(std::string_view text, std::string_view word) {
  std::size_t count = 0;
  for (std::size_t at = FindWord(text, word); at != std::string_view::npos;
       at = FindWord(text, word, at + word.size()))
    ++count;
  return count;
}

// The floor that closes a town's name in brackets, and where its bracket
// opens: "霞が関霞が関ビル（１２階）" → 12.
std::optional<std::pair<std::size_t, std::uint8_t>> FloorNoteAt(std::string_view town) {
  if (!town.ends_with(kClose)) return std::nullopt;
  std::size_t open = std::string_view::npos;
  for (std::size_t at = FindWord(town, kOpen); at != std::string_view::npos;
       at = FindWord(town, kOpen, at + kOpen.size()))
    open = at;
  if (open == std::string_view::npos) return std::nullopt;
  const std::string_view note = town.substr(open + kOpen.size(), town.size() - open - 4);
  if (note == kAnyFloorNote) return std::pair{open, kAnyFloor};
  const FloorSuffix floor = FloorSuffixOf(note);
  if (floor.floor == kNoFloor || floor.floor == kAnyFloor || floor.size != note.size()) {
    return std::nullopt;
  }
  return std::pair{open, floor.floor};
}

// A row's town as addresses write it, and the floor when the row is one of
// a building's.
struct TownReading {
  std::string town;  // the building's address after the city, for a floor
  std::string shown;
  std::uint8_t floor = kNoFloor;
};

TownReading ReadTown(const AreaRow& row) {
  if (IsNoTownListedNote(row.town)) return {};
  // "琴平町の次に１〜４２６番地がくる場合": the city's name is all there is.
  const std::string joined = WithoutBlockNumberNote(row.city + row.town);
  std::string town = joined.starts_with(row.city) ? joined.substr(row.city.size()) : joined;
  const std::size_t countySize = CountySize(row.city);
  if (town == row.city.substr(countySize) + std::string(kWholeCity)) return {};
  TownReading reading;
  if (const auto floor = FloorNoteAt(town)) {
    reading.floor = floor->second;
    reading.town = WithoutBracketed(std::string_view(town).substr(0, floor->first));
    reading.shown = reading.town + town.substr(floor->first);
    return reading;
  }
  reading.town = WithoutBracketed(town);
  reading.shown = reading.town;
  return reading;
}

// Rows of one code whose town's name goes on over several rows, joined.
std::vector<AreaRow> JoinedAreaRows(std::vector<AreaRow> rows) {
  std::vector<AreaRow> joined;
  bool open = false;  // the last row's town has a bracket not closed yet
  for (AreaRow& row : rows) {
    if (open && joined.back().code == row.code && joined.back().city == row.city) {
      joined.back().town += row.town;
    } else {
      joined.push_back(std::move(row));
    }
    const std::string& town = joined.back().town;
    open = Count(town, kOpen) > Count(town, kClose);
  }
  return joined;
}

bool IsSoundAreaRow(const JapanPostRowFields& fields) {
  return fields.size() == kAreaColumns && IsPostalCode(fields[2]) && !fields[6].empty() &&
         PrefectureSizeAt(fields[6]) == fields[6].size();
}

bool IsSoundOfficeRow(const JapanPostRowFields& fields) {
  return fields.size() == kOfficeColumns && IsPostalCode(fields[7]) && !fields[3].empty() &&
         PrefectureSizeAt(fields[3]) == fields[3].size();
}

// The kind of file by the columns of its first row that has any.
std::optional<JapanPostFileKind> KindOf(std::string_view text) {
  std::optional<JapanPostFileKind> kind;
  const std::size_t end = std::min(text.find('\n'), text.size());
  const std::vector<std::string> fields = CsvFields(text.substr(0, end));
  if (fields.size() == kAreaColumns) kind = JapanPostFileKind::Areas;
  if (fields.size() == kOfficeColumns) kind = JapanPostFileKind::Offices;
  return kind;
}

}  // namespace

std::vector<DirectoryEntry> AreaEntries(std::vector<AreaRow> published) {
  const std::vector<AreaRow> rows = JoinedAreaRows(std::move(published));
  std::vector<TownReading> towns;
  std::unordered_set<std::string> plainTowns;  // prefecture, city and town of rows in no building
  towns.reserve(rows.size());
  for (const AreaRow& row : rows) {
    towns.push_back(ReadTown(row));
    if (towns.back().floor == kNoFloor)
      plainTowns.insert(row.prefecture + row.city + towns.back().town);
  }
  std::vector<DirectoryEntry> entries;
  entries.reserve(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const AreaRow& row = rows[i];
    const TownReading& town = towns[i];
    DirectoryEntry entry{row.code, row.prefecture + row.city + town.shown, {}, {}};
    AddressParts& parts = entry.parts;
    parts.prefecture = row.prefecture.size();
    parts.county = CountySize(row.city);
    parts.city = row.city.size() - parts.county;
    const std::size_t cityEnd = parts.End();
    parts.town = town.town.size();
    if (town.floor != kNoFloor) {
      const std::string building = row.prefecture + row.city + town.town;
      const std::size_t townEnd = TownEndBefore(building, cityEnd, [&](std::string_view t) {
        return plainTowns.contains(std::string(t));
      });
      if (townEnd != 0) {
        parts.town = townEnd - cityEnd;
        parts.building = building.size() - townEnd;
        parts.floor = town.floor;
      }
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::vector<DirectoryEntry> OfficeEntries(const std::vector<OfficeRow>& rows) {
  std::vector<DirectoryEntry> entries;
  for (const OfficeRow& row : rows) {
    if (row.abolished) continue;
    const std::string town = WithoutBracketed(row.town);
    DirectoryEntry entry{row.code, row.prefecture + row.city + town + row.block, row.name, {}};
    entry.parts.prefecture = row.prefecture.size();
    entry.parts.county = CountySize(row.city);
    entry.parts.city = row.city.size() - entry.parts.county;
    entry.parts.town = town.size();
    entries.push_back(std::move(entry));
  }
  return entries;
}

JapanPostFileKind ForEachJapanPostRow(std::string_view bytes, std::string_view name,
                                      const std::function<void(const JapanPostRowFields&)>& onRow,
                                      std::size_t& skipped) {
  const std::string text = Cp932Text(bytes);
  const std::optional<JapanPostFileKind> kind = KindOf(text);
  if (!kind) throw JapanPostFileError(std::string(name) + ": " + std::string(kNotJapanPostFile));
  const auto sound = *kind == JapanPostFileKind::Areas ? IsSoundAreaRow : IsSoundOfficeRow;
  ForEachRow(text, [&](const JapanPostRowFields& fields) {
    if (sound(fields)) {
      onRow(fields);
    } else {
      ++skipped;
    }
  });
  return *kind;
}

AreaRow AreaRowOf(const JapanPostRowFields& fields) {
  return {CodeOf(fields[2]), fields[6], fields[7], fields[8]};
}

OfficeRow OfficeRowOf(const JapanPostRowFields& fields) {
  return {CodeOf(fields[7]),
          fields[2],
          fields[3],
          fields[4],
          fields[5],
          fields[6],
          fields[12] == kAbolishedOffice};
}

std::uint8_t PrefectureOfRow(const JapanPostRowFields& fields) {
  return PrefectureNumberAt(fields[fields.size() == kAreaColumns ? 6 : 3]);
}

JapanPostFile ReadJapanPostFile(std::string_view bytes, std::string_view name) {
  JapanPostFile file;
  std::vector<AreaRow> areas;
  std::vector<OfficeRow> offices;
  file.kind = ForEachJapanPostRow(
      bytes, name,
      [&](const JapanPostRowFields& fields) {
        ++file.rows;
        file.prefectures.set(PrefectureOfRow(fields));
        if (fields.size() == kAreaColumns) {
          areas.push_back(AreaRowOf(fields));
        } else {
          offices.push_back(OfficeRowOf(fields));
        }
      },
      file.skippedRows);
  file.entries = file.kind == JapanPostFileKind::Areas ? AreaEntries(std::move(areas))
                                                       : OfficeEntries(offices);
  if (file.entries.empty()) {
    throw JapanPostFileError(std::string(name) + ": " + std::string(kNotJapanPostFile));
  }
  return file;
}

}  // namespace ruvo::postal
