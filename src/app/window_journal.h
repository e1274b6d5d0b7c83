#pragma once
// The window's side of the shipment journal: the journal of the working
// folder, opened once the window stands, with the day's copy kept; the
// slips F11, the batch dialog and the history print recorded once the print
// service accepted their job; and the question before a parcel is labelled
// twice. Recording never stands in the way of printing: a journal that
// cannot be written or read is said in Japanese, and the print goes on.

#include <QString>
#include <filesystem>
#include <vector>

#include "batch/order_file.h"
#include "journal/journal.h"
#include "journal/printed_slip.h"

namespace ruvo::app {

class WindowJournal {
 public:
  WindowJournal(std::filesystem::path folder, journal::JournalClock clock);

  journal::Journal& Journal() { return journal_; }

  // What opening the journal has to tell; empty texts for nothing.
  struct Opening {
    QString setAside;     // a damaged journal was moved aside, a new one started
    QString copyProblem;  // the journal could not be read or its copy made
  };
  // Opens and checks the journal (a folder without one stays without) and
  // keeps the day's copy of it. Never throws.
  Opening OpenAndKeepDailyCopy();
  // Records the slips of one accepted job; what the user is to be told
  // (empty: nothing). Never throws.
  QString Record(std::vector<journal::PrintedSlip> slips);
  // The question before printing `slip` again: empty when it was not
  // printed within the duplicate window, or when the journal cannot tell
  // (the print must not wait for it).
  QString DuplicateQuestion(const SlipRecord& slip);
  // For each slip, when it was printed within the window ("本日 14:05"), or
  // empty.
  std::vector<QString> EarlierPrints(const std::vector<const SlipRecord*>& slips);
  // The notice of a damaged journal set aside at its last open; empty when
  // none was.
  QString TakeSetAsideNotice();

 private:
  journal::Journal journal_;
};

}  // namespace ruvo::app
