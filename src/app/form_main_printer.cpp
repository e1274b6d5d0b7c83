// The printer of each paper mode: the printer group's display, the
// paper-mode change, registering a printer and its margins, and the printer
// setup (F7).
#include <QLabel>
#include <QStatusBar>

#include "app/form_main.h"
#include "app/form_slip97y_prn.h"
#include "app/printer_group.h"
#include "print/lm_printers.h"
#include "print/print_job.h"
#include "print/printer_setup_dialog.h"
#include "print/printer_watch.h"
#include "print/slip_units.h"
#include "qt_text/qt_text.h"
#include "settings/app_settings.h"
#include "settings/printer_registration.h"

namespace ruvo::app {
namespace {

using SetupOutcome = AppServices::SetupOutcome;

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

void TForm_Main::SelectPaperModePrinter() {
  ApplyPrinterInForce(
      SelectRegisteredPrinter(services_.printer, labels_.printerIndex, registered_));
}

void TForm_Main::ApplyPrinterInForce(PrinterInForce inForce) {
  printerInForce_ = std::move(inForce);
  labels_.printerIndex = printerInForce_.printerNumber;
  if (!printerNotice_.isEmpty() && StatusText() == printerNotice_) StatusBar1->clearMessage();
  printerNotice_ = Cp932ToQString(printerInForce_.notice);
  if (!printerNotice_.isEmpty()) SetStatus(printerNotice_);
  ShowPrinterLists();
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
  if (!HasPrinterChosen(printerInForce_)) return PaperModeChanged();
  printerWatch_->CheckPrinters();
}

// The three lists show the printer in force; while it is missing, the
// printer list names it over the printers there are. An error of the
// printer layer disables the printer list for the rest of the run, or
// leaves the paper-size or source list without a selection; none is shown
// to the user.
void TForm_Main::ShowPrinterLists() {
  using List = PrinterGroup::List;
  TLmPrinter& printer = services_.printer;
  const bool missing = printerInForce_.how == PrinterSelection::kMissing;
  printers_->ShowMissingPrinter(missing ? std::optional(printerInForce_.chosen.name)
                                        : std::nullopt);
  try {
    printers_->ShowList(List::kPrinters, printer.GetPrinterNames(),
                        missing ? -1 : printer.GetIndex());
  } catch (const ELmPrinter&) {
    printers_->DisablePrinters();
    return;
  }
  try {
    printers_->ShowList(List::kPaperSizes, printer.GetPaperSizeNames(),
                        missing ? -1 : printer.GetPaperSizeIndex());
  } catch (const ELmPrinter&) {
    printers_->Unselect(List::kPaperSizes);
  }
  try {
    printers_->ShowList(List::kSources, printer.GetBinNames(),
                        missing ? -1 : printer.GetBinIndex());
  } catch (const ELmPrinter&) {
    printers_->Unselect(List::kSources);
  }
}

void TForm_Main::ShowMargins(std::string top, std::string left) {
  printers_->ShowMargins(top, left);
  labels_.top = std::move(top);
  labels_.left = std::move(left);
}

// A paper mode's registration into the labels, then its printer with its
// paper and source.
void TForm_Main::ApplyRegistration(const settings::RegisteredPrintValues& values) {
  labels_.printerIndex = values.printerNumber;
  registered_ = RegisteredChoice(values);
  ShowMargins(values.marginTop, values.marginLeft);
  SelectPaperModePrinter();
}

void TForm_Main::PaperModeChanged() {
  ApplyRegistration(
      settings::ReadRegistration(services_.workingFolder, printers_->PaperModeText()));
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
void TForm_Main::RegisterPrinter() {
  PaperModeChanged();
  TLmPrinter& printer = services_.printer;
  const int registered = ToIntOrZero(labels_.printerIndex);
  const bool inForce = printerInForce_.how != PrinterSelection::kMissing;
  printer.SetIndex(inForce && registered == printer.GetIndex() ? registered : 0);
  if (RunPrinterSetup() != SetupOutcome::kApplied) return RestorePrinterInForce();
  const PrinterChoice choice = SelectedPrinterChoice(printer);
  registered_ = choice;
  ApplyPrinterInForce(SelectRegisteredPrinter(printer, labels_.printerIndex, choice));
  settings::WriteRegistration(services_.workingFolder, printers_->PaperModeText(),
                              RegistrationOf(choice, labels_), services_.files);
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
  printPosition_->Execute({labels_.top, labels_.left}, dpi);
}

// The printer setup of F7 starts from the settings file's printer number
// and stores the one chosen there; the paper modes' registrations are not
// changed, so the next paper-mode change or start selects theirs again.
// Cancel keeps the printer in force.
void TForm_Main::SetUpPrinter() {
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
void TForm_Main::PrintersChanged() {
  if (!HasPrinterChosen(printerInForce_)) return ShowPrinterLists();
  RestorePrinterInForce();
}

}  // namespace ruvo::app
