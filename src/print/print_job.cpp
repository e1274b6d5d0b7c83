#include "print/print_job.h"

#include "print/lm_d97_dot.h"

namespace ruvo {

int EffectiveDpi(int dpi, std::uint16_t scalePercent) {
  if (scalePercent == 0) throw PrintJobError("printer scale 0% is not a valid output scale");
  const long long effective = static_cast<long long>(dpi) * 100 / scalePercent;
  if (effective < 1 || effective > kMaxEffectiveDpi) {
    throw PrintJobError("printer resolution " + std::to_string(dpi) + " dpi at scale " +
                        std::to_string(scalePercent) + "% gives " + std::to_string(effective) +
                        " dpi; a slip is printed at 1 to " + std::to_string(kMaxEffectiveDpi) +
                        " dpi");
  }
  return static_cast<int>(effective);
}

Resolution EffectiveResolution(TLmPrinter& printer) {
  // The layer is asked once per axis, horizontal first, as the print command
  // always did; a driver may answer differently between the calls.
  const int x = EffectiveDpi(printer.GetResolution().x, printer.GetScale());
  const int y = EffectiveDpi(printer.GetResolution().y, printer.GetScale());
  return {x, y};
}

SlipPrintValues EffectivePrintValues(TLmPrinter& printer, std::string marginTop,
                                     std::string marginLeft, std::string scaleX,
                                     std::string scaleY) {
  const Resolution dpi = EffectiveResolution(printer);
  return {std::to_string(dpi.x), std::to_string(dpi.y), std::move(marginTop),
          std::move(marginLeft), std::move(scaleX),     std::move(scaleY)};
}

namespace {

// Starts a document, has `drawPage` fill its page and ends it; any failure
// after the start abandons the document, so no partial page is printed.
template <typename DrawPage>
void InOneDocument(TLmPrinter& printer, DrawPage drawPage) {
  printer.BeginDoc(std::string(kSlipDocumentTitle));
  try {
    drawPage();
    printer.EndDoc();
  } catch (...) {
    printer.Abort();
    throw;
  }
}

void DrawPage(TLmPrinter& printer, const DrawList& list) {
  for (const auto& op : list)
    printer.Canvas().Draw(op);
}

}  // namespace

void PrintDrawList(TLmPrinter& printer, const DrawList& list) {
  InOneDocument(printer, [&] { DrawPage(printer, list); });
}

SlipPrintValues PrintSlip(TLmPrinter& printer, const SlipRecord& slip, const std::string& marginTop,
                          const std::string& marginLeft, const std::string& scaleX,
                          const std::string& scaleY) {
  SlipPrintValues values = EffectivePrintValues(printer, marginTop, marginLeft, scaleX, scaleY);
  // The slip is laid out inside the open document, as the print command
  // always did: a print value that is no integer abandons the started job.
  InOneDocument(printer, [&] { DrawPage(printer, SLIP97_Prn(slip, values)); });
  return values;
}

}  // namespace ruvo
