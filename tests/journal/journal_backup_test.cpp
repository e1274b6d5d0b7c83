#include "journal/journal_backup.h"

#include "journal/journal_fixture.h"
#include "settings/file_errors.h"

namespace ruvo::journal {
namespace {

using test::SlipTo;

class BackupTest : public test::JournalTest {};

// The copy holds what was committed when it was taken and opens as a
// journal of its own, while another program's transaction stays open.
TEST_F(BackupTest, CopyIsTheCommittedJournalWhileAnotherWrites) {
  const std::filesystem::path copy = folder_ / "copy" / "ruvo_journal.db";
  EXPECT_FALSE(BackupJournal(journal(), copy));  // nothing to copy yet
  Record(SlipTo("山田太郎"));
  Record(SlipTo("佐藤花子"));
  std::filesystem::create_directory(copy.parent_path());
  {
    Database other(folder_ / "ruvo_journal.db", Database::Mode::kExisting);
    WriteTransaction open(other);
    other.Execute("DELETE FROM slips");
    EXPECT_TRUE(BackupJournal(journal(), copy));
  }
  EXPECT_EQ(test::EntryCount(copy.parent_path()), 1u);  // one file, no temporary one left
  Journal restored(copy.parent_path(), [this] { return now_; });
  EXPECT_EQ(SlipCount(restored), 2);
}

TEST_F(BackupTest, FailedCopyLeavesNothingBehind) {
  Record(SlipTo("山田太郎"));
  const std::filesystem::path missing = folder_ / "no such folder" / "copy.db";
  EXPECT_THROW(BackupJournal(journal(), missing), settings::FileWriteError);
  EXPECT_EQ(test::EntryCount(folder_.path()), 3u);  // the journal, its log and index
}

// One copy a day, the newest seven kept, none twice the same day.
TEST_F(BackupTest, DailyCopiesKeepTheLastSeven) {
  EXPECT_FALSE(KeepDailyBackup(journal()));  // no journal, no copy, no folder
  EXPECT_FALSE(std::filesystem::exists(folder_ / "ruvo_journal_backup"));
  Record(SlipTo("山田太郎"));
  for (unsigned day = 1; day <= 9; ++day) {
    now_ = test::TokyoTime(2026, 3, day, 18, 0);
    const auto written = KeepDailyBackup(journal());
    ASSERT_TRUE(written);
    EXPECT_EQ(written->filename(), "ruvo_journal-2026-03-0" + std::to_string(day) + ".db");
    EXPECT_FALSE(KeepDailyBackup(journal()));
  }
  std::vector<std::string> kept;
  for (const auto& entry : std::filesystem::directory_iterator(folder_ / "ruvo_journal_backup"))
    kept.push_back(entry.path().filename().string());
  std::sort(kept.begin(), kept.end());
  ASSERT_EQ(kept.size(), 7u);
  EXPECT_EQ(kept.front(), "ruvo_journal-2026-03-03.db");
  EXPECT_EQ(kept.back(), "ruvo_journal-2026-03-09.db");
}

}  // namespace
}  // namespace ruvo::journal
