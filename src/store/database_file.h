#pragma once
// What every database file of the program does alike: write-ahead logging,
// its layout brought up to date by numbered steps, a check of its pages, and
// a damaged file renamed aside instead of emptied.

#include <chrono>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string_view>

#include "store/sqlite_db.h"

namespace ruvo::store {

// WAL: readers never wait for a writer, and a program killed while it
// writes leaves every transaction committed before. Commits do not wait for
// the disk: only a power cut may take the last ones back, never the file's
// consistency.
void UseWriteAheadLog(Database& db);

// The layout's version (PRAGMA user_version); 0 for a new, empty file.
int LayoutVersion(Database& db);

// The layout is of a later version than this program knows.
class NewerLayoutError : public std::runtime_error {
 public:
  NewerLayoutError(int version, int known);
  int version() const { return version_; }

 private:
  int version_;
};

// Brings `db` up to the layout of `steps` (step i makes version i + 1) in
// one write transaction, so that a second program opening the file at the
// same moment waits and then finds it done. NewerLayoutError for a layout of
// a later program; SqliteError when a step fails (nothing of it is kept).
void MigrateLayout(Database& db, std::span<const std::string_view> steps);

// Reads every page (quick_check): SqliteError SQLITE_CORRUPT naming the
// first fault of a damaged file.
void CheckPages(Database& db);

// Whether `error` says that the file is damaged or no database at all, as
// opposed to a lock, a full disk or a permission.
bool IsDamage(const SqliteError& error);

// Renames the damaged database `file` ("ruvo_postal.db"), with its
// write-ahead log, to "ruvo_postal-damaged-2026-03-15.db" beside it ("-2",
// "-3" … when that name is taken) and returns the new name; the shared
// memory index, which SQLite rebuilds, is removed. std::filesystem_error
// when it cannot be renamed: a new database must never take the place of one
// that still holds data.
std::filesystem::path SetAsideDamagedDatabase(const std::filesystem::path& file,
                                              std::chrono::year_month_day date);

// Today on the process's local clock (TZ).
std::chrono::year_month_day LocalToday();

}  // namespace ruvo::store
