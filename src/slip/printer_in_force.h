#pragma once
// The printer a slip goes to: a paper mode's registered printer, paper and
// source selected on the printer layer, or why none is, as the window, the
// batch dialog and ruvo-slip select it.

#include <string>

#include "print/lm_printer_errors.h"
#include "settings/printer_registration.h"

namespace ruvo {

class TLmPrinter;

// A printer with the paper size and source to use on it, as a paper mode's
// registration names them, or as the user chose them in a setup dialog.
// Texts are CP932 as the layer lists them.
struct PrinterChoice {
  std::string name;       // as the printer list shows it, blanks at both ends removed
  std::string queue;      // the print service's name; empty: the first printer called `name`
  std::string paperName;  // empty: the printer's own default paper size
  std::string binName;    // empty: the printer's own default paper source
  bool operator==(const PrinterChoice&) const = default;
};

// The printer, paper and source a registration names ("PrnName",
// "PrnQueue", "PaperName", "BinName").
PrinterChoice RegisteredChoice(const settings::RegisteredPrintValues& registration);

// How a paper mode's printer came to be in force.
enum class PrinterSelection {
  kByName,    // the registered printer is a visible one; it is selected
  kByNumber,  // the registration names no printer: its number chose
  kFirst,     // it names none and its number names none (a number past the
              // list, -1 without a default printer): printer 0 is selected
  kMissing,   // the registered printer, or its paper size or source, is not
              // there: no slip can be printed until the user chooses again
};

// The printer a slip of the current paper mode goes to.
struct PrinterInForce {
  PrinterSelection how = PrinterSelection::kByName;
  // What is selected again whenever the layer's selection was reset (the
  // printer list changed, a dialog was left): the registered printer, or
  // after kByNumber and kFirst the printer the number chose, so that a
  // change of the list never moves the slips to another printer.
  PrinterChoice chosen;
  // The text Label_PrinterIndex holds from now on: the printer's number
  // now, which differs from the stored one when queues were added or
  // removed (the file is not rewritten); for kMissing the registered text
  // as it was.
  std::string printerNumber;
  // The paper size and source in force, as the printer lists them; empty
  // when its driver tells none (and for kMissing).
  std::string paperName;
  std::string binName;
  // CP932 status-bar text when the registration did not choose by name
  // (UnnamedRegistrationNotice) or is missing (RegisteredPrinterMissingNotice
  // and the paper's and source's); empty when it chose by name.
  std::string notice;
  bool operator==(const PrinterInForce&) const = default;
};

// Selects a paper mode's registered printer with its registered paper size
// and source (the printer's defaults where none is registered). A
// registration that names a printer (PrnName, PrnQueue) selects that one or
// none: when it is not visible, or does not offer the registered paper or
// source, the result is kMissing and the layer's selection stays as it
// was. Only a registration without a name lets `printerNumber` (a label
// text) decide, and a number the list cannot resolve selects printer 0. A
// number text that is no integer is a ConversionError when it decides; the
// layer's other errors (no printer at all, a service that cannot answer)
// propagate.
PrinterInForce SelectRegisteredPrinter(TLmPrinter& printer, const std::string& printerNumber,
                                       const PrinterChoice& registered);

// Selects `inForce.chosen` again, after the layer's selection was reset: the
// same printer, paper and source, or kMissing while the printer is gone
// (and the printer again, once it is back). Never another printer.
PrinterInForce SelectPrinterAgain(TLmPrinter& printer, const PrinterInForce& inForce);

// The printer, paper size and source the layer has selected, as a setup
// dialog leaves them. ELmPrinterNoDefault while none is selected.
PrinterChoice SelectedPrinterChoice(TLmPrinter& printer);

// No slip is printed while the printer in force is missing: the text says
// which printer, paper or source, and what to do ("印刷できません。登録された
// プリンタ「X」が見つかりません。…", CP932).
class ENoPrinterInForce : public EPrinter {
 public:
  using EPrinter::EPrinter;
};

// Throws ENoPrinterInForce for kMissing.
void RequirePrinterInForce(const PrinterInForce& inForce);

}  // namespace ruvo
