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

// How a registered printer number was applied.
enum class PrinterSelection {
  kRegistered,  // the registered number is selected
  kFirst,       // the list cannot resolve the number; printer 0 is selected
};

// Selects the printer number `printerNumber` (a label text): a number the
// printer list cannot resolve selects printer 0 instead. A text that is no
// integer is a ConversionError; the layer's other errors (no printer at all)
// propagate.
PrinterSelection SelectRegisteredPrinter(TLmPrinter& printer, const std::string& printerNumber);

// Today in the local time zone: the slip date a window shows when it opens.
std::chrono::year_month_day LocalToday();

}  // namespace ruvo
