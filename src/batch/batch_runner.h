#pragma once
// Printing a batch of slips as one document, one page per slip, onto a page
// sink: the printer, or a file. Nothing reaches the printer or the file
// unless every page was made: a failure or a cancel abandons the document.

#include <cstddef>
#include <functional>
#include <vector>

#include "print/draw_op.h"
#include "print/slip_record.h"

namespace ruvo {
class TLmPrinter;
}

namespace ruvo::batch {

// Where the pages of a batch go. Begin, then AddPage for each slip, then
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

// One print job on the selected printer of the layer, titled as F11's.
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
using BatchProgress = std::function<bool(std::size_t done, std::size_t total)>;

struct BatchRun {
  std::size_t pages = 0;   // handed on; 0 after a cancel
  bool cancelled = false;  // the document was abandoned at the user's word
};

// Lays out each slip with `values` as F11 does and adds it as a page. No
// slips start no document. The layout's ConversionError (a margin that is no
// integer) and the sink's errors abandon the document and propagate.
BatchRun RunBatch(const std::vector<const SlipRecord*>& slips, const SlipPrintValues& values,
                  SlipPageSink& sink, const BatchProgress& progress = {});

}  // namespace ruvo::batch
