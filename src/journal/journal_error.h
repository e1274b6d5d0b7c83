#pragma once
// A journal that cannot be used, with its reason in Japanese for the user.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "journal/sqlite_db.h"
#include "transfer/user_message_error.h"

namespace ruvo::journal {

enum class JournalProblem {
  kDiskFull,
  kBusy,          // another program held the journal past the busy timeout
  kDamaged,       // the file is no database, or a page of it is broken
  kNotPermitted,  // the file or its folder cannot be opened or written
  kNewerVersion,  // a later version of the program laid the file out
  kIo,            // the system failed a read or write
  kOther,
};

// The problem behind an SQLite result code.
JournalProblem ProblemOf(int sqliteCode);
// The user's words for it (CP932): "ディスクの空きがありません".
std::string_view ProblemText(JournalProblem problem);

// what(): the file and the problem in Japanese, CP932, as the user is told
// ("/w/ruvo_journal.db: ディスクの空きがありません"); detail(): SQLite's own
// words for whoever looks into it ("database or disk is full"). The window
// shows what() as it stands.
class JournalError : public UserMessageError {
 public:
  JournalError(const std::filesystem::path& file, JournalProblem problem, std::string detail);
  JournalError(const std::filesystem::path& file, const SqliteError& error);
  JournalProblem problem() const { return problem_; }
  const std::string& detail() const { return detail_; }

 private:
  JournalProblem problem_;
  std::string detail_;
};

}  // namespace ruvo::journal
