#include "cli/slip_session.h"

#include <stdexcept>

#include "print/qt_print_service.h"
#include "print/slip_units.h"
#include "slip/printer_in_force.h"

namespace ruvo::cli {

SlipSession::SlipSession(const SlipOptions& options, Context& ctx, bool needPrinter)
    : prepared_(PrepareSlip(options, ctx)) {
  if (needPrinter || !options.dpi) {
    EnsureGuiApplication();
    service_ = std::make_unique<QtPrintService>();
    printer_ = std::make_unique<TLmPrinter>(*service_);
    printerInForce_ = SelectSlipPrinter(*printer_, options, prepared_, ctx);
  }
  values_ = ResolvePrintValues(options, prepared_, printer_.get());
}

SlipSession::~SlipSession() = default;

TLmPrinter& SlipSession::Printer() {
  if (!printer_) throw std::logic_error("this command took no printer");
  return *printer_;
}

}  // namespace ruvo::cli
