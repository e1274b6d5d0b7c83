#include "journal/slip_number_ledger.h"

namespace ruvo::journal {
namespace {

std::optional<SlipNumberLedger> ReadLedger(Database& db, int paperMode) {
  Statement select =
      db.Prepare("SELECT next_number, check_rule FROM slip_number_ledgers WHERE paper_mode = ?1");
  select.BindInt(1, paperMode);
  if (!select.Step()) return std::nullopt;
  const auto rule = SlipNumberRuleNamed(select.Text(1));
  return SlipNumberLedger{paperMode, select.Text(0), rule.value_or(SlipNumberRule::kPlain)};
}

void WriteLedger(Database& db, const SlipNumberLedger& ledger) {
  db.Prepare(
        "INSERT INTO slip_number_ledgers (paper_mode, next_number, check_rule) "
        "VALUES (?1, ?2, ?3) ON CONFLICT (paper_mode) DO UPDATE SET "
        "next_number = excluded.next_number, check_rule = excluded.check_rule")
      .BindInt(1, ledger.paperMode)
      .BindText(2, ledger.nextNumber)
      .BindText(3, SlipNumberRuleName(ledger.rule))
      .Run();
}

void DeleteLedger(Database& db, int paperMode) {
  db.Prepare("DELETE FROM slip_number_ledgers WHERE paper_mode = ?1").BindInt(1, paperMode).Run();
}

}  // namespace

std::optional<SlipNumberLedger> ReadSlipNumberLedger(Journal& journal, int paperMode) {
  return journal.Guarded([&]() -> std::optional<SlipNumberLedger> {
    Database* db = journal.ForReading();
    return db != nullptr ? ReadLedger(*db, paperMode) : std::nullopt;
  });
}

SlipNumberLedger SetSlipNumberLedger(Journal& journal, int paperMode, std::string_view nextNumber,
                                     SlipNumberRule rule) {
  const SlipNumberLedger ledger{paperMode, CheckedSlipNumber(nextNumber, rule), rule};
  journal.Guarded([&] { WriteLedger(journal.ForWriting(), ledger); });
  return ledger;
}

void StopSlipNumberLedger(Journal& journal, int paperMode) {
  journal.Guarded([&] {
    if (Database* db = journal.ForReading()) DeleteLedger(*db, paperMode);
  });
}

std::string TakeSlipNumber(Database& db, int paperMode) {
  std::optional<SlipNumberLedger> ledger = ReadLedger(db, paperMode);
  if (!ledger) return {};
  std::string taken = ledger->nextNumber;
  try {
    ledger->nextNumber = NextSlipNumber(taken, ledger->rule);
    WriteLedger(db, *ledger);
  } catch (const SlipNumberError&) {
    DeleteLedger(db, paperMode);
  }
  return taken;
}

}  // namespace ruvo::journal
