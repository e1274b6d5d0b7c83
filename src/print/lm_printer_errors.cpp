#include "print/lm_printer_errors.h"

#include <utility>

namespace ruvo {
namespace {

// "デフォルト プリンタが存在しません", the platform printer's own text.
constexpr char kNoDefaultPrinter[] =
    "\x83\x66\x83\x74\x83\x48\x83\x8b\x83\x67\x20\x83\x76\x83\x8a\x83\x93\x83\x5e"
    "\x82\xaa\x91\xb6\x8d\xdd\x82\xb5\x82\xdc\x82\xb9\x82\xf1";

}  // namespace

ELmPrinterNoDefault::ELmPrinterNoDefault() : ELMPrinterRangeError(kNoDefaultPrinter) {}

EPrinterNotFound::EPrinterNotFound(std::string printer)
    : EPrinter(printer + ": no such printer"), printer_(std::move(printer)) {}

EPrintServiceDown::EPrintServiceDown(std::string server, const std::string& detail)
    : EPrinter(server + ": the print service does not answer (" + detail + ")"),
      server_(std::move(server)) {}

EPrintJobRefused::EPrintJobRefused(std::string printer, const std::string& reason)
    : EPrinter(printer + ": " + reason), printer_(std::move(printer)) {}

}  // namespace ruvo
