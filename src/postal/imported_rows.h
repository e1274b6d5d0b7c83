#pragma once
// What the postal database (postal_database.h) holds: the imports, and the
// rows of each, written by an import and read back as the directory's
// entries.
//
// An import takes the place of the rows of its kind in the prefectures it
// holds: KEN_ALL.CSV of all the areas imported before, 13TOKYO.CSV of
// Tokyo's only. An import whose rows have all been taken over is dropped.
// The areas and the offices are imported apart; together, and with the
// dictionary for what neither holds, they make the folder's directory.

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

#include "postal/japan_post_files.h"
#include "postal/postal_directory.h"
#include "store/sqlite_db.h"

namespace ruvo::postal {

struct ImportedFile {
  JapanPostFileKind kind = JapanPostFileKind::Areas;
  std::string name;  // the file's name, bytes as the file system holds them
  std::uintmax_t size = 0;
  std::int64_t modified = 0;    // seconds since 1970-01-01 UTC
  std::string sha256;           // 64 lower-case hex digits
  std::int64_t importedAt = 0;  // seconds since 1970-01-01 UTC
  std::size_t rows = 0;         // kept from the file
  std::size_t entries = 0;      // of the directory, from those rows
  std::size_t prefectures = 0;  // that the file holds
  bool operator==(const ImportedFile&) const = default;
};

// The imports whose rows are in use, oldest first.
std::vector<ImportedFile> ImportedFiles(store::Database& db);

// What the directory compiled from the database depends on: a line for
// each import in use, "<id> <kind> <sha256> <imported_at>", and one for the
// old index's entries; empty when nothing is imported. Every import and
// every forgetting changes it.
std::string ImportStamp(store::Database& db);

// One import, written in one write transaction: nothing of it is seen, and
// the rows it takes the place of stay, until Commit.
class ImportWriter {
 public:
  // `file` says what is imported (its `rows` are counted here);
  // `prefectures` are those the file holds, 1 + index in PrefectureNames().
  ImportWriter(store::Database& db, const ImportedFile& file, const std::bitset<256>& prefectures);
  // A row of the file as ForEachJapanPostRow passed it on, in the file's
  // order.
  void Add(const JapanPostRowFields& fields);
  void Commit();

 private:
  store::Database& db_;
  store::WriteTransaction transaction_;
  JapanPostFileKind kind_;
  std::size_t columns_;
  store::Statement insert_;
  std::int64_t id_ = 0;
  std::int64_t rows_ = 0;
};

// "ruvo_zipcode.idx", where the program before kept the directory of its
// imports (and of the dictionary then).
struct OldIndexFile {
  std::string name;  // bytes as the file system holds them
  std::uintmax_t size = 0;
  std::int64_t modified = 0;  // seconds since 1970-01-01 UTC
  std::int64_t movedAt = 0;   // seconds since 1970-01-01 UTC
};

// Whether an old index has been moved in, forgotten since or not.
bool HasOldIndex(store::Database& db);

// Moves the entries of the old index `file` into the database in one write
// transaction, unless one was moved in before (by another program at the
// same moment too): false then.
bool MoveOldIndexIn(store::Database& db, const OldIndexFile& file,
                    const PostalDirectory& directory);

struct ImportedEntries {
  std::vector<DirectoryEntry> entries;  // each import's in turn, oldest first
  // The old index's, which stand in for the dictionary; empty for none.
  std::vector<DirectoryEntry> oldIndex;
  // The prefectures imported, by kind (index: JapanPostFileKind).
  std::array<std::bitset<256>, 2> covered;
};

// The entries of every import in use.
ImportedEntries ReadImportedEntries(store::Database& db);

// Drops every import and the old index's entries (it is not moved in
// again); the names of the files dropped, oldest first.
std::vector<std::string> ForgetImports(store::Database& db);

}  // namespace ruvo::postal
