#include "journal/journal.h"

#include <sqlite3.h>

#include <system_error>
#include <utility>

#include "journal/journal_schema.h"

namespace ruvo::journal {
namespace {

// The files SQLite keeps beside a database in WAL mode.
std::filesystem::path Beside(const std::filesystem::path& file, std::string_view suffix) {
  return std::filesystem::path(file.native() + std::string(suffix));
}

// Opens `file`, checks it and brings its layout up to date. SqliteError for
// a file that is no database or is damaged (SQLITE_NOTADB, SQLITE_CORRUPT),
// or that cannot be opened or written.
Database OpenChecked(const std::filesystem::path& file, Database::Mode mode,
                     const JournalOptions& options) {
  Database db(file, mode);
  db.SetBusyTimeout(options.busyTimeout);
  // A layout of a later program is left as it is, its WAL setting included;
  // the first read of the file's header is where a file that is no
  // database fails.
  if (const int version = JournalVersion(db); version > kJournalVersion)
    throw NewerJournalError(version);
  // WAL: readers never wait for a writer, and a program killed while it
  // writes leaves every transaction committed before.
  db.QueryText("PRAGMA journal_mode = WAL");
  // In WAL mode a commit is safe from a crashed program without waiting
  // for the disk; only a power cut may take the last slips back, never the
  // file's consistency.
  db.Execute("PRAGMA synchronous = NORMAL");
  const std::string check = db.QueryText("PRAGMA quick_check(1)");
  if (check != "ok") throw SqliteError(SQLITE_CORRUPT, "quick_check: " + check);
  MigrateJournal(db);
  return db;
}

std::string AsideName(std::chrono::year_month_day date, int attempt) {
  std::string name = "ruvo_journal-damaged-" + DateText(date);
  if (attempt > 1) name += "-" + std::to_string(attempt);
  return name + ".db";
}

}  // namespace

Journal::Journal(std::filesystem::path folder, JournalClock clock, JournalOptions options)
    : folder_(std::move(folder)),
      file_(folder_ / kJournalFileName),
      clock_(std::move(clock)),
      options_(options) {}

LocalTime Journal::Now() const {
  return ToLocalTime(clock_());
}

Database* Journal::ForReading() {
  return Open(Database::Mode::kExisting);
}

Database& Journal::ForWriting() {
  return *Open(Database::Mode::kCreate);
}

void Journal::Close(bool damaged) {
  db_.reset();
  damaged_ = damaged_ || damaged;
}

JournalError Journal::Failure(const SqliteError& error) {
  if (ProblemOf(error.code()) == JournalProblem::kDamaged) Close(/*damaged=*/true);
  return JournalError(file_, error);
}

std::optional<std::filesystem::path> Journal::TakeSetAside() {
  return std::exchange(setAside_, std::nullopt);
}

Database* Journal::Open(Database::Mode mode) {
  if (db_) return &*db_;
  std::error_code ignored;
  const bool exists = std::filesystem::exists(file_, ignored);
  if (!exists && mode == Database::Mode::kExisting) return nullptr;
  try {
    if (damaged_ && exists) throw SqliteError(SQLITE_CORRUPT, "a damaged page was met");
    db_.emplace(OpenChecked(file_, mode, options_));
  } catch (const SqliteError& error) {
    if (ProblemOf(error.code()) != JournalProblem::kDamaged) throw JournalError(file_, error);
    setAside_ = SetAsideDamagedJournal(file_, Now().Date());
    damaged_ = false;
    if (mode == Database::Mode::kExisting) return nullptr;
    try {
      db_.emplace(OpenChecked(file_, mode, options_));
    } catch (const SqliteError& again) {
      throw JournalError(file_, again);
    }
  } catch (const NewerJournalError& error) {
    throw JournalError(file_, JournalProblem::kNewerVersion, error.what());
  }
  return &*db_;
}

std::filesystem::path SetAsideDamagedJournal(const std::filesystem::path& file,
                                             std::chrono::year_month_day date) {
  std::error_code error;
  std::filesystem::path aside;
  for (int attempt = 1;; ++attempt) {
    aside = file.parent_path() / AsideName(date, attempt);
    if (!std::filesystem::exists(aside, error) && !error) break;
  }
  std::filesystem::rename(file, aside, error);
  if (error) throw JournalError(file, JournalProblem::kDamaged, error.message());
  // The log may hold slips committed since the last checkpoint: it goes
  // along, under the name SQLite looks for beside the set-aside file.
  std::filesystem::rename(Beside(file, "-wal"), Beside(aside, "-wal"), error);
  std::filesystem::remove(Beside(file, "-shm"), error);
  return aside;
}

}  // namespace ruvo::journal
