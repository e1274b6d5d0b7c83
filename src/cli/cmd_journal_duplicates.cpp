// ruvo-slip journal duplicates: how long a parcel to the same recipient
// with the same goods counts as already printed, shown or set.
#include <ostream>

#include "cli/journal_commands.h"
#include "cli/json_object.h"
#include "cli/sub_commands.h"
#include "journal/duplicate_check.h"

namespace ruvo::cli {

int RunJournalDuplicates(const Args& args, Context& ctx) {
  std::filesystem::path dir = ".";
  std::optional<int> hours;
  ArgReader reader(args);
  while (!reader.Done()) {
    const std::string option = reader.NextOption();
    if (option == "--dir") {
      dir = reader.Value();
    } else if (option == "--hours") {
      hours = reader.IntValue(0, journal::kMaxDuplicateWindowHours);
    } else {
      reader.Unknown();
    }
  }
  journal::Journal journal = OpenedJournal(dir);
  if (hours) journal::WriteDuplicateWindow(journal, {*hours});
  const journal::DuplicateWindow window = journal::ReadDuplicateWindow(journal);
  WarnSetAside(ctx, journal);
  ctx.out << JsonObject(ctx).Number("hours", window.hours).Str() << '\n';
  return 0;
}

}  // namespace ruvo::cli
