#include "journal/journal_error.h"

#include <sqlite3.h>

#include "journal/journal_texts.h"
#include "settings/file_errors.h"

namespace ruvo::journal {
namespace {

constexpr struct {
  int primary;
  JournalProblem problem;
} kProblems[] = {
    {SQLITE_FULL, JournalProblem::kDiskFull},
    {SQLITE_BUSY, JournalProblem::kBusy},
    {SQLITE_LOCKED, JournalProblem::kBusy},  // a lock of the same process
    {SQLITE_CORRUPT, JournalProblem::kDamaged},
    {SQLITE_NOTADB, JournalProblem::kDamaged},
    {SQLITE_READONLY, JournalProblem::kNotPermitted},
    {SQLITE_PERM, JournalProblem::kNotPermitted},
    {SQLITE_CANTOPEN, JournalProblem::kNotPermitted},
    {SQLITE_AUTH, JournalProblem::kNotPermitted},
    {SQLITE_IOERR, JournalProblem::kIo},
};

constexpr struct {
  JournalProblem problem;
  std::string_view text;
} kTexts[] = {
    {JournalProblem::kDiskFull, text::kDiskFull},
    {JournalProblem::kBusy, text::kBusy},
    {JournalProblem::kDamaged, text::kDamaged},
    {JournalProblem::kNotPermitted, text::kNotPermitted},
    {JournalProblem::kNewerVersion, text::kNewerVersion},
    {JournalProblem::kIo, text::kIo},
    {JournalProblem::kOther, text::kOther},
};

}  // namespace

JournalProblem ProblemOf(int sqliteCode) {
  for (const auto& row : kProblems) {
    if (row.primary == (sqliteCode & 0xFF)) return row.problem;
  }
  return JournalProblem::kOther;
}

std::string_view ProblemText(JournalProblem problem) {
  for (const auto& row : kTexts) {
    if (row.problem == problem) return row.text;
  }
  return text::kOther;
}

JournalError::JournalError(const std::filesystem::path& file, JournalProblem problem,
                           std::string detail)
    : UserMessageError(settings::PathText(file) + ": " + std::string(ProblemText(problem))),
      problem_(problem),
      detail_(std::move(detail)) {}

JournalError::JournalError(const std::filesystem::path& file, const SqliteError& error)
    : JournalError(file, ProblemOf(error.code()), error.what()) {}

}  // namespace ruvo::journal
