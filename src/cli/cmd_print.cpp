// ruvo-slip print: prints the slip of a working directory through the printer
// layer, on the printer the paper mode's registration selects or on --printer;
// with --proof, the outlines of its boxes laid over it, for plain paper.
#include <ostream>
#include <sstream>

#include "cli/commands.h"
#include "cli/journal_recording.h"
#include "cli/slip_options.h"
#include "cli/slip_output.h"
#include "cli/slip_session.h"
#include "print/lm_d97_dot.h"
#include "print/slip_proof.h"

namespace ruvo::cli {

int RunPrint(const Args& args, Context& ctx) {
  SlipOptions options;
  bool proof = false;
  ArgReader reader(args);
  while (!reader.Done()) {
    const std::string option = reader.NextOption();
    if (option == "--printer") {
      options.printer = ReadNamedPrinter(reader, ctx);
    } else if (option == "--proof") {
      proof = true;
    } else if (!ReadSlipOption(option, reader, ctx, options)) {
      reader.Unknown();
    }
  }
  SlipSession session(options, ctx, /*needPrinter=*/true);
  const SlipRecord& slip = session.Prepared().slip;
  DrawList list = SLIP97_Prn(slip, session.PrintValues());  // refuses bad values first
  const std::vector<FieldOverflow> overflows = CheckSlipFit(session, ctx);
  if (proof) list = SlipProof(slip, session.PrintValues(), overflows);
  const PrintedPage page = PrintOnePage(session, list, ctx);
  // A proof on plain paper is no shipment: the journal keeps slips only.
  std::string journalId = "null";
  if (!proof) {
    journal::PrintedSlip printed;
    printed.origin = journal::SlipOrigin::kCommandLine;
    printed.setup = PrintSetupOf(session);
    printed.slip = slip;
    const journal::RecordResult recorded = RecordJob(ctx, options.dir, {std::move(printed)});
    if (recorded.Recorded()) journalId = std::to_string(recorded.ids.at(0));
  }
  std::ostringstream json;
  json << "{" << page.printerKeys << ", \"texts\": " << TextCount(list) << ", \"ms\": " << page.ms
       << ", \"overflow\": " << OverflowListJson(ctx, overflows)
       << ", \"job_id\": " << session.Printer().LastJobId() << ", \"journal_id\": " << journalId
       << "}\n";
  ctx.out << json.str();
  return 0;
}

}  // namespace ruvo::cli
