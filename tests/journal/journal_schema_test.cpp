#include "journal/journal_schema.h"

#include "journal/journal_fixture.h"
#include "journal/journal_record.h"
#include "journal/journal_search.h"
#include "journal/journal_texts.h"
#include "journal/recipient_book.h"
#include "journal/search_keys.h"
#include "journal/slip_number_ledger.h"
#include "transfer/cp932_codec.h"

namespace ruvo::journal {
namespace {

using test::Sj;
using test::SlipTo;

// A slip as the first layout's program recorded it: every column of that
// layout, by name, so that a later layout's columns are left to the
// migrations.
void InsertAsFirstLayout(Database& db, std::string_view name, std::string_view printedLocal) {
  const SlipRecord slip = SlipTo(name);
  const SlipKeys keys = KeysOf(slip);
  db.Prepare(
        "INSERT INTO slips (printed_at, utc_offset, printed_local, origin, batch_file, batch_row, "
        "order_number, paper_mode, printer, printer_name, paper, paper_source, dpi_x, dpi_y, "
        "margin_top, margin_left, job_id, zip, address1, address2, address3, name, tel, goods1, "
        "goods2, goods3, quantity, slip_date, print_date, wished_month, wished_day, time_slots, "
        "print_sender, sender_zip, sender_address1, sender_address2, sender_name, sender_tel, "
        "name_key, address_key, goods_key, tel_digits, zip_digits) VALUES (1773550000, 32400, ?1, "
        "'window', '', 0, '', 0, 'Slip', 'Slip', 'A5', '', '360', '360', '0', '0', 5, "
        "'105-0011', ?2, '', '', ?3, '03-1234-5678', ?4, '', '', '1', '2026-03-14', 1, '', '', 0, "
        "1, '', '', '', '', '', ?5, ?6, ?7, ?8, ?9)")
      .BindText(1, printedLocal)
      .BindText(2, Cp932ToUtf8(slip.recipientAddress1))
      .BindText(3, std::string(name))
      .BindText(4, Cp932ToUtf8(slip.goods[0]))
      .BindText(5, keys.name)
      .BindText(6, keys.address)
      .BindText(7, keys.goods)
      .BindText(8, keys.tel)
      .BindText(9, keys.zip)
      .Run();
}

class SchemaTest : public test::JournalTest {
 protected:
  // The journal an earlier program left: its layout and two slips to one
  // recipient and one to another.
  void LeaveEarlierJournal(int version) {
    Database db(folder_ / "ruvo_journal.db", Database::Mode::kCreate);
    db.QueryText("PRAGMA journal_mode = WAL");
    MigrateJournalTo(db, version);
    InsertAsFirstLayout(db, "山田太郎", "2026-03-14 09:00:00");
    InsertAsFirstLayout(db, "山田太郎", "2026-03-14 10:00:00");
    InsertAsFirstLayout(db, "佐藤花子", "2026-03-14 11:00:00");
  }
};

TEST_F(SchemaTest, EmptyFolderGetsTheWholeLayoutWithItsFirstSlip) {
  Record(SlipTo("山田太郎"));
  Database db(folder_ / "ruvo_journal.db", Database::Mode::kExisting);
  EXPECT_EQ(JournalVersion(db), kJournalVersion);
  EXPECT_EQ(db.QueryText("PRAGMA journal_mode"), "wal");
  EXPECT_EQ(FindSlips(journal(), test::Searching("田太郎")).slips.size(), 1u);
}

// Each earlier layout is brought up to date with its slips: found through
// the index the last step builds, their recipients in the book, numbered
// from a ledger started now; and a slip recorded then is found like them.
TEST_F(SchemaTest, EachEarlierLayoutIsBroughtUpToDateKeepingItsSlips) {
  for (int version = 1; version < kJournalVersion; ++version) {
    SCOPED_TRACE(version);
    std::filesystem::remove(folder_ / "ruvo_journal.db");
    LeaveEarlierJournal(version);
    auto opened = OpenJournal();
    ASSERT_EQ(FindSlips(*opened, test::Searching("山田太郎")).slips.size(), 2u);
    EXPECT_EQ(FindSlips(*opened, test::Searching("佐藤")).slips.size(), 1u);
    EXPECT_EQ(FindSlips(*opened, test::EverySlip()).slips.front().slipNumber, "");
    if (version == 1) {  // the book came with version 2, filled from the slips
      const std::vector<Recipient> book = FindRecipients(*opened, {});
      ASSERT_EQ(book.size(), 2u);
      EXPECT_EQ(book[0].name, Sj("佐藤花子"));
      EXPECT_EQ(book[1].uses, 2);
      EXPECT_EQ(book[1].lastUsed, "2026-03-14 10:00:00");
    }
    SetSlipNumberLedger(*opened, 0, "123456789013", SlipNumberRule::kModulus7);
    const RecordResult result =
        RecordPrintedSlips(*opened, {test::PrintedFromWindow(SlipTo("山田太郎"))});
    EXPECT_EQ(result.slipNumbers, std::vector<std::string>{"123456789013"});
    EXPECT_EQ(FindSlips(*opened, test::Searching("山田太郎")).slips.size(), 3u);
    Database db(folder_ / "ruvo_journal.db", Database::Mode::kExisting);
    EXPECT_EQ(JournalVersion(db), kJournalVersion);
  }
}

// A journal a later version laid out is neither written nor set aside.
TEST_F(SchemaTest, LaterLayoutIsLeftAlone) {
  {
    Database db(folder_ / "ruvo_journal.db", Database::Mode::kCreate);
    db.Execute("PRAGMA user_version = " + std::to_string(kJournalVersion + 1));
  }
  const std::string before = test::FileBytes(folder_ / "ruvo_journal.db");
  const RecordResult result =
      RecordPrintedSlips(journal(), {test::PrintedFromWindow(SlipTo("山田"))});
  EXPECT_EQ(result.problem, JournalProblem::kNewerVersion);
  EXPECT_NE(result.reason.find(text::kNewerVersion), std::string::npos);
  EXPECT_FALSE(result.setAside);
  EXPECT_TRUE(test::FileBytes(folder_ / "ruvo_journal.db") == before);
  EXPECT_EQ(test::EntryCount(folder_.path()), 1u);
}

}  // namespace
}  // namespace ruvo::journal
