// The main window and the shipment journal: the journal opened once the
// window stands, the slips it printed recorded, and what the user is told
// when they could not be.
#include <QFileDialog>

#include "app/book_dialog.h"
#include "app/form_main.h"
#include "app/history_dialog.h"
#include "app/paper_mode_printer.h"
#include "app/printer_group.h"
#include "app/recipient_band.h"
#include "app/recipient_completer.h"
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
  HistoryDialog dialog({journal_->Journal(), services_.boxes, Today(), printers_->PaperMode(),
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
  const SlipPrintValues values = EffectivePrintValues(services_.printer, labels.top, labels.left,
                                                      labels.scaleX, labels.scaleY);
  PrinterPageSink sink(services_.printer);
  PrintSlips(slips, values, sink);
  for (journal::PrintedSlip& reprint : reprints)
    reprint.setup = PrintSetupNow(values);
  RecordPrinted(std::move(reprints));
}

namespace {

std::optional<std::filesystem::path> ChooseImportFile(QWidget* parent) {
  const QString file = QFileDialog::getOpenFileName(
      parent, QStringLiteral("住所録に取り込む CSV ファイル"), QString(),
      QStringLiteral("CSV ファイル (*.csv *.txt);;すべてのファイル (*)"));
  if (file.isEmpty()) return std::nullopt;
  return std::filesystem::path(file.toStdString());
}

std::optional<AppServices::BookExport> ChooseExportFile(QWidget* parent) {
  const QString utf8 = QStringLiteral("CSV UTF-8 (BOM付き) (*.csv)");
  QString filter = utf8;
  const QString file = QFileDialog::getSaveFileName(
      parent, QStringLiteral("住所録の書き出し先"), QStringLiteral("住所録.csv"),
      utf8 + QStringLiteral(";;CSV Shift-JIS (*.csv)"), &filter);
  if (file.isEmpty()) return std::nullopt;
  return AppServices::BookExport{std::filesystem::path(file.toStdString()), filter == utf8};
}

}  // namespace

// The name and telephone fields complete from the recipient book; a
// chosen entry fills the whole recipient.
void TForm_Main::MakeCompleters() {
  const auto make = [this](SlipField field, journal::CompletedField completed) {
    auto* completer = new RecipientCompleter(
        completed,
        [this, completed](const std::string& typed) {
          return journal::CompleteRecipients(journal_->Journal(), completed, typed, 10);
        },
        this);
    recipient_->SetCompleter(field, completer);
    ConnectGuarded(guard_, completer, &RecipientCompleter::recipientChosen, this,
                   [this](qint64 id) { FillRecipient(id); });
    return completer;
  };
  RecipientCompleter* name = make(SlipField::kRecipientName, journal::CompletedField::kName);
  RecipientCompleter* tel = make(SlipField::kRecipientTel, journal::CompletedField::kTel);
  ConnectGuarded(guard_, recipient_, &RecipientBand::completionTyped, this,
                 [name, tel](SlipField field, const QString& text) {
                   (field == SlipField::kRecipientTel ? tel : name)->Typed(text);
                 });
}

void TForm_Main::FillRecipient(std::int64_t id) {
  const std::optional<journal::Recipient> entry = journal::FindRecipient(journal_->Journal(), id);
  if (!entry) return;
  SlipRecord slip = Record();
  slip.recipientZip = entry->zip;
  slip.recipientAddress1 = entry->address1;
  slip.recipientAddress2 = entry->address2;
  slip.recipientAddress3 = entry->address3;
  slip.recipientName = entry->name;
  slip.recipientTel = entry->tel;
  WriteRecord(slip);
  SetStatus(QStringLiteral("住所録のお届け先を入力しました"));
}

void TForm_Main::OpenRecipientBook() {
  BookDialogSetup setup{
      journal_->Journal(), services_.boxes, services_.files,
      services_.chooseBookImportFile ? services_.chooseBookImportFile : ChooseImportFile,
      [this](QWidget* parent) -> std::optional<BookDialogSetup::ExportTarget> {
        const auto target = services_.chooseBookExportFile ? services_.chooseBookExportFile(parent)
                                                           : ChooseExportFile(parent);
        if (!target) return std::nullopt;
        return BookDialogSetup::ExportTarget{
            target->file, target->utf8 ? batch::CsvEncoding::kUtf8 : batch::CsvEncoding::kCp932};
      }};
  BookDialog dialog(std::move(setup), this);
  dialog.exec();
  if (dialog.Chosen()) FillRecipient(dialog.Chosen()->id);
}

}  // namespace ruvo::app
