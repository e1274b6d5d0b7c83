#include "slip/printer_in_force.h"

#include <algorithm>
#include <optional>

#include "print/lm_printers.h"
#include "print/printer_notices.h"
#include "print/slip_units.h"
#include "transfer/cp932_codec.h"
#include "transfer/text_ops.h"

namespace ruvo {
namespace {

// The number of the visible printer `choice` names: by its queue name when
// the registration holds one, else the first called `choice.name`, blanks
// at both ends aside (the registration stores the name trimmed); -1 when
// there is none.
int VisibleNumberOf(TLmPrinter& printer, const PrinterChoice& choice) {
  const bool byQueue = !choice.queue.empty();
  const std::vector<std::string>& list =
      byQueue ? printer.GetPrinterQueues() : printer.GetPrinterNames();
  const auto found = std::find_if(list.begin(), list.end(), [&](const std::string& entry) {
    return byQueue ? entry == choice.queue : Trim(entry) == choice.name;
  });
  return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

PrinterSelection SelectByNumber(TLmPrinter& printer, int number) {
  try {
    printer.SetIndex(number);
    return PrinterSelection::kByNumber;
  } catch (const ELMPrinterRangeError&) {
    printer.SetIndex(0);
    return PrinterSelection::kFirst;
  }
}

// The code of the choice called `name`; the default's for an empty name,
// nothing when the printer does not offer it.
std::optional<std::uint16_t> CodeNamed(const std::vector<PaperChoice>& offered,
                                       const std::string& name, std::uint16_t defaultCode) {
  if (name.empty()) return defaultCode;
  const auto found = std::find_if(offered.begin(), offered.end(),
                                  [&](const PaperChoice& choice) { return choice.name == name; });
  if (found == offered.end()) return std::nullopt;
  return found->code;
}

// The names of the selected printer's current paper size and source, empty
// when its driver tells none.
void TakePaperInForce(TLmPrinter& printer, PrinterInForce& inForce) {
  try {
    inForce.paperName =
        printer.GetPaperSizeNames().at(static_cast<std::size_t>(printer.GetPaperSizeIndex()));
  } catch (const ELmPrinter&) {
    inForce.paperName.clear();
  }
  try {
    inForce.binName = printer.GetBinNames().at(static_cast<std::size_t>(printer.GetBinIndex()));
  } catch (const ELmPrinter&) {
    inForce.binName.clear();
  }
}

// Selects the printer `choice` names with its paper and source, or reports
// it missing (the layer's selection then stays as it was).
PrinterInForce SelectChoice(TLmPrinter& printer, const PrinterChoice& choice) {
  PrinterInForce inForce;
  inForce.chosen = choice;
  const int number = VisibleNumberOf(printer, choice);
  if (number < 0) {
    inForce.how = PrinterSelection::kMissing;
    inForce.notice = RegisteredPrinterMissingNotice(
        choice.name.empty() ? Utf8ToCp932(choice.queue).bytes : choice.name);
    return inForce;
  }
  printer.SetIndex(number);
  const std::string queue = printer.CurrentPrinterQueue();
  inForce.chosen.name = std::string(Trim(printer.CurrentPrinterName()));
  inForce.chosen.queue = queue;
  inForce.printerNumber = std::to_string(number);
  const PrintService& service = printer.Service();
  const DocumentSettings defaults = service.DefaultSettings(queue);
  const auto paper = CodeNamed(service.PaperSizes(queue), choice.paperName, defaults.paperSize);
  const auto bin = CodeNamed(service.PaperSources(queue), choice.binName, defaults.defaultSource);
  if (!paper || !bin) {
    inForce.how = PrinterSelection::kMissing;
    inForce.notice = !paper ? RegisteredPaperMissingNotice(inForce.chosen.name, choice.paperName)
                            : RegisteredBinMissingNotice(inForce.chosen.name, choice.binName);
    return inForce;
  }
  printer.ApplySetupChoice(number, paper, bin);
  TakePaperInForce(printer, inForce);
  return inForce;
}

}  // namespace

PrinterChoice RegisteredChoice(const settings::RegisteredPrintValues& registration) {
  return {std::string(Trim(registration.printerName)), registration.printerQueue,
          registration.paperName, registration.binName};
}

PrinterInForce SelectRegisteredPrinter(TLmPrinter& printer, const std::string& printerNumber,
                                       const PrinterChoice& registered) {
  if (!registered.name.empty() || !registered.queue.empty()) {
    PrinterInForce inForce = SelectChoice(printer, registered);
    if (inForce.how == PrinterSelection::kMissing) inForce.printerNumber = printerNumber;
    return inForce;
  }
  const PrinterSelection how = SelectByNumber(printer, LabelTextToInt(printerNumber));
  PrinterChoice chosen = registered;
  chosen.queue = printer.CurrentPrinterQueue();
  PrinterInForce inForce = SelectChoice(printer, chosen);
  if (inForce.how == PrinterSelection::kMissing) return inForce;
  inForce.how = how;
  inForce.printerNumber = printerNumber;
  inForce.notice = UnnamedRegistrationNotice(inForce.chosen.name);
  return inForce;
}

PrinterInForce SelectPrinterAgain(TLmPrinter& printer, const PrinterInForce& inForce) {
  PrinterInForce again = SelectChoice(printer, inForce.chosen);
  if (again.how == PrinterSelection::kMissing) {
    again.printerNumber = inForce.printerNumber;
  } else if (inForce.how != PrinterSelection::kMissing) {
    again.how = inForce.how;
    again.notice = inForce.notice;
  }
  return again;
}

PrinterChoice SelectedPrinterChoice(TLmPrinter& printer) {
  PrinterInForce current;
  TakePaperInForce(printer, current);
  return {std::string(Trim(printer.CurrentPrinterName())), printer.CurrentPrinterQueue(),
          current.paperName, current.binName};
}

void RequirePrinterInForce(const PrinterInForce& inForce) {
  if (inForce.how == PrinterSelection::kMissing) {
    throw ENoPrinterInForce(CannotPrintText(inForce.notice));
  }
}

}  // namespace ruvo
