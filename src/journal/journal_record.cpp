#include "journal/journal_record.h"

#include <algorithm>

#include "journal/journal_texts.h"
#include "journal/recipient_book.h"
#include "journal/slip_number_ledger.h"
#include "journal/slip_rows.h"
#include "settings/file_errors.h"

namespace ruvo::journal {
namespace {

// "。", the end of each sentence told.
constexpr std::string_view kFullStop = "\x81\x42";

std::string InsertSlipSql() {
  std::string sql = "INSERT INTO slips (" + SlipColumns() + ") VALUES (";
  const auto count = std::count(SlipColumns().begin(), SlipColumns().end(), ',') + 1;
  for (int column = 1; column <= count; ++column)
    sql += (column > 1 ? ", ?" : "?") + std::to_string(column);
  return sql + ")";
}

void Insert(Database& db, std::vector<PrintedSlip>& slips, const LocalTime& now,
            RecordResult& result) {
  WriteTransaction transaction(db);
  Statement insert = db.Prepare(InsertSlipSql());
  for (PrintedSlip& slip : slips) {
    slip.printedAt = now;
    slip.slipNumber = TakeSlipNumber(db, slip.setup.paperMode);
    BindSlipRow(insert, slip);
    insert.Run();
    insert.Reset();
    result.ids.push_back(db.LastInsertId());
    result.slipNumbers.push_back(slip.slipNumber);
    NoteRecipientUse(db, slip.slip, now);
  }
  transaction.Commit();
}

}  // namespace

RecordResult RecordPrintedSlips(Journal& journal, std::vector<PrintedSlip> slips) noexcept {
  RecordResult result;
  if (slips.empty()) return result;
  try {
    journal.Guarded([&] { Insert(journal.ForWriting(), slips, journal.Now(), result); });
  } catch (const JournalError& error) {
    result.problem = error.problem();
    result.reason = error.what();
    result.detail = error.detail();
  } catch (const std::exception& error) {
    result.problem = JournalProblem::kOther;
    result.reason = settings::PathText(journal.File()) + ": " + std::string(text::kOther);
    result.detail = error.what();
  } catch (...) {
    result.problem = JournalProblem::kOther;
    result.reason = settings::PathText(journal.File()) + ": " + std::string(text::kOther);
  }
  if (result.problem) {
    result.ids.clear();
    result.slipNumbers.clear();
  }
  result.setAside = journal.TakeSetAside();
  return result;
}

std::string SetAsideNotice(const std::filesystem::path& aside) {
  return std::string(text::kSetAside) + settings::PathText(aside) + std::string(text::kKeptAside) +
         std::string(kFullStop);
}

std::string RecordNotice(const RecordResult& result, std::size_t count) {
  std::string notice = result.setAside ? SetAsideNotice(*result.setAside) : std::string();
  if (!result.Recorded()) {
    notice += count == 1 ? std::string(text::kNotRecorded)
                         : std::string(text::kThese) + std::to_string(count) +
                               std::string(text::kSlipsNotRecorded);
    notice += "(" + result.reason + ")" + std::string(kFullStop);
  }
  return notice;
}

}  // namespace ruvo::journal
