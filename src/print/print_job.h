#pragma once
// The print command's job: the effective resolution of the selected printer,
// then one document holding one slip (slip_document.h), ended, or abandoned
// on any failure so that no partial page reaches the printer.

#include <stdexcept>
#include <string>
#include <string_view>

#include "print/draw_op.h"
#include "print/lm_printers.h"
#include "print/slip_record.h"

namespace ruvo {

// The document title the spooler shows: "ruvo_Rezovod" and two blanks.
inline constexpr std::string_view kSlipDocumentTitle = "ruvo_Rezovod  ";

// A printer report the job cannot work with (a scale of 0 %, a resolution
// that leaves less than a dot per inch).
class PrintJobError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The finest effective resolution a slip is laid out at: the printer layer
// takes no printer resolution above it either (a CUPS queue or PPD naming a
// finer one is read as naming none).
inline constexpr int kMaxEffectiveDpi = 100000;

// dpi × 100 ÷ scale percent, the remainder dropped (360 at 50 % → 720).
// PrintJobError naming the resolution and the scale for a 0 % scale and for
// a result below 1 dpi (360 at 65535 %: every text would stand at the
// corner) or above kMaxEffectiveDpi.
int EffectiveDpi(int dpi, std::uint16_t scalePercent);

// The selected printer's resolution × 100 ÷ its scale percentage per axis,
// the remainder dropped, horizontal first: 360 × 180 dpi at 50 % gives
// 720 × 360, at 30 % 1200 × 600. The printer layer's errors propagate
// (ELmPrinterNoPrinter without any printer); PrintJobError as EffectiveDpi.
Resolution EffectiveResolution(TLmPrinter& printer);

// The print values the renderer works with: the effective resolution as
// decimal texts (what the window puts into its resolution labels), the
// margin texts as the window holds them, and the form's scale texts as the
// registration holds them (empty: 100.0 %).
SlipPrintValues EffectivePrintValues(TLmPrinter& printer, std::string marginTop,
                                     std::string marginLeft, std::string scaleX = "",
                                     std::string scaleY = "");

// A document of the one page `list` on the selected printer. Any failure
// while drawing or ending abandons the document and is rethrown; a failure
// to start leaves nothing to abandon.
void PrintDrawList(TLmPrinter& printer, const DrawList& list);

// `slip` with `values` as a document of one page on the selected printer: a
// batch of one (PrintSlips). The slip is laid out inside the open document,
// so a print value that is no integer (ConversionError) or a scale out of
// range (SlipScaleError) abandons the started job.
void PrintSlip(TLmPrinter& printer, const SlipRecord& slip, const SlipPrintValues& values);

// The whole print command after the user said yes: the printer's effective
// print values with the window's margin texts and the registration's scale
// texts, then PrintSlip. Returns the print values used.
SlipPrintValues PrintSlip(TLmPrinter& printer, const SlipRecord& slip, const std::string& marginTop,
                          const std::string& marginLeft, const std::string& scaleX = "",
                          const std::string& scaleY = "");

}  // namespace ruvo
