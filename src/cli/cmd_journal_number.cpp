// ruvo-slip journal number: the paper mode's slip-number ledger, shown,
// started or corrected at the number on the next form, or stopped.
#include <ostream>

#include "cli/journal_commands.h"
#include "cli/json_object.h"
#include "cli/sub_commands.h"
#include "journal/slip_number_ledger.h"
#include "settings/settings_names.h"
#include "settings/startup_state.h"

namespace ruvo::cli {

int RunJournalNumber(const Args& args, Context& ctx) {
  std::filesystem::path dir = ".";
  std::optional<int> mode;
  std::optional<std::string> next;
  journal::SlipNumberRule rule = journal::SlipNumberRule::kModulus7;
  bool stop = false;
  ArgReader reader(args);
  while (!reader.Done()) {
    const std::string option = reader.NextOption();
    if (option == "--dir") {
      dir = reader.Value();
    } else if (option == "--mode") {
      mode = reader.IntValue(0, 1);
    } else if (option == "--set") {
      next = reader.TextValue(ctx);
    } else if (option == "--plain") {
      rule = journal::SlipNumberRule::kPlain;
    } else if (option == "--stop") {
      stop = true;
    } else {
      reader.Unknown();
    }
  }
  if (stop && next) throw UsageError("--set and --stop exclude each other");
  journal::Journal journal = OpenedJournal(dir);
  // Without --mode, the paper mode the window has selected.
  const int paperMode = mode.value_or(settings::LoadStartupState(dir).saved.paperMode);
  if (next) journal::SetSlipNumberLedger(journal, paperMode, *next, rule);
  if (stop) journal::StopSlipNumberLedger(journal, paperMode);
  const std::optional<journal::SlipNumberLedger> ledger =
      journal::ReadSlipNumberLedger(journal, paperMode);
  WarnSetAside(ctx, journal);
  JsonObject json(ctx);
  json.Text("paper_mode", settings::PaperModeName(paperMode));
  if (ledger) {
    json.OutputText("next_number", ledger->nextNumber)
        .OutputText("rule", journal::SlipNumberRuleName(ledger->rule));
  } else {
    json.Null("next_number").Null("rule");
  }
  ctx.out << json.Str() << '\n';
  return 0;
}

}  // namespace ruvo::cli
