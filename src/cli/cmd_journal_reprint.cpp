// ruvo-slip journal reprint: recorded slips printed again as one job, on
// the printer registered for the paper mode they were printed in, and
// recorded as reprints of them.
#include <ostream>

#include "cli/journal_commands.h"
#include "cli/journal_json.h"
#include "cli/journal_recording.h"
#include "cli/json_object.h"
#include "cli/slip_options.h"
#include "cli/slip_session.h"
#include "journal/journal_search.h"
#include "journal/reprint.h"
#include "print/slip_document.h"

namespace ruvo::cli {
namespace {

struct ReprintOptions {
  std::vector<std::int64_t> ids;
  SlipOptions slip;
  journal::ReprintDate date = journal::ReprintDate::kToday;
};

ReprintOptions ReadOptions(const Args& args, Context& ctx) {
  ReprintOptions options;
  ArgReader reader(args);
  while (!reader.Done()) {
    const std::string option = reader.NextOption();
    if (option == "--dir") {
      options.slip.dir = reader.Value();
    } else if (option == "--printer") {
      options.slip.printer = ReadNamedPrinter(reader, ctx);
    } else if (option == "--original-date") {
      options.date = journal::ReprintDate::kOriginal;
    } else if (!option.starts_with("--")) {
      options.ids.push_back(ParseId(option));
    } else {
      reader.Unknown();
    }
  }
  if (options.ids.empty()) throw UsageError("the ID of at least one slip is required");
  return options;
}

// The recorded slips, in the order given; all of one paper mode, as one
// job goes to one printer with one pair of margins.
std::vector<journal::PrintedSlip> RecordedSlips(journal::Journal& journal,
                                                const std::vector<std::int64_t>& ids) {
  std::vector<journal::PrintedSlip> slips;
  for (const std::int64_t id : ids) {
    std::optional<journal::PrintedSlip> slip = journal::FindSlip(journal, id);
    if (!slip) throw std::runtime_error("no slip " + std::to_string(id) + " in the journal");
    if (!slips.empty() && slip->setup.paperMode != slips.front().setup.paperMode) {
      throw UsageError("slips " + std::to_string(slips.front().id) + " and " + std::to_string(id) +
                       " were printed in different paper modes; reprint them one mode at a time");
    }
    slips.push_back(std::move(*slip));
  }
  return slips;
}

std::string ReportJson(const Context& ctx, SlipSession& session,
                       const std::vector<journal::PrintedSlip>& reprinted,
                       const journal::RecordResult& recorded) {
  std::vector<std::string> slips;
  for (std::size_t i = 0; i < reprinted.size(); ++i) {
    JsonObject slip(ctx);
    if (recorded.Recorded()) {
      slip.Number("id", recorded.ids[i]);
    } else {
      slip.Null("id");
    }
    slip.Number("reprint_of", *reprinted[i].reprintOf)
        .Text("slip_number", recorded.Recorded() ? recorded.slipNumbers[i] : "");
    slips.push_back(slip.Str());
  }
  const journal::PrintSetup setup = PrintSetupOf(session);
  return JsonObject(ctx)
             .OutputText("printer", PrinterText(ctx, setup))
             .Text("paper", setup.paper)
             .Text("paper_source", setup.paperSource)
             .Number("job_id", setup.jobId)
             .Json("slips", JsonList(slips))
             .Str() +
         "\n";
}

}  // namespace

int RunJournalReprint(const Args& args, Context& ctx) {
  ReprintOptions options = ReadOptions(args, ctx);
  journal::Journal journal = OpenedJournal(options.slip.dir);
  const std::vector<journal::PrintedSlip> originals = RecordedSlips(journal, options.ids);
  WarnSetAside(ctx, journal);
  options.slip.reprintPaperMode = originals.front().setup.paperMode;
  EnsureGuiApplication();
  SlipSession session(options.slip, ctx, /*needPrinter=*/true);

  std::vector<journal::PrintedSlip> reprints;
  for (const journal::PrintedSlip& original : originals) {
    journal::PrintedSlip& reprint = reprints.emplace_back();
    reprint.origin = journal::SlipOrigin::kCommandLine;
    reprint.orderNumber = original.orderNumber;
    reprint.reprintOf = original.id;
    reprint.slip = journal::SlipToReprint(original, options.date, LocalToday());
  }
  std::vector<const SlipRecord*> slips;
  for (const journal::PrintedSlip& reprint : reprints)
    slips.push_back(&reprint.slip);
  PrinterPageSink sink(session.Printer());
  PrintSlips(slips, session.PrintValues(), sink);

  for (journal::PrintedSlip& reprint : reprints)
    reprint.setup = PrintSetupOf(session);
  const journal::RecordResult recorded = RecordJob(ctx, options.slip.dir, reprints);
  ctx.out << ReportJson(ctx, session, reprints, recorded);
  return 0;
}

}  // namespace ruvo::cli
