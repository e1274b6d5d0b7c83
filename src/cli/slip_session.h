#pragma once
// The slip a command works on, with the printer behind it when one is
// needed: the window's state after start-up, the registered printer
// selected, and the effective print values.

#include <memory>

#include "cli/slip_options.h"
#include "print/lm_printers.h"

namespace ruvo::cli {

class SlipSession {
 public:
  // Takes the printer layer over the system's printers when `needPrinter`
  // or when no --dpi was given, and selects the registered printer.
  SlipSession(const SlipOptions& options, Context& ctx, bool needPrinter = false);
  ~SlipSession();
  SlipSession(const SlipSession&) = delete;
  SlipSession& operator=(const SlipSession&) = delete;

  const PreparedSlip& Prepared() const { return prepared_; }
  const SlipPrintValues& PrintValues() const { return values_; }
  // The printer layer; only when the session took one.
  TLmPrinter& Printer();
  // The printer, paper and source selected on it.
  const PrinterInForce& InForce() const { return printerInForce_; }

 private:
  PreparedSlip prepared_;
  std::unique_ptr<PrintService> service_;
  std::unique_ptr<TLmPrinter> printer_;
  PrinterInForce printerInForce_;
  SlipPrintValues values_;
};

}  // namespace ruvo::cli
