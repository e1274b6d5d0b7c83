#pragma once
// The journal's layout, version by version. PRAGMA user_version holds the
// number of the last migration applied; a program brings an older journal
// up to its own version when it opens it, and leaves a newer one alone.

#include "journal/sqlite_db.h"

namespace ruvo::journal {

// 1: the printed slips and the journal's settings.
// 2: the recipient book, filled from the slips printed so far.
// 3: the slip-number ledgers, and each slip's number.
// 4: the tables that find a slip by part of its name, address, goods or numbers.
inline constexpr int kJournalVersion = 4;

// The version of the layout `db` has; 0 for a new, empty file.
int JournalVersion(Database& db);

// Brings `db` to kJournalVersion in one write transaction, so that a second
// program opening the same journal at the same moment waits and then finds
// it done. SqliteError when the file is no database, is damaged, or a step
// fails (nothing of the upgrade is kept then); NewerJournalError when a
// later version of the program laid it out.
void MigrateJournal(Database& db);

// Brings `db` to `version` only, as an earlier program would have left it.
void MigrateJournalTo(Database& db, int version);

// The layout is of a later version than this program knows.
class NewerJournalError : public std::runtime_error {
 public:
  explicit NewerJournalError(int version);
};

}  // namespace ruvo::journal
