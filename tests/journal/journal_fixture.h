#pragma once
// A journal in a fresh temporary folder with a clock the test sets.

#include <gtest/gtest.h>
#include <time.h>

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

#include "journal/journal.h"
#include "journal/journal_record.h"
#include "journal/journal_search.h"
#include "journal/journal_slips.h"
#include "journal/printed_slip.h"
#include "support/temp_dir.h"
#include "support/test_text.h"

namespace ruvo::test {

// Every slip of the journal, newest first.
inline journal::SlipQuery EverySlip() {
  journal::SlipQuery query;
  query.limit = 0;
  return query;
}

// The slips the words (UTF-8) find, newest first.
inline journal::SlipQuery Searching(std::string_view words) {
  journal::SlipQuery query = EverySlip();
  query.text = Sj(words);
  return query;
}

class JournalTest : public ::testing::Test {
 protected:
  // The shop's clock is Tokyo's, whatever the machine's zone.
  JournalTest() : now_(TokyoTime(2026, 3, 15, 14, 5, 7)) {
    ::setenv("TZ", "Asia/Tokyo", 1);
    ::tzset();
  }

  // A journal of the folder on the test's clock, as a program opens it.
  std::unique_ptr<journal::Journal> OpenJournal() {
    return std::make_unique<journal::Journal>(folder_.path(), [this] { return now_; });
  }
  journal::Journal& journal() {
    if (!journal_) journal_ = OpenJournal();
    return *journal_;
  }
  // Records one slip from the window; its id.
  std::int64_t Record(SlipRecord slip);

  TempDir folder_;
  std::chrono::system_clock::time_point now_;
  std::unique_ptr<journal::Journal> journal_;
};

inline std::int64_t JournalTest::Record(SlipRecord slip) {
  const journal::RecordResult result =
      journal::RecordPrintedSlips(journal(), {PrintedFromWindow(std::move(slip))});
  EXPECT_TRUE(result.Recorded()) << Utf8(result.reason);
  return result.ids.empty() ? 0 : result.ids.front();
}

}  // namespace ruvo::test
