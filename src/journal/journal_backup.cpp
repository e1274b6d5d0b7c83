#include "journal/journal_backup.h"

#include <unistd.h>

#include <algorithm>
#include <regex>
#include <vector>

#include "settings/file_errors.h"
#include "settings/temporary_files.h"

namespace ruvo::journal {
namespace {

// "ruvo_journal-2026-03-15.db": sorted by name, the newest is last.
const std::regex& DailyBackupName() {
  static const std::regex name(R"(ruvo_journal-\d{4}-\d{2}-\d{2}\.db)");
  return name;
}

std::vector<std::filesystem::path> DailyBackups(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> backups;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (std::regex_match(entry.path().filename().string(), DailyBackupName()))
      backups.push_back(entry.path());
  }
  std::sort(backups.begin(), backups.end());
  return backups;
}

void RemoveAllButNewest(const std::filesystem::path& folder, std::size_t kept) {
  std::vector<std::filesystem::path> backups = DailyBackups(folder);
  std::error_code ignored;  // one that cannot be removed goes the next day
  for (std::size_t i = 0; i + kept < backups.size(); ++i)
    std::filesystem::remove(backups[i], ignored);
}

void RenameOver(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code error;
  std::filesystem::rename(from, to, error);
  if (!error) return;
  std::filesystem::remove(from, error);
  throw settings::FileWriteError(to, error.value() != 0 ? error.value() : EIO);
}

}  // namespace

bool BackupJournal(Journal& journal, const std::filesystem::path& target) {
  static unsigned count = 0;
  const std::filesystem::path folder =
      target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
  const std::filesystem::path temporary =
      folder / settings::TemporaryNameFor(target.filename().string(), ::getpid(), ++count,
                                          settings::LongestNameIn(folder));
  bool copied = false;
  try {
    journal.Guarded([&] {
      Database* db = journal.ForReading();
      if (db == nullptr) return;
      try {
        db->BackupTo(temporary);
      } catch (const SqliteError& error) {
        // The copy's side: the journal's own failures stay JournalErrors.
        const JournalProblem problem = ProblemOf(error.code());
        if (problem == JournalProblem::kDamaged || problem == JournalProblem::kBusy) throw;
        throw settings::FileWriteError(target, error.what());
      }
      copied = true;
    });
  } catch (...) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    throw;
  }
  if (copied) RenameOver(temporary, target);
  return copied;
}

std::optional<std::filesystem::path> KeepDailyBackup(Journal& journal) {
  const std::filesystem::path folder = journal.Folder() / kBackupFolderName;
  const std::filesystem::path today =
      folder / ("ruvo_journal-" + DateText(journal.Now().Date()) + ".db");
  std::error_code error;
  if (std::filesystem::exists(today, error)) return std::nullopt;
  if (journal.ForReading() == nullptr) return std::nullopt;
  std::filesystem::create_directory(folder, error);
  if (error) throw settings::FileWriteError(folder, error.value());
  if (!BackupJournal(journal, today)) return std::nullopt;
  RemoveAllButNewest(folder, kKeptDailyBackups);
  return today;
}

}  // namespace ruvo::journal
