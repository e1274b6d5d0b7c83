// Printing: F11's slip, and a day's orders from a shop's order file dropped
// on the window or opened with F3, both on the paper mode's printer with its paper, source and
// margins in force, or nowhere while that printer is missing; and the
// dialogs that set the printer and the margins up.
#include <QFileDialog>
#include <algorithm>
#include <memory>

#include "app/batch_dialog.h"
#include "app/form_main.h"
#include "app/form_slip97y_prn.h"
#include "app/goods_band.h"
#include "app/paper_mode_printer.h"
#include "app/window_journal.h"
#include "batch/order_file.h"
#include "print/print_job.h"
#include "print/printer_setup_dialog.h"
#include "print/qt_text_measurer.h"
#include "print/slip_fit.h"
#include "qt_text/qt_text.h"
#include "settings/file_errors.h"
#include "settings/file_store.h"

namespace ruvo::app {

// A working folder that can no longer be read at all (removed, renamed, its
// permissions taken away) leaves the printer and margins registered for the
// paper mode unknown: a slip would come out misplaced on a pre-printed form.
bool TForm_Main::RefusePrintingFromUnreadableFolder() {
  try {
    settings::RequireFolder(services_.workingFolder);
    return false;
  } catch (const settings::WorkingFolderError& error) {
    services_.boxes.ShowError(
        this,
        QStringLiteral(
            "作業フォルダ %1 を読めないため、印刷しません。\n"
            "登録したプリンタと印字位置が分からず、送り状がずれて印刷されるおそれがあります。")
            .arg(Cp932ToQString(settings::PathText(error.folder()))));
    return true;
  }
}

// The printers are asked first, so that the slip goes to the printer in
// force even when queues changed since the window was last activated; a
// missing one prints nothing. No question answered Yes, no slip: No puts
// the caret into the first goods line. The fields keep their values after
// printing, so the same slip can be printed again at once.
void TForm_Main::AskToPrint() {
  if (RefusePrintingFromUnreadableFolder()) return;
  printer_->RequireInForce();
  const SlipRecord slip = ReadRecordTellingReplaced();
  const PrintLabels& labels = printer_->Labels();
  const SlipPrintValues values = EffectivePrintValues(services_.printer, labels.top, labels.left,
                                                      labels.scaleX, labels.scaleY);
  if (!services_.boxes.Ask(this, OverflowQuestion(slip, values, PrintQuestion(slip)))) {
    goods_->FocusGoods(Qt::OtherFocusReason);
    return;
  }
  PrintSlip(services_.printer, slip, values);
  printer_->SetPrintedResolution(values.dpiX, values.dpiY);
  journal::PrintedSlip printed;
  printed.setup = PrintSetupNow(values);
  printed.slip = slip;
  RecordPrinted({printed});
}

QString TForm_Main::PrintQuestion(const SlipRecord& slip) {
  const QString duplicate = journal_->DuplicateQuestion(slip);
  if (!duplicate.isEmpty()) return duplicate;
  const QString printer = Cp932ToQString(printer_->InForce().chosen.name);
  return printer.isEmpty() ? QStringLiteral("印刷しますか?")
                           : QStringLiteral("「%1」に印刷しますか?").arg(printer);
}

// What a batch's texts are measured at: the printer's resolution when it
// tells it (the reference resolution else) and the form's scale in force.
SlipPrintValues TForm_Main::FitValues(const PrintLabels& labels) {
  Resolution dpi{kFitReferenceDpi, kFitReferenceDpi};
  try {
    dpi = EffectiveResolution(services_.printer);
  } catch (const std::exception&) {
    // the rows are checked all the same; printing asks the printer again
  }
  return {std::to_string(dpi.x), std::to_string(dpi.y), "", "", labels.scaleX, labels.scaleY};
}

namespace {

std::optional<std::filesystem::path> AskForOrderFile(QWidget* parent) {
  const QString file = QFileDialog::getOpenFileName(
      parent, QStringLiteral("注文ファイルを開く"), QString(),
      QStringLiteral("注文ファイル (*.csv *.txt *.tsv *.CSV *.TXT *.TSV);;すべてのファイル (*)"));
  if (file.isEmpty()) return std::nullopt;
  return std::filesystem::path(file.toStdString());
}

}  // namespace

// A day's orders from a shop's order file, dropped on the window or opened
// with F3: the batch dialog reads it off the event loop, shows every order
// and prints the good ones as one job, as F11 would, or none while the
// paper mode's printer is missing. The window's own slip stays as it is.
void TForm_Main::OpenOrderFile(const std::filesystem::path& file) {
  batch::OrderFileSource source;
  source.workingFolder = services_.workingFolder;
  source.selectedSender = std::max(SenderTab(), 0);
  source.postal = PostalDirectory();
  source.slipDate = goods_->SlipDate();
  // The orders' texts measured in the window's fonts, at the printer's
  // resolution and the form's scale in force.
  const PrintLabels& labels = printer_->Labels();
  const auto measurer = std::make_shared<const QtTextMeasurer>();
  source.measurer = measurer.get();
  source.fitValues = FitValues(labels);
  BatchDialogSetup setup{
      services_.printer,
      services_.boxes,
      labels.top,
      labels.left,
      [source, measurer](const BatchChoices& choices, const batch::ReadProgress& progress) {
        batch::OrderFileSource read = source;
        read.orderFile = choices.orderFile;
        read.encoding = choices.encoding;
        read.columnMap = choices.columnMap;
        return batch::LoadOrderFile(read, progress);
      },
      {file, {}, {}}};
  setup.requirePrinter = [this] { printer_->RequireInForce(); };
  setup.chooseOrderFile = services_.chooseOrderFile;
  setup.earlierPrints = [this](const std::vector<const SlipRecord*>& slips) {
    return journal_->EarlierPrints(slips);
  };
  setup.recordPrinted = [this](const std::filesystem::path& orderFile,
                               const std::vector<const batch::Order*>& orders,
                               const SlipPrintValues& values) {
    return journal_->Record(journal::BatchOrdersPrinted(orderFile, orders, PrintSetupNow(values)));
  };
  setup.scaleX = labels.scaleX;
  setup.scaleY = labels.scaleY;
  BatchDialog dialog(std::move(setup), this);
  dialog.exec();
}

void TForm_Main::ChooseOrderFile() {
  const auto choose = services_.chooseOrderFile ? services_.chooseOrderFile : AskForOrderFile;
  if (const std::optional<std::filesystem::path> file = choose(this)) OpenOrderFile(*file);
}

AppServices::SetupOutcome TForm_Main::RunPrinterSetup() {
  if (services_.runPrinterSetup) return services_.runPrinterSetup(this, printerWatch_);
  TLmPrinterSetupDialog dialog(services_.printer, printerWatch_, this);
  dialog.Execute();
  return dialog.LastOutcome();
}

// The margins of the current paper mode, shown on paper at the printer's
// resolution (unknown when the printer cannot tell it).
void TForm_Main::AdjustMargins() {
  Resolution dpi;
  try {
    dpi = EffectiveResolution(services_.printer);
  } catch (const std::exception&) {
    dpi = {};
  }
  const PrintLabels& labels = printer_->Labels();
  printPosition_->Execute({labels.top, labels.left, labels.scaleX, labels.scaleY}, dpi);
}

}  // namespace ruvo::app
