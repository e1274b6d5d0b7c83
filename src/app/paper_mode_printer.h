#pragma once
// The printer of the main window's current paper mode: its registration
// read and selected, kept in force by name whatever the print service does
// to its queues, shown in the printer group and the status bar, and
// registered anew through the setup dialog. It keeps the print values the
// window prints with (PrintLabels).

#include <QObject>
#include <QString>
#include <filesystem>
#include <functional>
#include <string>

#include "app/app_services.h"
#include "slip/printer_in_force.h"
#include "slip/window_state.h"

class QLabel;
class QStatusBar;

namespace ruvo {
class PrinterWatch;
class TLmPrinter;
}  // namespace ruvo

namespace ruvo::settings {
class FileReplacer;
struct RegisteredPrintValues;
}  // namespace ruvo::settings

namespace ruvo::app {

class PrinterGroup;
struct Margins;

class PaperModePrinter : public QObject {
 public:
  using RunSetup = std::function<AppServices::SetupOutcome()>;

  // Works in `folder`, writing through `files`; shows the printer in force
  // in `group` and `statusBar` (a label of its own in the permanent part).
  PaperModePrinter(TLmPrinter& printer, PrinterWatch& watch, PrinterGroup& group,
                   QStatusBar& statusBar, std::filesystem::path folder,
                   settings::FileReplacer& files, QObject* parent);

  const PrintLabels& Labels() const { return labels_; }
  const PrinterInForce& InForce() const { return inForce_; }
  QString InForceText() const;

  // The settings file's printer number and margins, before any paper
  // mode's registration is applied; no printer is registered yet.
  void StartFrom(const PrintLabels& settings);
  // Selects the paper mode's registered printer (none registered: the
  // labels' printer number chooses).
  void SelectRegistered();
  // A paper mode's registration into the labels, then its printer with its
  // paper and source.
  void ApplyRegistration(const settings::RegisteredPrintValues& values);
  // The registration of the paper mode the group shows, read anew.
  void PaperModeChanged();
  // Asks the print service for the printers now, so that a slip goes to the
  // printer in force; throws ENoPrinterInForce while it is missing.
  void RequireInForce();
  // The printers changed while the program ran.
  void PrintersChanged();
  // Registers the printer, paper and source chosen in `runSetup`'s dialog
  // for the current paper mode.
  void RegisterPrinter(const RunSetup& runSetup);
  // F7: the printer chosen in `runSetup`'s dialog for the run, its number
  // stored as the settings file's.
  void SetUpForTheRun(const RunSetup& runSetup);
  // Registers `margins` for the current paper mode; its printer, paper and
  // source stay registered as they are.
  void RegisterMargins(const Margins& margins);
  void ShowMargins(std::string top, std::string left);
  // The effective resolution the last slip was printed at.
  void SetPrintedResolution(std::string dpiX, std::string dpiY);

 private:
  // The printer in force from now on: its number into the labels, the
  // group and the status bar showing it, a notice that no longer applies
  // taken away.
  void Apply(PrinterInForce inForce);
  // Selected again after the layer's selection was changed for a dialog
  // that was left without a choice.
  void Restore();
  void ShowLists();

  TLmPrinter& printer_;
  PrinterWatch& watch_;
  PrinterGroup& group_;
  QStatusBar& statusBar_;
  QLabel* Label_PrinterInForce;
  std::filesystem::path folder_;
  settings::FileReplacer& files_;
  PrintLabels labels_;
  PrinterChoice registered_;  // the current paper mode's registered printer, paper and source
  PrinterInForce inForce_;    // nothing chosen until the start-up selects one
  QString notice_;            // the status text Apply last showed
};

}  // namespace ruvo::app
