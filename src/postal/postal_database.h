#pragma once
// The Japan Post data imported into a working folder: "ruvo_postal.db", an
// SQLite database of its own beside the shipment journal, so that the
// journal's backups do not carry 20 MB of postal codes.
//
// It keeps the rows of each imported file as Japan Post publishes them (every
// column, in the file's order; texts as the CP932 bytes the file holds) and
// what was imported: the file's name, kind, size, time of modification and
// SHA-256, and when (imported_rows.h). The directory is read from the rows
// and compiled into the user's cache folder (postal_loader.h), so that a
// later program that reads the rows better reads the same import better,
// without the user importing it again.
//
// The window and ruvo-slip may use it at the same moment: WAL mode, so that
// a reader sees the data before or after an import, whole, and never waits.
// The layout is brought up to date by numbered steps (PRAGMA user_version).
// A damaged file is renamed aside with the date
// ("ruvo_postal-damaged-2026-03-15.db") and the folder goes on without it.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "store/sqlite_db.h"
#include "transfer/user_message_error.h"

namespace ruvo::postal {

inline constexpr std::string_view kPostalDatabaseName = "ruvo_postal.db";

// 1: the imports and the rows of both kinds of file.
inline constexpr int kPostalDatabaseVersion = 1;

enum class PostalDatabaseProblem {
  kDiskFull,
  kBusy,     // another program imported past the busy timeout
  kDamaged,  // no database, or a page of it is broken, and it could not be set aside
  kNotPermitted,
  kNewerVersion,  // a later version of the program laid the file out
  kIo,
  kOther,
};

// The problem behind an SQLite result code.
PostalDatabaseProblem PostalProblemOf(int sqliteCode);

// what(): the file and the problem, a sentence in Japanese (CP932) as the
// user is told it; detail(): SQLite's own words, for whoever looks into it.
class PostalDatabaseError : public UserMessageError {
 public:
  PostalDatabaseError(const std::filesystem::path& file, PostalDatabaseProblem problem,
                      std::string detail);
  PostalDatabaseError(const std::filesystem::path& file, const store::SqliteError& error);
  PostalDatabaseProblem problem() const { return problem_; }
  const std::string& detail() const { return detail_; }

 private:
  PostalDatabaseProblem problem_;
  std::string detail_;
};

// "壊れていた郵便番号データを <aside> として残しました。…もう一度取り込んでください。"
std::string SetAsideNotice(const std::filesystem::path& aside);

// One opening of the database of a folder, closed with the object. Every
// SqliteError a use of it meets is to be turned into PostalDatabaseError
// (Guarded), which keeps a damaged file from being opened again.
class PostalDatabase {
 public:
  // How long a write waits for another program's import to end.
  static constexpr std::chrono::milliseconds kBusyTimeout{30000};

  explicit PostalDatabase(std::filesystem::path file);

  const std::filesystem::path& File() const { return file_; }

  // The database to read, its header and its list of imports checked (what
  // a load from the compiled cache reads); nullptr when the folder has none,
  // or it was damaged and has been set aside. PostalDatabaseError when it
  // cannot be used.
  store::Database* ForReading();
  // Checks every page before the rows are read, once per opening; an
  // SqliteError for a damaged file, to be met inside Guarded.
  void CheckWhole();
  // The database to import into, every page checked, created with its
  // layout when the folder has none (or it was set aside). PostalDatabaseError
  // when it cannot be used.
  store::Database& ForWriting();

  // Where a damaged database was moved; told once.
  std::optional<std::filesystem::path> TakeSetAside();

  template <typename Use>
  decltype(auto) Guarded(Use&& use) {
    try {
      return use();
    } catch (const store::SqliteError& error) {
      throw Failure(error);
    }
  }
  // The PostalDatabaseError of `error`; a damaged file is closed, and set
  // aside at its next opening.
  PostalDatabaseError Failure(const store::SqliteError& error);

 private:
  store::Database* Open(store::Database::Mode mode, bool whole);

  std::filesystem::path file_;
  std::optional<store::Database> db_;
  bool checkedWhole_ = false;
  std::optional<std::filesystem::path> setAside_;
};

}  // namespace ruvo::postal
