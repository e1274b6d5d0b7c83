#pragma once
// Copies of the journal: one the user asks for, and the one the window
// keeps each day. Each is taken with SQLite's online backup, a consistent
// copy while the window and ruvo-slip go on recording, written under a
// temporary name beside its target and renamed over it, so that a failed
// copy never leaves a half-written file in the place of a good one.

#include <filesystem>
#include <optional>
#include <string_view>

#include "journal/journal.h"

namespace ruvo::journal {

// The folder in the working folder that holds the daily copies, and how
// many of them are kept.
inline constexpr std::string_view kBackupFolderName = "ruvo_journal_backup";
inline constexpr int kKeptDailyBackups = 7;

// Copies the journal to `target` (a new file, or one replaced whole).
// False, writing nothing, when the folder has no journal yet. JournalError
// when the journal cannot be read, settings::FileWriteError when the copy
// cannot be written.
bool BackupJournal(Journal& journal, const std::filesystem::path& target);

// Once a day: copies the journal to
// "ruvo_journal_backup/ruvo_journal-2026-03-15.db" (the journal's date)
// unless that day's copy is there, then removes all but the newest
// kKeptDailyBackups of those copies. The copy written, or nothing (today's
// was there, or there is no journal). Errors as BackupJournal.
std::optional<std::filesystem::path> KeepDailyBackup(Journal& journal);

}  // namespace ruvo::journal
