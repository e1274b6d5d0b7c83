#include "print/slip_document.h"

#include "print/lm_d97_dot.h"
#include "print/lm_printers.h"
#include "print/print_job.h"

namespace ruvo {

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

DocumentRun PrintPages(std::size_t count, const std::function<DrawList(std::size_t)>& pageAt,
                       SlipPageSink& sink, const DocumentProgress& progress) {
  DocumentRun run;
  if (count == 0) return run;
  sink.Begin();
  try {
    for (std::size_t done = 0; done < count; ++done) {
      sink.AddPage(pageAt(done));
      if (progress && !progress(done + 1, count)) {
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
  run.pages = count;
  return run;
}

DocumentRun PrintSlips(const std::vector<const SlipRecord*>& slips, const SlipPrintValues& values,
                       SlipPageSink& sink, const DocumentProgress& progress) {
  return PrintPages(
      slips.size(), [&](std::size_t page) { return SLIP97_Prn(*slips[page], values); }, sink,
      progress);
}

}  // namespace ruvo
