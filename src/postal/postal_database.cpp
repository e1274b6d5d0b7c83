#include "postal/postal_database.h"

#include <sqlite3.h>

#include <system_error>
#include <utility>

#include "settings/file_errors.h"
#include "store/database_file.h"

namespace ruvo::postal {
namespace {

// Why the database could not be used, as the user is told.
// "ディスクの空きがないため、郵便番号データを書き込めません。"
constexpr std::string_view kDiskFull =
    "\x83\x66\x83\x42\x83\x58\x83\x4E\x82\xCC\x8B\xF3\x82\xAB\x82\xAA\x82\xC8\x82"
    "\xA2\x82\xBD\x82\xDF\x81\x41\x97\x58\x95\xD6\x94\xD4\x8D\x86\x83\x66\x81\x5B"
    "\x83\x5E\x82\xF0\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1\x81\x42";
// "ほかのプログラムが郵便番号データを取り込んでいて、待ちきれませんでした。しばらくしてからもう一度試してください。"
constexpr std::string_view kBusy =
    "\x82\xD9\x82\xA9\x82\xCC\x83\x76\x83\x8D\x83\x4F\x83\x89\x83\x80\x82\xAA\x97"
    "\x58\x95\xD6\x94\xD4\x8D\x86\x83\x66\x81\x5B\x83\x5E\x82\xF0\x8E\xE6\x82\xE8"
    "\x8D\x9E\x82\xF1\x82\xC5\x82\xA2\x82\xC4\x81\x41\x91\xD2\x82\xBF\x82\xAB\x82"
    "\xEA\x82\xDC\x82\xB9\x82\xF1\x82\xC5\x82\xB5\x82\xBD\x81\x42\x82\xB5\x82\xCE"
    "\x82\xE7\x82\xAD\x82\xB5\x82\xC4\x82\xA9\x82\xE7\x82\xE0\x82\xA4\x88\xEA\x93"
    "\x78\x8E\x8E\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\x81\x42";
// "郵便番号データのファイルが壊れています。"
constexpr std::string_view kDamaged =
    "\x97\x58\x95\xD6\x94\xD4\x8D\x86\x83\x66\x81\x5B\x83\x5E\x82\xCC\x83\x74\x83"
    "\x40\x83\x43\x83\x8B\x82\xAA\x89\xF3\x82\xEA\x82\xC4\x82\xA2\x82\xDC\x82\xB7"
    "\x81\x42";
// "郵便番号データのファイルを開けないか、書き込みが許されていません。"
constexpr std::string_view kNotPermitted =
    "\x97\x58\x95\xD6\x94\xD4\x8D\x86\x83\x66\x81\x5B\x83\x5E\x82\xCC\x83\x74\x83"
    "\x40\x83\x43\x83\x8B\x82\xF0\x8A\x4A\x82\xAF\x82\xC8\x82\xA2\x82\xA9\x81\x41"
    "\x8F\x91\x82\xAB\x8D\x9E\x82\xDD\x82\xAA\x8B\x96\x82\xB3\x82\xEA\x82\xC4\x82"
    "\xA2\x82\xDC\x82\xB9\x82\xF1\x81\x42";
// "郵便番号データは新しい版の ruvo で作られているため、この版では使えません。"
constexpr std::string_view kNewerVersion =
    "\x97\x58\x95\xD6\x94\xD4\x8D\x86\x83\x66\x81\x5B\x83\x5E\x82\xCD\x90\x56\x82"
    "\xB5\x82\xA2\x94\xC5\x82\xCC ruvo \x82\xC5\x8D\xEC\x82\xE7\x82\xEA\x82\xC4\x82"
    "\xA2\x82\xE9\x82\xBD\x82\xDF\x81\x41\x82\xB1\x82\xCC\x94\xC5\x82\xC5\x82\xCD"
    "\x8E\x67\x82\xA6\x82\xDC\x82\xB9\x82\xF1\x81\x42";
// "郵便番号データのファイルを読み書きできませんでした。"
constexpr std::string_view kIo =
    "\x97\x58\x95\xD6\x94\xD4\x8D\x86\x83\x66\x81\x5B\x83\x5E\x82\xCC\x83\x74\x83"
    "\x40\x83\x43\x83\x8B\x82\xF0\x93\xC7\x82\xDD\x8F\x91\x82\xAB\x82\xC5\x82\xAB"
    "\x82\xDC\x82\xB9\x82\xF1\x82\xC5\x82\xB5\x82\xBD\x81\x42";
// "郵便番号データのファイルを使えませんでした。"
constexpr std::string_view kOther =
    "\x97\x58\x95\xD6\x94\xD4\x8D\x86\x83\x66\x81\x5B\x83\x5E\x82\xCC\x83\x74\x83"
    "\x40\x83\x43\x83\x8B\x82\xF0\x8E\x67\x82\xA6\x82\xDC\x82\xB9\x82\xF1\x82\xC5"
    "\x82\xB5\x82\xBD\x81\x42";
// "壊れていた郵便番号データを "
constexpr std::string_view kSetAside =
    "\x89\xF3\x82\xEA\x82\xC4\x82\xA2\x82\xBD\x97\x58\x95\xD6\x94\xD4\x8D\x86\x83"
    "\x66\x81\x5B\x83\x5E\x82\xF0 ";
// " として残しました。日本郵便のデータをもう一度取り込んでください。"
constexpr std::string_view kKeptAside =
    " \x82\xC6\x82\xB5\x82\xC4\x8E\x63\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81\x42\x93"
    "\xFA\x96\x7B\x97\x58\x95\xD6\x82\xCC\x83\x66\x81\x5B\x83\x5E\x82\xF0\x82\xE0"
    "\x82\xA4\x88\xEA\x93\x78\x8E\xE6\x82\xE8\x8D\x9E\x82\xF1\x82\xC5\x82\xAD\x82"
    "\xBE\x82\xB3\x82\xA2\x81\x42";

// The imports, and the rows of Japan Post's two files with every column as
// published, in the file's order (row_number from 1). Texts are BLOBs of the
// file's CP932 bytes. prefecture_number (1 北海道 … 47 沖縄県) is the row's
// prefecture, by which a later import of the same kind takes its place.
constexpr std::string_view kImportsAndRows = R"sql(
CREATE TABLE imports (
  id INTEGER PRIMARY KEY,
  kind TEXT NOT NULL,              -- 'areas' (KEN_ALL.CSV) or 'offices' (JIGYOSYO.CSV)
  file_name BLOB NOT NULL,         -- as the file system names it
  file_size INTEGER NOT NULL,      -- bytes
  file_modified INTEGER NOT NULL,  -- seconds since 1970-01-01 UTC
  file_sha256 TEXT NOT NULL,       -- 64 lower-case hex digits
  imported_at INTEGER NOT NULL,    -- seconds since 1970-01-01 UTC
  row_count INTEGER NOT NULL,      -- rows kept; rows that break the layout are not
  entry_count INTEGER NOT NULL,    -- the directory's entries they gave
  prefecture_count INTEGER NOT NULL
);
CREATE TABLE area_rows (
  import_id INTEGER NOT NULL,
  row_number INTEGER NOT NULL,
  prefecture_number INTEGER NOT NULL,
  local_code BLOB NOT NULL,        -- 全国地方公共団体コード
  old_code BLOB NOT NULL,          -- (旧)郵便番号（5桁）
  code BLOB NOT NULL,              -- 郵便番号（7桁）
  prefecture_kana BLOB NOT NULL,
  city_kana BLOB NOT NULL,
  town_kana BLOB NOT NULL,
  prefecture BLOB NOT NULL,
  city BLOB NOT NULL,
  town BLOB NOT NULL,
  partial_town BLOB NOT NULL,      -- 一町域が二以上の郵便番号で表される場合の表示
  koaza_numbered BLOB NOT NULL,    -- 小字毎に番地が起番されている町域の表示
  has_chome BLOB NOT NULL,         -- 丁目を有する町域の場合の表示
  several_towns BLOB NOT NULL,     -- 一つの郵便番号で二以上の町域を表す場合の表示
  update_state BLOB NOT NULL,      -- 更新の表示
  change_reason BLOB NOT NULL,     -- 変更理由
  PRIMARY KEY (import_id, row_number)
) WITHOUT ROWID;
CREATE INDEX area_rows_prefecture ON area_rows (prefecture_number);
CREATE TABLE office_rows (
  import_id INTEGER NOT NULL,
  row_number INTEGER NOT NULL,
  prefecture_number INTEGER NOT NULL,
  local_code BLOB NOT NULL,        -- 大口事業所の所在地のJISコード
  name_kana BLOB NOT NULL,
  name BLOB NOT NULL,
  prefecture BLOB NOT NULL,
  city BLOB NOT NULL,
  town BLOB NOT NULL,
  block BLOB NOT NULL,             -- 小字名、丁目、番地等
  code BLOB NOT NULL,              -- 大口事業所個別番号
  old_code BLOB NOT NULL,
  post_office BLOB NOT NULL,       -- 取扱局
  code_kind BLOB NOT NULL,         -- 個別番号の種別
  several_codes BLOB NOT NULL,     -- 複数番号の有無
  change_code BLOB NOT NULL,       -- 修正コード
  PRIMARY KEY (import_id, row_number)
) WITHOUT ROWID;
CREATE INDEX office_rows_prefecture ON office_rows (prefecture_number);
-- The directory the program before kept in "ruvo_zipcode.idx", moved in
-- once: its entries, the dictionary's of then among them, stand in for the
-- dictionary wherever no import above holds the kind and prefecture.
CREATE TABLE old_index (
  id INTEGER PRIMARY KEY CHECK (id = 1),  -- moved in once; kept when forgotten
  file_name BLOB NOT NULL,
  file_size INTEGER NOT NULL,
  file_modified INTEGER NOT NULL,  -- seconds since 1970-01-01 UTC
  moved_at INTEGER NOT NULL,       -- seconds since 1970-01-01 UTC
  entry_count INTEGER NOT NULL     -- 0 once forgotten
);
CREATE TABLE old_index_entries (
  row_number INTEGER PRIMARY KEY,
  code INTEGER NOT NULL,           -- seven digits as a number
  address BLOB NOT NULL,
  office BLOB NOT NULL,            -- empty for an area
  prefecture_size INTEGER NOT NULL,  -- bytes of each part of the address
  county_size INTEGER NOT NULL,
  city_size INTEGER NOT NULL,
  town_size INTEGER NOT NULL,
  building_size INTEGER NOT NULL,
  floor INTEGER NOT NULL
);
)sql";

constexpr std::string_view kLayoutSteps[] = {kImportsAndRows};
static_assert(std::size(kLayoutSteps) == kPostalDatabaseVersion);

constexpr struct {
  int primary;
  PostalDatabaseProblem problem;
} kProblems[] = {
    {SQLITE_FULL, PostalDatabaseProblem::kDiskFull},
    {SQLITE_BUSY, PostalDatabaseProblem::kBusy},
    {SQLITE_LOCKED, PostalDatabaseProblem::kBusy},  // a lock of the same process
    {SQLITE_CORRUPT, PostalDatabaseProblem::kDamaged},
    {SQLITE_NOTADB, PostalDatabaseProblem::kDamaged},
    {SQLITE_READONLY, PostalDatabaseProblem::kNotPermitted},
    {SQLITE_PERM, PostalDatabaseProblem::kNotPermitted},
    {SQLITE_CANTOPEN, PostalDatabaseProblem::kNotPermitted},
    {SQLITE_AUTH, PostalDatabaseProblem::kNotPermitted},
    {SQLITE_IOERR, PostalDatabaseProblem::kIo},
};

constexpr struct {
  PostalDatabaseProblem problem;
  std::string_view text;
} kTexts[] = {
    {PostalDatabaseProblem::kDiskFull, kDiskFull},
    {PostalDatabaseProblem::kBusy, kBusy},
    {PostalDatabaseProblem::kDamaged, kDamaged},
    {PostalDatabaseProblem::kNotPermitted, kNotPermitted},
    {PostalDatabaseProblem::kNewerVersion, kNewerVersion},
    {PostalDatabaseProblem::kIo, kIo},
    {PostalDatabaseProblem::kOther, kOther},
};

std::string_view ProblemText(PostalDatabaseProblem problem) {
  for (const auto& row : kTexts) {
    if (row.problem == problem) return row.text;
  }
  return kOther;
}

// Opens `file` and brings its layout up to date. With `whole`, every page
// is checked; otherwise the header and the list of imports only, which is
// all a load from the compiled cache reads.
store::Database OpenChecked(const std::filesystem::path& file, store::Database::Mode mode,
                            bool whole) {
  store::Database db(file, mode);
  db.SetBusyTimeout(PostalDatabase::kBusyTimeout);
  // A layout of a later program is left as it is, its WAL setting
  // included; reading the header is where a file that is no database fails.
  if (const int version = store::LayoutVersion(db); version > kPostalDatabaseVersion) {
    throw store::NewerLayoutError(version, kPostalDatabaseVersion);
  }
  store::UseWriteAheadLog(db);
  if (whole) store::CheckPages(db);
  store::MigrateLayout(db, kLayoutSteps);
  if (!whole) {
    const std::string check = db.QueryText("PRAGMA quick_check(imports)");
    if (check != "ok") throw store::SqliteError(SQLITE_CORRUPT, "quick_check: " + check);
  }
  return db;
}

}  // namespace

PostalDatabaseProblem PostalProblemOf(int sqliteCode) {
  for (const auto& row : kProblems) {
    if (row.primary == (sqliteCode & 0xFF)) return row.problem;
  }
  return PostalDatabaseProblem::kOther;
}

PostalDatabaseError::PostalDatabaseError(const std::filesystem::path& file,
                                         PostalDatabaseProblem problem, std::string detail)
    : UserMessageError(settings::PathText(file) + ": " + std::string(ProblemText(problem))),
      problem_(problem),
      detail_(std::move(detail)) {}

PostalDatabaseError::PostalDatabaseError(const std::filesystem::path& file,
                                         const store::SqliteError& error)
    : PostalDatabaseError(file, PostalProblemOf(error.code()), error.what()) {}

std::string SetAsideNotice(const std::filesystem::path& aside) {
  return std::string(kSetAside) + settings::PathText(aside) + std::string(kKeptAside);
}

PostalDatabase::PostalDatabase(std::filesystem::path file) : file_(std::move(file)) {}

store::Database* PostalDatabase::ForReading() {
  return Open(store::Database::Mode::kExisting, /*whole=*/false);
}

void PostalDatabase::CheckWhole() {
  if (!db_ || checkedWhole_) return;
  store::CheckPages(*db_);
  checkedWhole_ = true;
}

store::Database& PostalDatabase::ForWriting() {
  try {
    CheckWhole();
  } catch (const store::SqliteError& error) {
    const PostalDatabaseError failure = Failure(error);
    // Set aside: a new one is started below.
    std::error_code ignored;
    if (!store::IsDamage(error) || std::filesystem::exists(file_, ignored)) throw failure;
  }
  return *Open(store::Database::Mode::kCreate, /*whole=*/true);
}

std::optional<std::filesystem::path> PostalDatabase::TakeSetAside() {
  return std::exchange(setAside_, std::nullopt);
}

PostalDatabaseError PostalDatabase::Failure(const store::SqliteError& error) {
  if (store::IsDamage(error)) {
    db_.reset();
    checkedWhole_ = false;
    try {
      setAside_ = store::SetAsideDamagedDatabase(file_, store::LocalToday());
    } catch (const std::filesystem::filesystem_error& notMoved) {
      return {file_, PostalDatabaseProblem::kDamaged, notMoved.what()};
    }
  }
  return {file_, error};
}

store::Database* PostalDatabase::Open(store::Database::Mode mode, bool whole) {
  if (db_) return &*db_;
  std::error_code ignored;
  if (mode == store::Database::Mode::kExisting && !std::filesystem::exists(file_, ignored)) {
    return nullptr;
  }
  try {
    try {
      db_.emplace(OpenChecked(file_, mode, whole));
    } catch (const store::SqliteError& error) {
      const PostalDatabaseError failure = Failure(error);
      if (!store::IsDamage(error) || db_ || std::filesystem::exists(file_, ignored)) throw failure;
      if (mode == store::Database::Mode::kExisting) return nullptr;
      db_.emplace(OpenChecked(file_, mode, whole));
    }
  } catch (const store::SqliteError& again) {
    throw PostalDatabaseError(file_, again);
  } catch (const store::NewerLayoutError& newer) {
    throw PostalDatabaseError(file_, PostalDatabaseProblem::kNewerVersion, newer.what());
  }
  checkedWhole_ = whole;
  return &*db_;
}

}  // namespace ruvo::postal
