#include "cli/journal_recording.h"

#include "print/lm_printers.h"

namespace ruvo::cli {

journal::PrintSetup PrintSetupOf(SlipSession& session) {
  TLmPrinter& printer = session.Printer();
  return {session.Prepared().paperMode, printer.CurrentPrinterQueue(), printer.CurrentPrinterName(),
          session.InForce().paperName,  session.InForce().binName,     session.PrintValues(),
          printer.LastJobId()};
}

journal::RecordResult RecordJob(Context& ctx, const std::filesystem::path& dir,
                                std::vector<journal::PrintedSlip> slips) {
  const std::size_t count = slips.size();
  journal::Journal journal(dir);
  journal::RecordResult result = journal::RecordPrintedSlips(journal, std::move(slips));
  std::string notice = journal::RecordNotice(result, count);
  if (!result.detail.empty()) notice += " (" + result.detail + ")";
  if (!notice.empty()) Warn(ctx, notice);
  return result;
}

}  // namespace ruvo::cli
