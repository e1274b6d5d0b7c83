#include "batch/batch_runner.h"

#include "print/lm_d97_dot.h"
#include "print/lm_printers.h"
#include "print/print_job.h"

namespace ruvo::batch {

void PrinterPageSink::Begin() {
  printer_.BeginDoc(std::string(kSlipDocumentTitle));
  pages_ = 0;
}

void PrinterPageSink::AddPage(const DrawList& page) {
  if (pages_++ > 0) printer_.NewPage();
  for (const DrawOp& op : page)
    printer_.Canvas().Draw(op);
}

void PrinterPageSink::Finish() {
  printer_.EndDoc();
}

void PrinterPageSink::Abandon() noexcept {
  printer_.Abort();
}

BatchRun RunBatch(const std::vector<const SlipRecord*>& slips, const SlipPrintValues& values,
                  SlipPageSink& sink, const BatchProgress& progress) {
  BatchRun run;
  if (slips.empty()) return run;
  sink.Begin();
  try {
    for (std::size_t done = 0; done < slips.size(); ++done) {
      sink.AddPage(SLIP97_Prn(*slips[done], values));
      if (progress && !progress(done + 1, slips.size())) {
        sink.Abandon();
        run.cancelled = true;
        return run;
      }
    }
    sink.Finish();
  } catch (...) {
    sink.Abandon();
    throw;
  }
  run.pages = slips.size();
  return run;
}

}  // namespace ruvo::batch
