#pragma once
// Recording printed slips: the row is written once the print service has
// accepted the job, and recording never stands in the way of printing. A
// journal that cannot be written (a full disk, a lock held past the busy
// timeout, a damaged file) is told in the result for the caller to report:
// the slip has printed, and the user is told it was not recorded.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "journal/journal.h"
#include "journal/printed_slip.h"

namespace ruvo::journal {

struct RecordResult {
  std::vector<std::int64_t> ids;          // the slips' ids in order; empty when none was recorded
  std::vector<std::string> slipNumbers;   // the numbers the ledger gave them ("" without one)
  std::optional<JournalProblem> problem;  // why none was recorded
  std::string reason;  // CP932: the file and the problem in Japanese (JournalError::what)
  std::string detail;  // SQLite's own words of the failure
  std::optional<std::filesystem::path> setAside;  // a damaged journal moved aside on the way

  bool Recorded() const { return !problem; }
};

// Records the slips of one accepted print job in one transaction: all or
// none. Each gets the journal's time, the next number of its paper mode's
// ledger, and its recipient noted in the recipient book. Never throws.
RecordResult RecordPrintedSlips(Journal& journal, std::vector<PrintedSlip> slips) noexcept;

// What the user is to be told after recording `count` slips, CP932; empty
// when there is nothing to tell:
// "この送り状は履歴に記録されませんでした(/w/ruvo_journal.db: ディスクの空きがありません …)。"
// "壊れていた履歴のファイルを /w/ruvo_journal-damaged-2026-03-15.db
// として残し、新しい履歴を始めました。"
std::string RecordNotice(const RecordResult& result, std::size_t count);

// What the user is told of a damaged journal moved to `aside`, CP932.
std::string SetAsideNotice(const std::filesystem::path& aside);

}  // namespace ruvo::journal
