#include "app/window_journal.h"

#include "app/handler_guard.h"
#include "journal/duplicate_check.h"
#include "journal/journal_backup.h"
#include "journal/journal_record.h"
#include "qt_text/qt_text.h"
#include "settings/file_errors.h"

namespace ruvo::app {

WindowJournal::WindowJournal(std::filesystem::path folder, journal::JournalClock clock)
    : journal_(std::move(folder), std::move(clock)) {}

WindowJournal::Opening WindowJournal::OpenAndKeepDailyCopy() {
  Opening opening;
  try {
    journal_.ForReading();
    journal::KeepDailyBackup(journal_);
  } catch (const std::exception& error) {
    opening.copyProblem =
        QStringLiteral("履歴の今日の控えを作れませんでした: ") + ErrorBoxText(error);
  }
  opening.setAside = TakeSetAsideNotice();
  return opening;
}

QString WindowJournal::Record(std::vector<journal::PrintedSlip> slips) {
  const std::size_t count = slips.size();
  const journal::RecordResult result = journal::RecordPrintedSlips(journal_, std::move(slips));
  return Cp932ToQString(journal::RecordNotice(result, count));
}

QString WindowJournal::DuplicateQuestion(const SlipRecord& slip) {
  try {
    const auto earlier = journal::FindEarlierPrint(journal_, slip);
    if (!earlier) return {};
    return Cp932ToQString(journal::DuplicateQuestion(earlier->printedAt, journal_.Now()));
  } catch (const std::exception&) {
    return {};
  }
}

std::vector<QString> WindowJournal::EarlierPrints(const std::vector<const SlipRecord*>& slips) {
  std::vector<QString> when(slips.size());
  try {
    const auto earlier = journal::FindEarlierPrints(journal_, slips);
    const journal::LocalTime now = journal_.Now();
    for (std::size_t i = 0; i < earlier.size(); ++i) {
      if (earlier[i])
        when[i] = Cp932ToQString(journal::EarlierPrintWhen(earlier[i]->printedAt, now));
    }
  } catch (const std::exception&) {
    return std::vector<QString>(slips.size());
  }
  return when;
}

QString WindowJournal::TakeSetAsideNotice() {
  const auto aside = journal_.TakeSetAside();
  return aside ? Cp932ToQString(journal::SetAsideNotice(*aside)) : QString();
}

}  // namespace ruvo::app
