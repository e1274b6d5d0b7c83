// The main window and the shipment journal: the journal opened once the
// window stands, the slips it printed recorded, and what the user is told
// when they could not be.
#include "app/form_main.h"
#include "app/paper_mode_printer.h"
#include "app/printer_group.h"
#include "app/window_journal.h"
#include "print/lm_printers.h"

namespace ruvo::app {

// A journal found damaged is said at once; a day's copy that could not be
// made is said in the status bar, as it stops no work.
void TForm_Main::OpenJournal() {
  const WindowJournal::Opening opening = journal_->OpenAndKeepDailyCopy();
  if (!opening.copyProblem.isEmpty()) SetStatus(opening.copyProblem);
  if (!opening.setAside.isEmpty()) services_.boxes.Notify(this, opening.setAside);
}

journal::PrintSetup TForm_Main::PrintSetupNow(const SlipPrintValues& values) const {
  const PrinterInForce& inForce = printer_->InForce();
  return {printers_->PaperMode(),
          services_.printer.CurrentPrinterQueue(),
          services_.printer.CurrentPrinterName(),
          inForce.paperName,
          inForce.binName,
          values,
          services_.printer.LastJobId()};
}

void TForm_Main::RecordPrinted(std::vector<journal::PrintedSlip> slips) {
  const QString notice = journal_->Record(std::move(slips));
  if (!notice.isEmpty()) services_.boxes.Notify(this, notice);
}

}  // namespace ruvo::app
