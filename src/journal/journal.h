#pragma once
// The shipment journal of a working folder: "ruvo_journal.db", an SQLite
// database that the window, a batch and ruvo-slip all record their printed
// slips to, and read back to find, reprint and fill in recipients.
//
// A folder without a journal works as before: nothing creates the file but
// the first slip recorded. The window and ruvo-slip may write at the same
// moment: the file is in WAL mode (readers never wait for a writer) and a
// write waits up to the busy timeout for another's. Each open checks the
// file (quick_check) and brings its layout up to date; a damaged journal is
// renamed aside with the date ("ruvo_journal-damaged-2026-03-15.db") and a
// new one started, never emptied.
//
// One object per thread; it opens the file at first use and keeps it open.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string_view>

#include "journal/journal_error.h"
#include "journal/journal_time.h"
#include "journal/sqlite_db.h"

namespace ruvo::journal {

inline constexpr std::string_view kJournalFileName = "ruvo_journal.db";

struct JournalOptions {
  // How long a write waits for another program's before it gives up: long
  // enough for any slip or batch another program records, short enough that
  // a journal held by a hung program does not hold the window for long.
  std::chrono::milliseconds busyTimeout{5000};
};

class Journal {
 public:
  explicit Journal(std::filesystem::path folder, JournalClock clock = SystemNow,
                   JournalOptions options = {});
  Journal(const Journal&) = delete;
  Journal& operator=(const Journal&) = delete;

  const std::filesystem::path& Folder() const { return folder_; }
  const std::filesystem::path& File() const { return file_; }
  // The clock's time on the local wall clock.
  LocalTime Now() const;

  // The journal to read from, opened and checked; nullptr while the folder
  // has none (nothing is created). JournalError when it cannot be used.
  Database* ForReading();
  // The journal to write to, created with its layout when the folder has
  // none. JournalError when it cannot be used.
  Database& ForWriting();
  // Closes the file; the next use opens and checks it again. After a
  // statement met a damaged page (`damaged`), that open sets the file aside
  // without asking quick_check, which reads only the pages it must.
  void Close(bool damaged = false);

  // Where a damaged journal was moved when it was opened; told once.
  std::optional<std::filesystem::path> TakeSetAside();

  // Runs `use` (which works on ForReading or ForWriting), turning SQLite's
  // failures into JournalError; a damaged page met on the way closes the
  // journal so that its next use sets it aside.
  template <typename Use>
  decltype(auto) Guarded(Use&& use) {
    try {
      return use();
    } catch (const SqliteError& error) {
      throw Failure(error);
    }
  }
  // The JournalError of `error`, the journal closed when it is damaged.
  JournalError Failure(const SqliteError& error);

 private:
  Database* Open(Database::Mode mode);

  std::filesystem::path folder_;
  std::filesystem::path file_;
  JournalClock clock_;
  JournalOptions options_;
  std::optional<Database> db_;
  bool damaged_ = false;
  std::optional<std::filesystem::path> setAside_;
};

// Renames the damaged journal `file`, with its write-ahead log, to
// "ruvo_journal-damaged-<date>.db" beside it ("-2", "-3" … when that name is
// taken) and returns the new name; the shared-memory index, which SQLite
// rebuilds, is removed. JournalError when it cannot be renamed: a new
// journal must never replace one that still holds slips.
std::filesystem::path SetAsideDamagedJournal(const std::filesystem::path& file,
                                             std::chrono::year_month_day date);

}  // namespace ruvo::journal
