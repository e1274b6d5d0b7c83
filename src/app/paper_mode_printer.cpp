#include "app/paper_mode_printer.h"

#include <QLabel>
#include <QStatusBar>

#include "app/form_slip97y_prn.h"
#include "app/printer_group.h"
#include "print/lm_printers.h"
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

PaperModePrinter::PaperModePrinter(TLmPrinter& printer, PrinterWatch& watch, PrinterGroup& group,
                                   QStatusBar& statusBar, std::filesystem::path folder,
                                   settings::FileReplacer& files, QObject* parent)
    : QObject(parent),
      printer_(printer),
      watch_(watch),
      group_(group),
      statusBar_(statusBar),
      folder_(std::move(folder)),
      files_(files) {
  Label_PrinterInForce = new QLabel(&statusBar);
  Label_PrinterInForce->setObjectName(QStringLiteral("Label_PrinterInForce"));
  Label_PrinterInForce->setText(QStringLiteral("印刷先: なし"));
  statusBar.addPermanentWidget(Label_PrinterInForce);
}

QString PaperModePrinter::InForceText() const {
  return Label_PrinterInForce->text();
}

void PaperModePrinter::StartFrom(const PrintLabels& settings) {
  labels_.printerIndex = settings.printerIndex;
  registered_ = {};
  ShowMargins(settings.top, settings.left);
}

void PaperModePrinter::SelectRegistered() {
  Apply(SelectRegisteredPrinter(printer_, labels_.printerIndex, registered_));
}

void PaperModePrinter::Apply(PrinterInForce inForce) {
  inForce_ = std::move(inForce);
  labels_.printerIndex = inForce_.printerNumber;
  if (!notice_.isEmpty() && statusBar_.currentMessage() == notice_) statusBar_.clearMessage();
  notice_ = Cp932ToQString(inForce_.notice);
  if (!notice_.isEmpty()) statusBar_.showMessage(notice_);
  ShowLists();
  QStringList parts = {Cp932ToQString(inForce_.chosen.name)};
  for (const std::string* part : {&inForce_.paperName, &inForce_.binName}) {
    if (!part->empty()) parts << Cp932ToQString(*part);
  }
  const bool missing = inForce_.how == PrinterSelection::kMissing;
  Label_PrinterInForce->setText(
      QStringLiteral("印刷先: ") +
      (missing ? QStringLiteral("なし") : parts.join(QStringLiteral(" / "))));
}

void PaperModePrinter::Restore() {
  if (HasPrinterChosen(inForce_)) Apply(SelectPrinterAgain(printer_, inForce_));
}

// The three lists show the printer in force; while it is missing, the
// printer list names it over the printers there are. An error of the
// printer layer disables the printer list for the rest of the run, or
// leaves the paper-size or source list without a selection; none is shown
// to the user.
void PaperModePrinter::ShowLists() {
  using List = PrinterGroup::List;
  const bool missing = inForce_.how == PrinterSelection::kMissing;
  group_.ShowMissingPrinter(missing ? std::optional(inForce_.chosen.name) : std::nullopt);
  try {
    group_.ShowList(List::kPrinters, printer_.GetPrinterNames(),
                    missing ? -1 : printer_.GetIndex());
  } catch (const ELmPrinter&) {
    group_.DisablePrinters();
    return;
  }
  try {
    group_.ShowList(List::kPaperSizes, printer_.GetPaperSizeNames(),
                    missing ? -1 : printer_.GetPaperSizeIndex());
  } catch (const ELmPrinter&) {
    group_.Unselect(List::kPaperSizes);
  }
  try {
    group_.ShowList(List::kSources, printer_.GetBinNames(), missing ? -1 : printer_.GetBinIndex());
  } catch (const ELmPrinter&) {
    group_.Unselect(List::kSources);
  }
}

void PaperModePrinter::ShowMargins(std::string top, std::string left) {
  group_.ShowMargins(top, left);
  labels_.top = std::move(top);
  labels_.left = std::move(left);
}

void PaperModePrinter::SetPrintedResolution(std::string dpiX, std::string dpiY) {
  labels_.dpiX = std::move(dpiX);
  labels_.dpiY = std::move(dpiY);
}

void PaperModePrinter::ApplyRegistration(const settings::RegisteredPrintValues& values) {
  labels_.printerIndex = values.printerNumber;
  registered_ = RegisteredChoice(values);
  ShowMargins(values.marginTop, values.marginLeft);
  SelectRegistered();
}

void PaperModePrinter::PaperModeChanged() {
  ApplyRegistration(settings::ReadRegistration(folder_, group_.PaperModeText()));
}

// Before the start-up selected a printer (the print service did not
// answer then), the paper mode's registration is selected now, never the
// layer's fallback to the system default.
void PaperModePrinter::RequireInForce() {
  if (HasPrinterChosen(inForce_)) {
    watch_.CheckPrinters();
  } else {
    PaperModeChanged();
  }
  RequirePrinterInForce(inForce_);
}

// The layer fell back to the system's default printer: the printer in
// force is selected again by its name, or is missing now. Before the
// start-up chose one there is nothing to select again.
void PaperModePrinter::PrintersChanged() {
  if (!HasPrinterChosen(inForce_)) return ShowLists();
  Restore();
}

// The dialog preselects the printer in force (printer 0 when there is
// none). Only the user's choice is registered: a dialog left with Cancel,
// or whose choice was dropped because the printers changed under it,
// writes nothing and leaves the printer in force as it was.
void PaperModePrinter::RegisterPrinter(const RunSetup& runSetup) {
  PaperModeChanged();
  const int registered = ToIntOrZero(labels_.printerIndex);
  const bool inForce = inForce_.how != PrinterSelection::kMissing;
  printer_.SetIndex(inForce && registered == printer_.GetIndex() ? registered : 0);
  if (runSetup() != SetupOutcome::kApplied) return Restore();
  const PrinterChoice choice = SelectedPrinterChoice(printer_);
  registered_ = choice;
  Apply(SelectRegisteredPrinter(printer_, labels_.printerIndex, choice));
  settings::WriteRegistration(folder_, group_.PaperModeText(), RegistrationOf(choice, labels_),
                              files_);
}

// The dialog starts from the settings file's printer number; the paper
// modes' registrations are not changed, so the next paper-mode change or
// start selects theirs again. Cancel keeps the printer in force.
void PaperModePrinter::SetUpForTheRun(const RunSetup& runSetup) {
  printer_.SetIndex(settings::ReadPrinterNumber(folder_));
  if (runSetup() != SetupOutcome::kApplied) return Restore();
  settings::WritePrinterNumber(folder_, printer_.GetIndex(), files_);
  const PrinterChoice choice = SelectedPrinterChoice(printer_);
  Apply(SelectRegisteredPrinter(printer_, std::to_string(printer_.GetIndex()), choice));
}

void PaperModePrinter::RegisterMargins(const Margins& margins) {
  settings::WriteRegisteredMargins(folder_, group_.PaperModeText(), margins.top, margins.left,
                                   files_);
  ShowMargins(margins.top, margins.left);
}

}  // namespace ruvo::app
