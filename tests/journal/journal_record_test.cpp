#include "journal/journal_record.h"

#include <sqlite3.h>
#include <sys/mount.h>

#include <cstring>

#include "journal/journal_fixture.h"
#include "journal/journal_search.h"
#include "journal/journal_texts.h"
#include "journal/recipient_book.h"

namespace ruvo::journal {
namespace {

using test::PrintedFromWindow;
using test::Sj;
using test::SlipTo;

class RecordTest : public test::JournalTest {};

TEST_F(RecordTest, FolderWithoutJournalReadsEmptyAndCreatesNothing) {
  EXPECT_TRUE(FindSlips(journal(), {}).slips.empty());
  EXPECT_TRUE(FindRecipients(journal(), {}).empty());
  EXPECT_EQ(SlipCount(journal()), 0);
  EXPECT_EQ(test::EntryCount(folder_.path()), 0u);
  Record(SlipTo("山田太郎"));
  EXPECT_TRUE(std::filesystem::is_regular_file(folder_ / "ruvo_journal.db"));
}

// Every value comes back as printed, a "〓" that stood for a character
// CP932 cannot hold included; the file keeps it as UTF-8.
TEST_F(RecordTest, RecordedSlipReadsBackAsPrinted) {
  PrintedSlip printed = PrintedFromWindow(SlipTo("髙橋〓子"), 417);
  printed.origin = SlipOrigin::kBatch;
  printed.batchFile = Sj("/shop/受注.csv");
  printed.batchRow = 12;
  printed.orderNumber = "R-1001";
  printed.reprintOf = 3;
  printed.slip.recipientAddress3 = Sj("ｶﾌﾞｼｷｶﾞｲｼｬ");
  printed.slip.goods = {Sj("書籍"), Sj("文具, \"特価\""), Sj("ＣＤ")};
  printed.slip.timeSlots = {true, false, false, false, true};
  printed.slip.printDate = false;
  printed.slip.printSender = false;
  const RecordResult result = RecordPrintedSlips(journal(), {printed});
  ASSERT_TRUE(result.Recorded()) << test::Utf8(result.reason);

  const std::optional<PrintedSlip> read = FindSlip(journal(), result.ids.at(0));
  ASSERT_TRUE(read);
  printed.id = result.ids[0];
  printed.printedAt = ToLocalTime(now_);
  EXPECT_EQ(read->printedAt, printed.printedAt);
  EXPECT_EQ(Iso8601Text(read->printedAt), "2026-03-15T14:05:07+09:00");
  EXPECT_EQ(read->origin, printed.origin);
  EXPECT_EQ(read->batchFile, printed.batchFile);
  EXPECT_EQ(read->batchRow, 12);
  EXPECT_EQ(read->orderNumber, "R-1001");
  EXPECT_EQ(read->reprintOf, 3);
  EXPECT_EQ(read->setup.paperSource, Sj("手差しトレイ"));
  EXPECT_EQ(read->setup.values.left, "-8");
  EXPECT_EQ(read->setup.jobId, 417);
  EXPECT_EQ(read->slip.recipientName, Sj("髙橋〓子"));
  EXPECT_EQ(read->slip.recipientAddress3, Sj("ｶﾌﾞｼｷｶﾞｲｼｬ"));
  EXPECT_EQ(read->slip.goods, printed.slip.goods);
  EXPECT_EQ(read->slip.timeSlots, printed.slip.timeSlots);
  EXPECT_FALSE(read->slip.printDate);
  EXPECT_FALSE(read->slip.printSender);
  EXPECT_EQ(read->slip.slipDate, printed.slip.slipDate);
  EXPECT_EQ(read->slip.senderName, printed.slip.senderName);

  Database raw(folder_ / "ruvo_journal.db", Database::Mode::kExisting);
  EXPECT_EQ(raw.QueryText("SELECT name FROM slips"), "髙橋〓子");
}

// One job's slips go in together: same time, ids in order.
TEST_F(RecordTest, SlipsOfOneJobAreRecordedTogetherInOrder) {
  const RecordResult result = RecordPrintedSlips(
      journal(), {PrintedFromWindow(SlipTo("一")), PrintedFromWindow(SlipTo("二")),
                  PrintedFromWindow(SlipTo("三"))});
  ASSERT_EQ(result.ids.size(), 3u);
  EXPECT_LT(result.ids[0], result.ids[1]);
  EXPECT_LT(result.ids[1], result.ids[2]);
  EXPECT_EQ(result.slipNumbers, (std::vector<std::string>{"", "", ""}));
  EXPECT_EQ(FindSlip(journal(), result.ids[2])->slip.recipientName, Sj("三"));
}

TEST_F(RecordTest, NoticeSaysWhatWasNotRecordedAndWhatWasSetAside) {
  RecordResult failed;
  failed.problem = JournalProblem::kDiskFull;
  failed.reason = Sj("/w/ruvo_journal.db: ディスクの空きがありません");
  RecordResult recorded;
  recorded.ids = {7};
  RecordResult setAside;
  setAside.ids = {7};
  setAside.setAside = "/w/ruvo_journal-damaged-2026-03-15.db";
  const struct {
    const char* name;
    const RecordResult& result;
    std::size_t count;
    std::string notice;  // UTF-8
  } cases[] = {
      {"recorded", recorded, 1, ""},
      {"one slip", failed, 1,
       "この送り状は履歴に記録されませんでした(/w/ruvo_journal.db: "
       "ディスクの空きがありません)。"},
      {"a batch", failed, 12,
       "この 12 枚の送り状は履歴に記録されませんでした(/w/ruvo_journal.db: "
       "ディスクの空きがありません)。"},
      {"set aside", setAside, 1,
       "壊れていた履歴のファイルを /w/ruvo_journal-damaged-2026-03-15.db "
       "として残し、新しい履歴を始めました。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(test::Utf8(RecordNotice(c.result, c.count)), c.notice);
  }
}

// Another program holds the journal's write lock past the busy timeout: the
// slip has printed, the user hears it was not recorded, and the next one is.
TEST_F(RecordTest, LockHeldPastTheTimeoutIsReportedNotWaitedOut) {
  Record(SlipTo("先の客"));
  Journal impatient(
      folder_.path(), [this] { return now_; }, JournalOptions{std::chrono::milliseconds(50)});
  {
    Database other(folder_ / "ruvo_journal.db", Database::Mode::kExisting);
    WriteTransaction held(other);
    const RecordResult result = RecordPrintedSlips(impatient, {PrintedFromWindow(SlipTo("山田"))});
    EXPECT_EQ(result.problem, JournalProblem::kBusy);
    EXPECT_NE(result.reason.find(text::kBusy), std::string::npos) << test::Utf8(result.reason);
  }
  EXPECT_TRUE(RecordPrintedSlips(impatient, {PrintedFromWindow(SlipTo("山田"))}).Recorded());
  EXPECT_EQ(SlipCount(impatient), 2);
}

// The bytes of a file that holds slips, with one page (4096 bytes) written
// over, as a disk or a copy might leave it.
std::string WithPageScribbled(std::string bytes, std::size_t page) {
  for (std::size_t i = page * 4096; i < (page + 1) * 4096 && i < bytes.size(); ++i)
    bytes[i] = static_cast<char>(0xA5);
  return bytes;
}

// A damaged journal is renamed aside with the date, its bytes untouched, and
// the slip goes into a new one; a second the same day takes the next name.
TEST_F(RecordTest, DamagedJournalIsKeptAsideAndANewOneStarted) {
  {
    auto filled = OpenJournal();
    for (int i = 0; i < 40; ++i)
      RecordPrintedSlips(*filled, {PrintedFromWindow(SlipTo("客" + std::to_string(i)))});
  }  // closed: the log is checked into the file
  const std::string good = test::FileBytes(folder_ / "ruvo_journal.db");
  ASSERT_GT(good.size(), 5 * 4096u);
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"no database at all", "order,list\r\nthis is no journal\r\n"},
      {"a page of slips scribbled over", WithPageScribbled(good, 3)},
      {"cut short", good.substr(0, 4 * 4096)},
  };
  int attempt = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::PutFile(folder_ / "ruvo_journal.db", c.bytes);
    auto reopened = OpenJournal();
    const RecordResult result = RecordPrintedSlips(*reopened, {PrintedFromWindow(SlipTo("山田"))});
    EXPECT_TRUE(result.Recorded()) << test::Utf8(result.reason);
    const std::string aside =
        ++attempt == 1 ? "ruvo_journal-damaged-2026-03-15.db"
                       : "ruvo_journal-damaged-2026-03-15-" + std::to_string(attempt) + ".db";
    ASSERT_TRUE(result.setAside);
    EXPECT_EQ(result.setAside->filename(), aside);
    EXPECT_TRUE(test::FileBytes(folder_ / aside) == c.bytes);
    EXPECT_EQ(SlipCount(*reopened), 1);
  }
}

// Recording on a disk that runs full: the recording that no longer fits
// says so, and every slip recorded before is there, in a sound file.
// A small tmpfs of its own is the full disk (root only).
TEST_F(RecordTest, FullDiskIsReportedAndLosesNoRecordedSlip) {
  const std::filesystem::path disk = folder_ / "disk";
  std::filesystem::create_directory(disk);
  if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=1m") != 0)
    GTEST_SKIP() << "a tmpfs cannot be mounted here: " << std::strerror(errno);
  std::vector<std::int64_t> recorded;
  RecordResult refused;
  {
    Journal full(disk, [this] { return now_; });
    for (int i = 0; i < 10000 && refused.Recorded(); ++i) {
      RecordResult result =
          RecordPrintedSlips(full, {PrintedFromWindow(SlipTo("客" + std::to_string(i)))});
      if (result.Recorded()) recorded.push_back(result.ids.at(0));
      if (!result.Recorded()) refused = std::move(result);
    }
  }
  EXPECT_EQ(refused.problem, JournalProblem::kDiskFull);
  EXPECT_NE(refused.reason.find(text::kDiskFull), std::string::npos) << test::Utf8(refused.reason);
  EXPECT_GT(recorded.size(), 10u);
  {
    Journal again(disk, [this] { return now_; });
    const SlipPage all = FindSlips(again, test::EverySlip());
    ASSERT_EQ(all.slips.size(), recorded.size());
    EXPECT_EQ(all.slips.front().id, recorded.back());
    EXPECT_EQ(all.slips.back().id, recorded.front());
    EXPECT_FALSE(again.TakeSetAside());
  }
  ::umount2(disk.c_str(), MNT_DETACH);
}

}  // namespace
}  // namespace ruvo::journal
