#pragma once
// Slips printed as one document, one page per slip, onto a page sink: the
// printer, or a file. Every print goes this way, F11's single slip as a
// document of one page. Nothing reaches the printer or the file unless every
// page was made: a failure or a cancel abandons the document.

#include <cstddef>
#include <functional>
#include <vector>

#include "print/draw_op.h"
#include "print/slip_record.h"

namespace ruvo {

class TLmPrinter;

// Where the pages of a document go. Begin, then AddPage for each page, then
// Finish; Abandon after any failure, or to cancel, hands nothing on.
class SlipPageSink {
 public:
  virtual ~SlipPageSink() = default;
  virtual void Begin() = 0;
  virtual void AddPage(const DrawList& page) = 0;
  // Hands the whole document on at once (the spooler, the file).
  virtual void Finish() = 0;
  virtual void Abandon() noexcept = 0;
};

// One print job on the selected printer of the layer, titled
// kSlipDocumentTitle.
class PrinterPageSink : public SlipPageSink {
 public:
  explicit PrinterPageSink(TLmPrinter& printer) : printer_(printer) {}
  void Begin() override;
  void AddPage(const DrawList& page) override;
  void Finish() override;
  void Abandon() noexcept override;

 private:
  TLmPrinter& printer_;
  std::size_t pages_ = 0;
};

// Told after each page: pages done, pages in all. Returning false cancels.
using DocumentProgress = std::function<bool(std::size_t done, std::size_t total)>;

struct DocumentRun {
  std::size_t pages = 0;   // handed on; 0 after a cancel
  bool cancelled = false;  // the document was abandoned at the user's word
};

// Starts a document, adds `pageAt(0)` … `pageAt(count - 1)`, each made only
// once the one before is on the sink, and finishes it. No pages start no
// document. An error of `pageAt` or of the sink abandons the document and
// propagates; a failure to begin leaves nothing to abandon.
DocumentRun PrintPages(std::size_t count, const std::function<DrawList(std::size_t)>& pageAt,
                       SlipPageSink& sink, const DocumentProgress& progress = {});

// Each slip laid out with `values` (SLIP97_Prn) as a page of one document.
// A margin that is no integer (ConversionError) abandons the started
// document.
DocumentRun PrintSlips(const std::vector<const SlipRecord*>& slips, const SlipPrintValues& values,
                       SlipPageSink& sink, const DocumentProgress& progress = {});

}  // namespace ruvo
