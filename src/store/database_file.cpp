#include "store/database_file.h"

#include <sqlite3.h>

#include <cstdio>
#include <ctime>
#include <string>
#include <system_error>

namespace ruvo::store {
namespace {

// The files SQLite keeps beside a database in WAL mode.
std::filesystem::path Beside(const std::filesystem::path& file, std::string_view suffix) {
  return std::filesystem::path(file.native() + std::string(suffix));
}

std::string AsideName(const std::filesystem::path& file, std::chrono::year_month_day date,
                      int attempt) {
  char day[16];
  std::snprintf(day, sizeof day, "%04d-%02u-%02u", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  std::string name = file.stem().string() + "-damaged-" + day;
  if (attempt > 1) name += "-" + std::to_string(attempt);
  return name + file.extension().string();
}

}  // namespace

void UseWriteAheadLog(Database& db) {
  db.QueryText("PRAGMA journal_mode = WAL");
  db.Execute("PRAGMA synchronous = NORMAL");
}

int LayoutVersion(Database& db) {
  return static_cast<int>(db.QueryInt("PRAGMA user_version"));
}

NewerLayoutError::NewerLayoutError(int version, int known)
    : std::runtime_error("the database has layout version " + std::to_string(version) +
                         "; this program knows versions up to " + std::to_string(known)),
      version_(version) {}

void MigrateLayout(Database& db, std::span<const std::string_view> steps) {
  const int known = static_cast<int>(steps.size());
  if (const int found = LayoutVersion(db); found >= known) {
    if (found > known) throw NewerLayoutError(found, known);
    return;
  }
  WriteTransaction transaction(db);
  // Read again under the write lock: another program may have done it.
  const int current = LayoutVersion(db);
  if (current > known) throw NewerLayoutError(current, known);
  for (int step = current; step < known; ++step)
    db.Execute(steps[static_cast<std::size_t>(step)]);
  if (current < known) db.Execute("PRAGMA user_version = " + std::to_string(known));
  transaction.Commit();
}

void CheckPages(Database& db) {
  const std::string check = db.QueryText("PRAGMA quick_check(1)");
  if (check != "ok") throw SqliteError(SQLITE_CORRUPT, "quick_check: " + check);
}

bool IsDamage(const SqliteError& error) {
  return error.primary() == SQLITE_CORRUPT || error.primary() == SQLITE_NOTADB;
}

std::filesystem::path SetAsideDamagedDatabase(const std::filesystem::path& file,
                                              std::chrono::year_month_day date) {
  std::error_code error;
  std::filesystem::path aside;
  for (int attempt = 1;; ++attempt) {
    aside = file.parent_path() / AsideName(file, date, attempt);
    // A name that cannot be looked at is tried as it is: the rename says why.
    if (!std::filesystem::exists(aside, error) || error) break;
  }
  std::filesystem::rename(file, aside);
  // The log may hold transactions committed since the last checkpoint: it
  // goes along, under the name SQLite looks for beside the set-aside file.
  std::filesystem::rename(Beside(file, "-wal"), Beside(aside, "-wal"), error);
  std::filesystem::remove(Beside(file, "-shm"), error);
  return aside;
}

std::chrono::year_month_day LocalToday() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  return std::chrono::year_month_day{std::chrono::year{local.tm_year + 1900},
                                     std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
                                     std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
}

}  // namespace ruvo::store
