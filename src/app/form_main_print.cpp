// The printer of each paper mode and the print command: the printer group's
// display, the paper-mode change, registering a printer, the printer setup
// (F7) and F11.
#include <QComboBox>
#include <QLabel>

#include "app/cp932_line_edit.h"
#include "app/form_main.h"
#include "app/form_slip97y_prn.h"
#include "app/goods_band.h"
#include "app/recipient_band.h"
#include "app/slip_state.h"
#include "print/lm_printers.h"
#include "print/print_job.h"
#include "print/printer_setup_dialog.h"
#include "print/slip_units.h"
#include "settings/app_settings.h"
#include "settings/file_errors.h"
#include "settings/file_store.h"
#include "settings/printer_registration.h"
#include "transfer/text_ops.h"
#include "widgets/qt_text.h"

namespace ruvo::app {
namespace {

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

// Selects the registered printer: by its name while a visible printer has
// it (numbers shift when queues come and go), else by the number of
// Label_PrinterIndex, and printer 0 when neither resolves. The boxes then
// show the printer a slip goes to, and the status bar says when it is not
// the one registered by name.
void TForm_Main::SpeedButton_PRNSETClick() {
  const RegisteredPrinterChoice choice =
      SelectRegisteredPrinter(services_.printer, labels_.printerIndex, labels_.printerName);
  labels_.printerIndex = choice.printerNumber;
  if (!choice.notice.empty()) SetStatus(Cp932ToQString(choice.notice));
  FillPrinterBoxes();
}

// The three display boxes. An error of the printer layer disables the
// printer box for the rest of the run, or leaves the paper-size or source
// box without a selection; none is shown to the user.
void TForm_Main::FillPrinterBoxes() {
  TLmPrinter& printer = services_.printer;
  try {
    ShowList(*goods_->ComboBox1, printer.GetPrinterNames(), printer.GetIndex());
  } catch (const ELmPrinter&) {
    goods_->ComboBox1->setEnabled(false);
    return;
  }
  try {
    ShowList(*goods_->ComboBox2, printer.GetPaperSizeNames(), printer.GetPaperSizeIndex());
  } catch (const ELmPrinter&) {
    goods_->ComboBox2->setCurrentIndex(-1);
  }
  try {
    ShowList(*goods_->ComboBox3, printer.GetBinNames(), printer.GetBinIndex());
  } catch (const ELmPrinter&) {
    goods_->ComboBox3->setCurrentIndex(-1);
  }
}

void TForm_Main::ComboBox_SELChange() {
  SpeedButton_PrnIdGetClick();
}

// The paper mode's registration into the labels, then its printer.
void TForm_Main::SpeedButton_PrnIdGetClick() {
  const settings::RegisteredPrintValues values =
      settings::ReadRegistration(labels_.currentDir, PaperModeText());
  labels_.printerIndex = values.printerNumber;
  labels_.printerName = values.printerName;
  SetMargins(values.marginTop, values.marginLeft);
  SpeedButton_PRNSETClick();
}

bool TForm_Main::RunPrinterSetup() {
  using Outcome = TLmPrinterSetupDialog::Outcome;
  Outcome outcome = Outcome::kCancelled;
  if (services_.runPrinterSetup) {
    outcome = services_.runPrinterSetup(this, printerWatch_);
  } else {
    TLmPrinterSetupDialog dialog(services_.printer, printerWatch_, this);
    dialog.Execute();
    outcome = dialog.LastOutcome();
  }
  return outcome != Outcome::kDropped;
}

// The printer now selected becomes the one in force, by name and number.
void TForm_Main::TakeSelectedPrinter() {
  labels_.printerIndex = std::to_string(services_.printer.GetIndex());
  labels_.printerName = services_.printer.CurrentPrinterName();
}

// Registers a printer for the current paper mode through the setup dialog.
// Its result is not examined: the registration is written after Cancel too,
// with the printer then selected. Only a choice dropped because the printers
// changed under the dialog writes nothing, since the printer then selected
// is the system's fallback, not the user's (the status bar says which).
// The paper size and source chosen hold until another printer is selected.
void TForm_Main::BitBtn_PrnSetClick() {
  SpeedButton_PrnIdGetClick();
  TLmPrinter& printer = services_.printer;
  const int registered = ToIntOrZero(labels_.printerIndex);
  printer.SetIndex(registered == printer.GetIndex() ? registered : 0);
  if (!RunPrinterSetup()) return;
  TakeSelectedPrinter();
  SpeedButton_PRNSETClick();
  settings::WriteRegistration(
      labels_.currentDir, PaperModeText(),
      {PrinterBoxText(), {labels_.printerIndex, labels_.top, labels_.left}});
}

void TForm_Main::BitBtn_PrnSet2Click() {
  printPosition_->Execute();
}

// The printer setup of F7 starts from the settings file's printer number
// and stores the one chosen there; the paper modes' registrations are not
// changed, so the next paper-mode change or start selects theirs again.
void TForm_Main::SpeedButton_F7Click() {
  TLmPrinter& printer = services_.printer;
  printer.SetIndex(settings::ReadPrinterNumber(labels_.currentDir));
  if (!RunPrinterSetup()) return;
  settings::WritePrinterNumber(labels_.currentDir, printer.GetIndex());
  TakeSelectedPrinter();
  SpeedButton_PRNSETClick();
}

// The printers changed while the program ran: the layer fell back to the
// system's default printer, which the boxes now show and `notice` names.
void TForm_Main::OnPrintersChanged(const QString& notice) {
  FillPrinterBoxes();
  SetStatus(notice);
}

// A working folder that can no longer be read at all (removed, renamed, its
// permissions taken away) leaves the printer and margins registered for the
// paper mode unknown: a slip would come out misplaced on a pre-printed form.
bool TForm_Main::RefusePrintingFromUnreadableFolder() {
  try {
    settings::RequireFolder(labels_.currentDir);
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

// No question answered Yes, no slip: No puts the caret into the first goods
// line. The fields keep their values after printing, so the same slip can
// be printed again at once.
void TForm_Main::SpeedButton_F11Click() {
  if (RefusePrintingFromUnreadableFolder()) return;
  if (!services_.boxes.Ask(this, QStringLiteral("印刷しますか?"))) {
    goods_->Edit_G1->setFocus(Qt::OtherFocusReason);
    return;
  }
  const SlipRecord slip = Record();
  const SlipPrintValues values = PrintSlip(services_.printer, slip, labels_.top, labels_.left);
  labels_.dpiX = values.dpiX;
  labels_.dpiY = values.dpiY;
}

}  // namespace ruvo::app
