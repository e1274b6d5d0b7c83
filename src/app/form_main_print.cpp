// The printer of each paper mode and the print command: the printer group's
// display, the paper-mode change, registering a printer, the printer setup
// (F7) and F11.
#include <QComboBox>
#include <QLabel>
#include <QStatusBar>

#include "app/cp932_line_edit.h"
#include "app/form_main.h"
#include "app/form_slip97y_prn.h"
#include "app/goods_band.h"
#include "app/recipient_band.h"
#include "print/lm_printers.h"
#include "print/print_job.h"
#include "print/printer_setup_dialog.h"
#include "print/printer_watch.h"
#include "print/slip_units.h"
#include "qt_text/qt_text.h"
#include "settings/app_settings.h"
#include "settings/file_errors.h"
#include "settings/file_store.h"
#include "settings/printer_registration.h"
#include "slip/printer_in_force.h"
#include "transfer/text_ops.h"

namespace ruvo::app {
namespace {

using SetupOutcome = AppServices::SetupOutcome;

// Fills a display box with `names` and selects `index`.
void ShowList(QComboBox& box, const std::vector<std::string>& names, int index) {
  box.clear();
  for (const std::string& name : names)
    box.addItem(Cp932ToQString(name));
  box.setCurrentIndex(index);
}

// A text of a label as an integer, 0 when it is no number.
int ToIntOrZero(const std::string& text) {
  try {
    return LabelTextToInt(text);
  } catch (const ConversionError&) {
    return 0;
  }
}

bool HasPrinterChosen(const PrinterInForce& inForce) {
  return !inForce.chosen.name.empty() || !inForce.chosen.queue.empty();
}

}  // namespace

std::string TForm_Main::PaperModeText() const {
  return QStringToCp932(goods_->ComboBox_SEL->currentText()).bytes;
}

std::string TForm_Main::PrinterBoxText() const {
  return std::string(Trim(QStringToCp932(goods_->ComboBox1->currentText()).bytes));
}

void TForm_Main::SetMargins(std::string top, std::string left) {
  labels_.top = std::move(top);
  labels_.left = std::move(left);
  goods_->Label_Prn_Top->setText(Cp932ToQString(labels_.top));
  goods_->Label_Prn_Top->adjustSize();
  goods_->Label_Prn_Left->setText(Cp932ToQString(labels_.left));
  goods_->Label_Prn_Left->adjustSize();
}

QString TForm_Main::PrinterInForceText() const {
  return Label_PrinterInForce->text();
}

// Selects the registered printer of the current paper mode (none: the
// number of Label_PrinterIndex chooses).
void TForm_Main::SpeedButton_PRNSETClick() {
  ApplyPrinterInForce(
      SelectRegisteredPrinter(services_.printer, labels_.printerIndex, registered_));
}

void TForm_Main::ApplyPrinterInForce(PrinterInForce inForce) {
  printerInForce_ = std::move(inForce);
  labels_.printerIndex = printerInForce_.printerNumber;
  if (!printerNotice_.isEmpty() && StatusText() == printerNotice_) StatusBar1->clearMessage();
  printerNotice_ = Cp932ToQString(printerInForce_.notice);
  if (!printerNotice_.isEmpty()) SetStatus(printerNotice_);
  FillPrinterBoxes();
  QStringList parts = {Cp932ToQString(printerInForce_.chosen.name)};
  for (const std::string* part : {&printerInForce_.paperName, &printerInForce_.binName}) {
    if (!part->empty()) parts << Cp932ToQString(*part);
  }
  const bool missing = printerInForce_.how == PrinterSelection::kMissing;
  Label_PrinterInForce->setText(
      QStringLiteral("印刷先: ") +
      (missing ? QStringLiteral("なし") : parts.join(QStringLiteral(" / "))));
}

void TForm_Main::RestorePrinterInForce() {
  if (HasPrinterChosen(printerInForce_))
    ApplyPrinterInForce(SelectPrinterAgain(services_.printer, printerInForce_));
}

// Before the start-up selected a printer (the print service did not
// answer then), the paper mode's registration is selected now, never the
// layer's fallback to the system default.
void TForm_Main::KeepPrinterInForce() {
  if (!HasPrinterChosen(printerInForce_)) return SpeedButton_PrnIdGetClick();
  printerWatch_->CheckPrinters();
}

// The three display boxes show the printer in force; while it is missing,
// the printer box names it over the list of those there are. An error of
// the printer layer disables the printer box for the rest of the run, or
// leaves the paper-size or source box without a selection; none is shown
// to the user.
void TForm_Main::FillPrinterBoxes() {
  TLmPrinter& printer = services_.printer;
  const bool missing = printerInForce_.how == PrinterSelection::kMissing;
  goods_->ComboBox1->setPlaceholderText(
      missing
          ? QStringLiteral("「%1」がありません").arg(Cp932ToQString(printerInForce_.chosen.name))
          : QString());
  try {
    ShowList(*goods_->ComboBox1, printer.GetPrinterNames(), missing ? -1 : printer.GetIndex());
  } catch (const ELmPrinter&) {
    goods_->ComboBox1->setEnabled(false);
    return;
  }
  try {
    ShowList(*goods_->ComboBox2, printer.GetPaperSizeNames(),
             missing ? -1 : printer.GetPaperSizeIndex());
  } catch (const ELmPrinter&) {
    goods_->ComboBox2->setCurrentIndex(-1);
  }
  try {
    ShowList(*goods_->ComboBox3, printer.GetBinNames(), missing ? -1 : printer.GetBinIndex());
  } catch (const ELmPrinter&) {
    goods_->ComboBox3->setCurrentIndex(-1);
  }
}

void TForm_Main::ComboBox_SELChange() {
  SpeedButton_PrnIdGetClick();
}

// The paper mode's registration into the labels, then its printer with its
// paper and source.
void TForm_Main::SpeedButton_PrnIdGetClick() {
  const settings::RegisteredPrintValues values =
      settings::ReadRegistration(services_.workingFolder, PaperModeText());
  labels_.printerIndex = values.printerNumber;
  registered_ = RegisteredChoice(values);
  SetMargins(values.marginTop, values.marginLeft);
  SpeedButton_PRNSETClick();
}

SetupOutcome TForm_Main::RunPrinterSetup() {
  if (services_.runPrinterSetup) return services_.runPrinterSetup(this, printerWatch_);
  TLmPrinterSetupDialog dialog(services_.printer, printerWatch_, this);
  dialog.Execute();
  return dialog.LastOutcome();
}

// Registers a printer, its paper size and its source for the current paper
// mode through the setup dialog, preselecting the printer in force (printer
// 0 when there is none). Only the user's choice is registered: a dialog
// left with Cancel, or whose choice was dropped because the printers
// changed under it, writes nothing and leaves the printer in force as it
// was.
void TForm_Main::BitBtn_PrnSetClick() {
  SpeedButton_PrnIdGetClick();
  TLmPrinter& printer = services_.printer;
  const int registered = ToIntOrZero(labels_.printerIndex);
  const bool inForce = printerInForce_.how != PrinterSelection::kMissing;
  printer.SetIndex(inForce && registered == printer.GetIndex() ? registered : 0);
  if (RunPrinterSetup() != SetupOutcome::kApplied) return RestorePrinterInForce();
  const PrinterChoice choice = SelectedPrinterChoice(printer);
  registered_ = choice;
  ApplyPrinterInForce(SelectRegisteredPrinter(printer, labels_.printerIndex, choice));
  settings::RegisteredPrintValues values{labels_.printerIndex, labels_.top, labels_.left};
  values.printerQueue = choice.queue;
  values.paperName = choice.paperName;
  values.binName = choice.binName;
  settings::WriteRegistration(services_.workingFolder, PaperModeText(), {choice.name, values},
                              services_.files);
}

void TForm_Main::BitBtn_PrnSet2Click() {
  printPosition_->Execute();
}

// The printer setup of F7 starts from the settings file's printer number
// and stores the one chosen there; the paper modes' registrations are not
// changed, so the next paper-mode change or start selects theirs again.
// Cancel keeps the printer in force.
void TForm_Main::SpeedButton_F7Click() {
  TLmPrinter& printer = services_.printer;
  printer.SetIndex(settings::ReadPrinterNumber(services_.workingFolder));
  if (RunPrinterSetup() != SetupOutcome::kApplied) return RestorePrinterInForce();
  settings::WritePrinterNumber(services_.workingFolder, printer.GetIndex(), services_.files);
  const PrinterChoice choice = SelectedPrinterChoice(printer);
  ApplyPrinterInForce(SelectRegisteredPrinter(printer, std::to_string(printer.GetIndex()), choice));
}

// The printers changed while the program ran and the layer fell back to the
// system's default printer: the printer in force is selected again by its
// name, or is missing now. Before the start-up chose one there is nothing
// to select again.
void TForm_Main::OnPrintersChanged() {
  if (!HasPrinterChosen(printerInForce_)) return FillPrinterBoxes();
  RestorePrinterInForce();
}

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
void TForm_Main::SpeedButton_F11Click() {
  if (RefusePrintingFromUnreadableFolder()) return;
  KeepPrinterInForce();
  RequirePrinterInForce(printerInForce_);
  const QString printer = Cp932ToQString(printerInForce_.chosen.name);
  const QString question = printer.isEmpty() ? QStringLiteral("印刷しますか?")
                                             : QStringLiteral("「%1」に印刷しますか?").arg(printer);
  if (!services_.boxes.Ask(this, question)) {
    goods_->Edit_G1->setFocus(Qt::OtherFocusReason);
    return;
  }
  const SlipRecord slip = Record();
  const SlipPrintValues values = PrintSlip(services_.printer, slip, labels_.top, labels_.left);
  labels_.dpiX = values.dpiX;
  labels_.dpiY = values.dpiY;
}

}  // namespace ruvo::app
