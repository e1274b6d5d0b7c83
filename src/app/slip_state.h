#pragma once
// What the main window and ruvo-slip share about the slip of a working
// folder: the saved fields of the settings file as the window's controls hold
// them, and the selection of a paper mode's registered printer.

#include <chrono>
#include <string>

#include "print/slip_record.h"
#include "settings/app_settings.h"

namespace ruvo {

class TLmPrinter;

// Writes the saved fields into `slip` as the window's controls hold them once
// set: the recipient's postal code and telephone half-width (their change
// handlers convert them; the sender's have none), and the quantity as the
// numeric box keeps it ("007" → "7", "１２" → "12"). The third address line,
// the dates, the switches and the time slot are left as they are.
void RestoreSavedSlip(SlipRecord& slip, const settings::SavedSlip& saved);

// The fields the settings file keeps, taken from the controls' record.
settings::SavedSlip SavedSlipOf(const SlipRecord& slip);

// How a paper mode's registered printer was selected.
enum class PrinterSelection {
  kByName,    // the registered name is a visible printer's; that one is selected
  kByNumber,  // no name, or none of a visible printer: the registered number chose
  kFirst,     // neither resolves (a number past the list, -1 without a
              // default printer): printer 0 is selected
};

struct RegisteredPrinterChoice {
  PrinterSelection how = PrinterSelection::kByName;
  // The text Label_PrinterIndex holds from now on: by name the selected
  // printer's number now, which may differ from the stored one when queues
  // were added or removed (the file is not rewritten); otherwise the
  // registered text as it was.
  std::string printerNumber;
  std::string printerName;  // CP932 name of the printer now selected
  // CP932 status-bar text naming that printer when the registered name did
  // not choose it (RegisteredPrinterMissingNotice, UnnamedRegistrationNotice);
  // empty when it did.
  std::string notice;
};

// Selects a paper mode's registered printer. Numbers shift when a queue is
// added or a network printer appears, so the registered name ("PrnName")
// decides when a visible printer has it (blanks at both ends aside); only
// then does `printerNumber` (a label text) decide, and a number the list
// cannot resolve selects printer 0. A number text that is no integer is a
// ConversionError when it decides; the layer's other errors (no printer at
// all, a printer gone since the snapshot) propagate.
RegisteredPrinterChoice SelectRegisteredPrinter(TLmPrinter& printer,
                                                const std::string& printerNumber,
                                                const std::string& printerName);

// Today in the local time zone: the slip date a window shows when it opens.
std::chrono::year_month_day LocalToday();

}  // namespace ruvo
