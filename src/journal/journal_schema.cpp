#include "journal/journal_schema.h"

#include <string>

namespace ruvo::journal {
namespace {

// The printed slips. Texts are UTF-8; the *_key and *_digits columns are
// the slip's search forms (search_keys.h), kept beside it so that finding
// and comparing never converts a row. printed_local is the wall clock of
// the print ("2026-03-15 14:05:07"), which sorts and compares as text.
constexpr std::string_view kSlips = R"sql(
CREATE TABLE slips (
  id INTEGER PRIMARY KEY,
  printed_at INTEGER NOT NULL,  -- seconds since 1970-01-01 UTC
  utc_offset INTEGER NOT NULL,  -- seconds east of UTC where it was printed
  printed_local TEXT NOT NULL,
  origin TEXT NOT NULL,         -- 'window', 'batch' or 'cli'
  batch_file TEXT NOT NULL,
  batch_row INTEGER NOT NULL,
  order_number TEXT NOT NULL,
  reprint_of INTEGER,
  paper_mode INTEGER NOT NULL,
  printer TEXT NOT NULL,        -- the print queue
  printer_name TEXT NOT NULL,
  paper TEXT NOT NULL,
  paper_source TEXT NOT NULL,
  dpi_x TEXT NOT NULL,          -- the print values as the slip was laid out with them
  dpi_y TEXT NOT NULL,
  margin_top TEXT NOT NULL,
  margin_left TEXT NOT NULL,
  job_id INTEGER NOT NULL,
  zip TEXT NOT NULL,
  address1 TEXT NOT NULL,
  address2 TEXT NOT NULL,
  address3 TEXT NOT NULL,
  name TEXT NOT NULL,
  tel TEXT NOT NULL,
  goods1 TEXT NOT NULL,
  goods2 TEXT NOT NULL,
  goods3 TEXT NOT NULL,
  quantity TEXT NOT NULL,
  slip_date TEXT NOT NULL,      -- '2026-03-15'
  print_date INTEGER NOT NULL,
  wished_month TEXT NOT NULL,
  wished_day TEXT NOT NULL,
  time_slots INTEGER NOT NULL,  -- bit 0 for 10-12 … bit 4 for 18-20
  print_sender INTEGER NOT NULL,
  sender_zip TEXT NOT NULL,
  sender_address1 TEXT NOT NULL,
  sender_address2 TEXT NOT NULL,
  sender_name TEXT NOT NULL,
  sender_tel TEXT NOT NULL,
  name_key TEXT NOT NULL,
  address_key TEXT NOT NULL,
  goods_key TEXT NOT NULL,
  tel_digits TEXT NOT NULL,
  zip_digits TEXT NOT NULL
);
CREATE INDEX slips_printed_local ON slips (printed_local);
CREATE INDEX slips_same_parcel ON slips (name_key, zip_digits, goods_key, printed_at);
CREATE INDEX slips_zip ON slips (zip_digits);
CREATE INDEX slips_order_number ON slips (order_number) WHERE order_number <> '';
CREATE TABLE journal_settings (key TEXT PRIMARY KEY, value TEXT NOT NULL) WITHOUT ROWID;
)sql";

// The recipient book: one row per recipient (name, postal code and address
// in their search forms), from the slips printed to them or added by the
// user, filled at once from the slips printed before the book existed.
constexpr std::string_view kRecipients = R"sql(
CREATE TABLE recipients (
  id INTEGER PRIMARY KEY,
  recipient_key TEXT NOT NULL UNIQUE,  -- name_key, zip_digits, address_key joined by U+001F
  name TEXT NOT NULL,
  zip TEXT NOT NULL,
  address1 TEXT NOT NULL,
  address2 TEXT NOT NULL,
  address3 TEXT NOT NULL,
  tel TEXT NOT NULL,
  name_key TEXT NOT NULL,
  address_key TEXT NOT NULL,
  tel_digits TEXT NOT NULL,
  zip_digits TEXT NOT NULL,
  last_used TEXT,                      -- printed_local of the last slip to it; NULL: none yet
  uses INTEGER NOT NULL DEFAULT 0,
  kept INTEGER NOT NULL DEFAULT 0      -- added or changed by the user: a print leaves its fields
);
CREATE INDEX recipients_last_used ON recipients (last_used);
INSERT INTO recipients (recipient_key, name, zip, address1, address2, address3, tel, name_key,
                        address_key, tel_digits, zip_digits, last_used, uses)
SELECT used.recipient_key, s.name, s.zip, s.address1, s.address2, s.address3, s.tel, s.name_key,
       s.address_key, s.tel_digits, s.zip_digits, s.printed_local, used.uses
FROM (SELECT name_key || char(31) || zip_digits || char(31) || address_key AS recipient_key,
             max(id) AS latest, count(*) AS uses
      FROM slips WHERE name_key <> '' GROUP BY recipient_key) AS used
JOIN slips AS s ON s.id = used.latest;
)sql";

// The number printed on each slip's form, taken from the paper mode's
// ledger. check_rule 'mod7': twelve digits, the last the remainder of the
// first eleven divided by 7; 'plain': counted up as they are.
constexpr std::string_view kSlipNumbers = R"sql(
ALTER TABLE slips ADD COLUMN slip_number TEXT NOT NULL DEFAULT '';
CREATE INDEX slips_slip_number ON slips (slip_number) WHERE slip_number <> '';
CREATE TABLE slip_number_ledgers (
  paper_mode INTEGER PRIMARY KEY,
  next_number TEXT NOT NULL,
  check_rule TEXT NOT NULL
);
)sql";

// Finding slips by part of a text. The search forms are copied into a
// narrow table of their own: a part too short for trigrams is looked for
// there row by row, through an eighth of the bytes of the slips. A part of
// three characters or more is found through the trigram index, which holds
// no copy of the texts but reads them from that table.
constexpr std::string_view kSearchTables = R"sql(
CREATE TABLE slip_words (
  id INTEGER PRIMARY KEY,  -- the slip's
  name_key TEXT NOT NULL,
  address_key TEXT NOT NULL,
  goods_key TEXT NOT NULL,
  tel_digits TEXT NOT NULL,
  zip_digits TEXT NOT NULL
);
INSERT INTO slip_words SELECT id, name_key, address_key, goods_key, tel_digits, zip_digits
FROM slips;
CREATE VIRTUAL TABLE slip_search USING fts5 (
  name_key, address_key, goods_key, tel_digits, zip_digits,
  content = 'slip_words', content_rowid = 'id', tokenize = 'trigram'
);
INSERT INTO slip_search (slip_search) VALUES ('rebuild');
CREATE TRIGGER slips_indexed AFTER INSERT ON slips BEGIN
  INSERT INTO slip_words (id, name_key, address_key, goods_key, tel_digits, zip_digits)
  VALUES (new.id, new.name_key, new.address_key, new.goods_key, new.tel_digits, new.zip_digits);
  INSERT INTO slip_search (rowid, name_key, address_key, goods_key, tel_digits, zip_digits)
  VALUES (new.id, new.name_key, new.address_key, new.goods_key, new.tel_digits, new.zip_digits);
END;
)sql";

constexpr std::string_view kMigrations[] = {kSlips, kRecipients, kSlipNumbers, kSearchTables};
static_assert(std::size(kMigrations) == kJournalVersion);

}  // namespace

NewerJournalError::NewerJournalError(int version)
    : std::runtime_error("the journal has layout version " + std::to_string(version) +
                         "; this program knows versions up to " + std::to_string(kJournalVersion)) {
}

int JournalVersion(Database& db) {
  return static_cast<int>(db.QueryInt("PRAGMA user_version"));
}

void MigrateJournalTo(Database& db, int version) {
  const int found = JournalVersion(db);
  if (found > kJournalVersion) throw NewerJournalError(found);
  if (found >= version) return;
  WriteTransaction transaction(db);
  // Read again under the write lock: another program may have done it.
  const int current = JournalVersion(db);
  if (current > kJournalVersion) throw NewerJournalError(current);
  for (int step = current; step < version; ++step)
    db.Execute(kMigrations[step]);
  if (current < version) db.Execute("PRAGMA user_version = " + std::to_string(version));
  transaction.Commit();
}

void MigrateJournal(Database& db) {
  MigrateJournalTo(db, kJournalVersion);
}

}  // namespace ruvo::journal
