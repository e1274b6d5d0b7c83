#include "print/print_job.h"

#include "print/slip_document.h"

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
  const Resolution dpi = printer.GetResolution();
  const std::uint16_t scale = printer.GetScale();
  return {EffectiveDpi(dpi.x, scale), EffectiveDpi(dpi.y, scale)};
}

SlipPrintValues EffectivePrintValues(TLmPrinter& printer, std::string marginTop,
                                     std::string marginLeft, std::string scaleX,
                                     std::string scaleY) {
  const Resolution dpi = EffectiveResolution(printer);
  return {std::to_string(dpi.x), std::to_string(dpi.y), std::move(marginTop),
          std::move(marginLeft), std::move(scaleX),     std::move(scaleY)};
}

void PrintDrawList(TLmPrinter& printer, const DrawList& list) {
  PrinterPageSink sink(printer);
  PrintPages(
      1, [&](std::size_t) { return list; }, sink);
}

void PrintSlip(TLmPrinter& printer, const SlipRecord& slip, const SlipPrintValues& values) {
  PrinterPageSink sink(printer);
  PrintSlips({&slip}, values, sink);
}

SlipPrintValues PrintSlip(TLmPrinter& printer, const SlipRecord& slip, const std::string& marginTop,
                          const std::string& marginLeft, const std::string& scaleX,
                          const std::string& scaleY) {
  SlipPrintValues values = EffectivePrintValues(printer, marginTop, marginLeft, scaleX, scaleY);
  PrintSlip(printer, slip, values);
  return values;
}

}  // namespace ruvo
