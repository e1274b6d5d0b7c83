#include "postal/postal_import.h"

#include <nettle/sha2.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <system_error>

#include "postal/imported_rows.h"
#include "postal/postal_database.h"
#include "settings/file_errors.h"
#include "settings/file_store.h"

namespace ruvo::postal {
namespace {

// "毎月の差分のファイル（ADD_・DEL_）は取り込めません。全件の KEN_ALL.CSV か
// JIGYOSYO.CSV を使ってください。"
constexpr std::string_view kMonthlyChanges =
    "\x96\x88\x8C\x8E\x82\xCC\x8D\xB7\x95\xAA\x82\xCC\x83\x74\x83\x40\x83\x43\x83\x8B\x81\x69"
    "ADD_\x81\x45"
    "DEL_\x81\x6A\x82\xCD\x8E\xE6\x82\xE8\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1\x81\x42\x91\x53"
    "\x8C\x8F\x82\xCC KEN_ALL.CSV \x82\xA9 JIGYOSYO.CSV \x82\xF0\x8E\x67\x82\xC1\x82\xC4\x82\xAD"
    "\x82\xBE\x82\xB3\x82\xA2\x81\x42";

// The names of Japan Post's monthly files of changes: ADD_2405.CSV,
// DEL_2405.CSV for the areas, JADD2405.CSV, JDEL2405.CSV for the offices.
constexpr std::string_view kMonthlyPrefixes[] = {"ADD_", "DEL_", "JADD", "JDEL"};

bool IsMonthlyChanges(const std::filesystem::path& file) {
  std::string name = file.filename().string();
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return std::any_of(std::begin(kMonthlyPrefixes), std::end(kMonthlyPrefixes),
                     [&](std::string_view prefix) { return name.starts_with(prefix); });
}

std::string Sha256Hex(std::string_view bytes) {
  sha256_ctx context;
  sha256_init(&context);
  sha256_update(&context, bytes.size(), reinterpret_cast<const std::uint8_t*>(bytes.data()));
  std::uint8_t digest[SHA256_DIGEST_SIZE];
  sha256_digest(&context, sizeof digest, digest);
  constexpr char kHex[] = "0123456789abcdef";
  std::string hex;
  for (const std::uint8_t byte : digest) {
    hex += kHex[byte >> 4];
    hex += kHex[byte & 0xF];
  }
  return hex;
}

std::int64_t SecondsSinceEpoch(std::chrono::system_clock::time_point when) {
  return std::chrono::duration_cast<std::chrono::seconds>(when.time_since_epoch()).count();
}

// What is imported, before its rows are written.
ImportedFile Described(const std::filesystem::path& file, std::string_view bytes,
                       const JapanPostFile& read) {
  ImportedFile described;
  described.kind = read.kind;
  described.name = file.filename().string();
  described.size = bytes.size();
  std::error_code error;
  const auto modified = std::filesystem::last_write_time(file, error);
  if (!error) {
    described.modified = SecondsSinceEpoch(std::chrono::file_clock::to_sys(modified));
  }
  described.sha256 = Sha256Hex(bytes);
  described.importedAt = SecondsSinceEpoch(std::chrono::system_clock::now());
  described.entries = read.entries.size();
  described.prefectures = read.prefectures.count();
  return described;
}

// After a large import the log holds the whole file: it is folded into the
// database and emptied, unless a reader still needs it (then SQLite does
// it later).
void FoldLog(store::Database& db) {
  try {
    db.QueryText("PRAGMA wal_checkpoint(TRUNCATE)");
  } catch (const store::SqliteError&) {
    // Left to SQLite's own checkpoints.
  }
}

}  // namespace

PostalImport ImportJapanPostFile(const std::filesystem::path& file,
                                 const std::filesystem::path& folder, const PostalSource& source) {
  const std::string name = settings::PathText(file.filename());
  if (IsMonthlyChanges(file)) throw JapanPostFileError(name + ": " + std::string(kMonthlyChanges));
  const std::string bytes = settings::ReadWholeFile(file, kMaxJapanPostFileBytes);
  // Read whole before anything is written: a file that is none of Japan
  // Post's leaves the folder as it was.
  const JapanPostFile read = ReadJapanPostFile(bytes, name);

  PostalDatabase database(folder / kPostalDatabaseName);
  database.Guarded([&] {
    store::Database& db = database.ForWriting();
    ImportWriter writer(db, Described(file, bytes, read), read.prefectures);
    std::size_t skipped = 0;
    ForEachJapanPostRow(
        bytes, name, [&](const JapanPostRowFields& fields) { writer.Add(fields); }, skipped);
    writer.Commit();
    FoldLog(db);
  });
  std::error_code ignored;
  std::filesystem::remove(folder / kOldImportedIndexName, ignored);

  PostalImport imported;
  imported.kind = read.kind;
  imported.entries = read.entries.size();
  imported.prefectures = read.prefectures.count();
  imported.index = database.File();
  if (const std::optional<std::filesystem::path> aside = database.TakeSetAside()) {
    imported.notice = SetAsideNotice(*aside);
  }
  PostalSource withImport = source;
  withImport.database = database.File();
  withImport.oldIndex.clear();
  imported.directory = LoadPostalDirectory(withImport).directory;
  return imported;
}

ForgottenImports ForgetJapanPostImports(const std::filesystem::path& folder) {
  ForgottenImports forgotten;
  PostalDatabase database(folder / kPostalDatabaseName);
  forgotten.database = database.File();
  std::error_code error;
  if (std::filesystem::exists(database.File(), error)) {
    forgotten.files = database.Guarded([&] {
      store::Database& db = database.ForWriting();
      std::vector<std::string> files = ForgetImports(db);
      try {
        // The space of the rows goes back to the disk.
        db.Execute("VACUUM");
      } catch (const store::SqliteError&) {
        // Forgotten all the same; the next import takes the space again.
      }
      FoldLog(db);
      return files;
    });
  }
  if (std::filesystem::remove(folder / kOldImportedIndexName, error)) {
    forgotten.files.emplace_back(kOldImportedIndexName);
  }
  return forgotten;
}

}  // namespace ruvo::postal
