#pragma once
// A paper mode's slip-number ledger: the number on the next form of the
// stock in the printer. Each slip recorded for that paper mode takes the
// number and moves the ledger on to the next; the user sets the first
// number of a new stock and corrects the next one after a jammed form.
// A paper mode without a ledger records its slips without numbers.

#include <optional>
#include <string>
#include <string_view>

#include "journal/journal.h"
#include "journal/slip_number.h"

namespace ruvo::journal {

struct SlipNumberLedger {
  int paperMode = 0;
  std::string nextNumber;  // bare digits, valid under `rule`
  SlipNumberRule rule = SlipNumberRule::kModulus7;
  bool operator==(const SlipNumberLedger&) const = default;
};

// The paper mode's ledger; nothing when it keeps none. JournalError.
std::optional<SlipNumberLedger> ReadSlipNumberLedger(Journal& journal, int paperMode);

// Starts the paper mode's ledger at `nextNumber` (as the user writes it,
// CheckedSlipNumber), or corrects the one it keeps. SlipNumberError for a
// number the rule does not take, JournalError; the ledger stays as it was.
SlipNumberLedger SetSlipNumberLedger(Journal& journal, int paperMode, std::string_view nextNumber,
                                     SlipNumberRule rule);

// The paper mode's slips are no longer numbered.
void StopSlipNumberLedger(Journal& journal, int paperMode);

// Inside a write transaction of `db`: the number for a slip of the paper
// mode, the ledger moved on to the next; "" when it keeps no ledger. After
// the last number of its width the ledger stops.
std::string TakeSlipNumber(Database& db, int paperMode);

}  // namespace ruvo::journal
