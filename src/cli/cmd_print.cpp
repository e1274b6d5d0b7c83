// ruvo-slip print: prints the slip of a working directory through the printer
// layer, on the printer the paper mode's registration selects or on --printer.
#include <chrono>
#include <ostream>
#include <sstream>

#include "cli/commands.h"
#include "cli/slip_options.h"
#include "cli/slip_session.h"
#include "print/lm_d97_dot.h"
#include "print/print_job.h"

namespace ruvo::cli {

int RunPrint(const Args& args, Context& ctx) {
  SlipOptions options;
  ArgReader reader(args);
  while (!reader.Done()) {
    const std::string option = reader.NextOption();
    if (option == "--printer") {
      options.printer = ReadNamedPrinter(reader, ctx);
    } else if (!ReadSlipOption(option, reader, ctx, options)) {
      reader.Unknown();
    }
  }
  SlipSession session(options, ctx, /*needPrinter=*/true);
  // Laid out before the job starts, so that a margin that is no integer
  // fails with nothing started, and for the report's count of texts.
  const DrawList list = SLIP97_Prn(session.Prepared().slip, session.PrintValues());
  const auto start = std::chrono::steady_clock::now();
  PrintSlip(session.Printer(), session.Prepared().slip, session.PrintValues());
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  const PrinterInForce& inForce = session.InForce();
  // In UTF-8 the queue's own name, which CP932 may not be able to hold.
  const std::string printer =
      ctx.cp932 ? session.Printer().CurrentPrinterName() : session.Printer().CurrentPrinterQueue();
  std::ostringstream json;
  json << "{\"printer\": " << JsonString(ctx, printer)
       << ", \"paper\": " << JsonString(ctx, ToOutput(ctx, inForce.paperName))
       << ", \"source\": " << JsonString(ctx, ToOutput(ctx, inForce.binName)) << ", \"dpi\": ["
       << session.PrintValues().dpiX << ", " << session.PrintValues().dpiY
       << "], \"texts\": " << list.size() << ", \"ms\": " << took.count() << "}\n";
  ctx.out << json.str();
  return 0;
}

}  // namespace ruvo::cli
