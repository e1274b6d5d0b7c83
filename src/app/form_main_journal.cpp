// The main window and the shipment journal: the journal opened once the
// window stands, the slips it printed recorded, and what the user is told
// when they could not be.
#include "app/form_main.h"
#include "app/history_dialog.h"
#include "app/paper_mode_printer.h"
#include "app/printer_group.h"
#include "app/window_journal.h"
#include "print/lm_printers.h"
#include "print/print_job.h"
#include "print/slip_document.h"
#include "qt_text/qt_text.h"

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

std::chrono::year_month_day TForm_Main::Today() const {
  const QDate today = services_.today();
  return std::chrono::year_month_day(std::chrono::year(today.year()),
                                     std::chrono::month(static_cast<unsigned>(today.month())),
                                     std::chrono::day(static_cast<unsigned>(today.day())));
}

// A slip chosen to be loaded replaces the window's slip, to be changed and
// printed with F11.
void TForm_Main::OpenHistory() {
  HistoryDialog dialog({journal_->Journal(), services_.boxes, Today(),
                        [this](const std::vector<journal::PrintedSlip>& originals,
                               journal::ReprintDate date) { Reprint(originals, date); }},
                       this);
  dialog.exec();
  if (const QString aside = journal_->TakeSetAsideNotice(); !aside.isEmpty())
    services_.boxes.Notify(this, aside);
  if (!dialog.SlipToLoad()) return;
  WriteRecord(*dialog.SlipToLoad());
  SetStatus(QStringLiteral("履歴の送り状を呼び出しました。直して F11 で印刷できます"));
}

// The reprints keep their originals' order numbers; they go to the printer
// of the paper mode in force, as F11's slip would.
void TForm_Main::Reprint(const std::vector<journal::PrintedSlip>& originals,
                         journal::ReprintDate date) {
  if (RefusePrintingFromUnreadableFolder()) return;
  printer_->RequireInForce();
  const QString printer = Cp932ToQString(printer_->InForce().chosen.name);
  if (!services_.boxes.Ask(this,
                           QStringLiteral("選んだ %1 枚の送り状を「%2」にもう一度印刷しますか?")
                               .arg(originals.size())
                               .arg(printer)))
    return;
  std::vector<journal::PrintedSlip> reprints;
  for (const journal::PrintedSlip& original : originals) {
    journal::PrintedSlip& reprint = reprints.emplace_back();
    reprint.orderNumber = original.orderNumber;
    reprint.reprintOf = original.id;
    reprint.slip = journal::SlipToReprint(original, date, Today());
  }
  std::vector<const SlipRecord*> slips;
  for (const journal::PrintedSlip& reprint : reprints)
    slips.push_back(&reprint.slip);
  const PrintLabels& labels = printer_->Labels();
  const SlipPrintValues values = EffectivePrintValues(services_.printer, labels.top, labels.left);
  PrinterPageSink sink(services_.printer);
  PrintSlips(slips, values, sink);
  for (journal::PrintedSlip& reprint : reprints)
    reprint.setup = PrintSetupNow(values);
  RecordPrinted(std::move(reprints));
}

}  // namespace ruvo::app
