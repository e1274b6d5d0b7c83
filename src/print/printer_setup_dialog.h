#pragma once
// The printer-setup dialog ("プリンタの設定"): choose one of the visible
// printers, its paper size and its paper source for the running program.
//
// A small dialog of its own rather than QPrintDialog: that one is a print
// dialog (copies, page ranges, a "Print" button), lists queues by Qt's own
// numbering, and keeps the chosen tray in private CUPS options that no public
// API reads back. This one offers exactly the layer's visible printers and
// lists, so the choice lands in the layer with its numbering and codes.

#include <QDialog>
#include <cstdint>
#include <optional>
#include <vector>

#include "print/lm_printers.h"

class QComboBox;

namespace ruvo {

class PrinterWatch;

class TLmPrinterSetupDialog : public QDialog {
 public:
  // How the last Execute (or Finish) ended.
  enum class Outcome {
    kApplied,    // OK: the chosen printer, paper and source are selected
    kCancelled,  // Cancel: nothing changed
    kDropped,    // OK, but the printers changed while the dialog was open:
                 // the choice was made from the old list and is not applied
  };

  // `watch` (optional) is told to re-take the printer snapshot whenever the
  // dialog closes; without it the dialog asks the layer itself.
  explicit TLmPrinterSetupDialog(TLmPrinter& printer, PrinterWatch* watch = nullptr,
                                 QWidget* parent = nullptr);

  // Shows the dialog modally with the selected printer, paper size and
  // source preselected. OK selects the chosen printer with the chosen paper
  // and source and refreshes the layer, and gives true; Cancel changes
  // nothing and gives false. When the printers changed while it was open,
  // the choice (made from the old list) is dropped, the layer keeps the
  // system default printer it fell back to (the watch tells the window,
  // which selects its own printer again), and it gives false: true always
  // means the user's choice is in force. A queue the print service stopped or started meanwhile, or
  // a service that cannot answer at closing, is no change. ELmPrinter errors of the layer
  // propagate.
  bool Execute();
  Outcome LastOutcome() const { return outcome_; }

  // The two halves of Execute around the modal loop, for tests.
  void Prepare();
  bool Finish(bool confirmed);

 private:
  struct Choices {
    std::vector<std::uint16_t> paperCodes;
    std::vector<std::uint16_t> sourceCodes;
  };
  void FillPaperLists(int number);
  void ShowPaperListsOf(int number);
  static std::optional<std::uint16_t> CodeAt(const std::vector<std::uint16_t>& codes, int row);
  bool PrintersRenewedSincePrepare() const;
  bool RenewPrinters();

  TLmPrinter& printer_;
  PrinterWatch* watch_;
  QComboBox* printerBox_;
  QComboBox* paperBox_;
  QComboBox* sourceBox_;
  Choices choices_;
  // The printers the printer list was filled from; its rows are printer
  // numbers only as long as the layer still holds these.
  std::optional<TLmAllPrintersInfo> preparedWith_;
  Outcome outcome_ = Outcome::kCancelled;
};

}  // namespace ruvo
