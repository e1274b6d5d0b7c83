#pragma once
// The printer access layer: the one place through which the program talks to
// the printers. It numbers the visible printers (hidden ones are skipped),
// selects one by that number (-1: the system default), reports its paper
// sizes and sources with the current choice, its resolution and scale, and
// runs print documents: one page for a slip, one page per slip for a batch.
// Texts are CP932.
//
// Behind it sits a "platform printer" the layer drives, like the toolkit's
// printer object on the desktop: it has a printer list (the snapshot's), the
// selected printer and that printer's document settings. It is created at
// first use with the system default printer selected (none, when the system
// has no default printer), and discarded when the printers change, so that
// the default printer is selected again.
//
// One instance lives for the whole program, on the user-interface thread.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "print/lm_all_printers_info.h"
#include "print/lm_capabilities.h"
#include "print/lm_printer_errors.h"
#include "print/print_service.h"

namespace ruvo {

class TLmPrinter {
 public:
  // When the first snapshot of the printers is taken.
  enum class FirstSnapshot {
    kNow,         // by the constructor, or at first use while the service cannot answer
    kAtFirstUse,  // by the first operation that needs it: a program's window
                  // comes up without waiting for the print service
  };
  // Takes the first snapshot of the printers as `first` says; while the
  // service cannot answer it is taken at first use instead, so that the
  // program can start with the print service down. `service` must outlive
  // this.
  explicit TLmPrinter(PrintService& service, FirstSnapshot first = FirstSnapshot::kNow);
  ~TLmPrinter();
  TLmPrinter(const TLmPrinter&) = delete;
  TLmPrinter& operator=(const TLmPrinter&) = delete;

  // ELmPrinterNoPrinter unless a visible printer exists; the service's
  // EPrinter when the first snapshot is still to be taken and it cannot
  // answer. The operations from GetPrinterNames to GetScale, and BeginDoc,
  // check this first.
  void CheckNoPrinter();

  // Names of the visible printers, in the system's order (CP932, "〓" for
  // what CP932 cannot hold).
  const std::vector<std::string>& GetPrinterNames();
  // Their queue names, the print service's own (PrinterEntry::queue), in the
  // same order: what tells apart two printers that look alike.
  const std::vector<std::string>& GetPrinterQueues();

  // Number of the selected printer: visible printers before it are counted,
  // hidden ones not; -1 while no printer is selected (no system default).
  // ELmPrinterIllegalIndex when the platform printer has a hidden printer
  // selected.
  int GetIndex();
  // Selects printer `number` (0 to visible count - 1) with that printer's
  // default document settings; -1 selects the system default printer, and is
  // ELmPrinterNoDefault (an ELMPrinterRangeError) when the system has none
  // or a hidden one. Selecting the number already selected changes nothing,
  // so paper and source chosen in the setup dialog stay.
  // ELMPrinterRangeError for any other number. A failing call leaves the
  // selection as it was.
  void SetIndex(int number);

  // Current paper size code and its list position (first match), and the
  // paper size names. ELmPrinterNotSupported when the driver declares no
  // paper size, ELmPrinterNoInfo when it lists none,
  // ELMPrinterPaperSizeError when the current code is not listed.
  std::uint16_t GetPaperSizeNumber();
  const std::vector<std::string>& GetPaperSizeNames();
  int GetPaperSizeIndex();

  // The same for paper sources ("bins"); the index is the last match.
  std::uint16_t GetBinNumber();
  const std::vector<std::string>& GetBinNames();
  int GetBinIndex();

  TLmPrinterCapabilities GetCapabilities();
  // The selected printer's own resolution in dots per inch.
  Resolution GetResolution();
  // Output scale in percent; 100 when the driver has no scale setting.
  std::uint16_t GetScale();

  // Starts a document titled `title` on the selected printer, each page at
  // exactly GetResolution(). A hidden printer selected as the system
  // default is ELmPrinterIllegalIndex; the platform's refusal (printer gone,
  // queue not accepting jobs) is an EPrinter. Either starts nothing.
  void BeginDoc(const std::string& title);
  // The page of the open document; EPrinter when none is open.
  PrintCanvas& Canvas();
  // Closes the current page of the open document and starts the next, which
  // Canvas() then draws on. EPrinter when none is open or the platform cannot
  // add a page; the document is then to be abandoned with Abort.
  void NewPage();
  // Hands the document's pages to the spooler and returns the spooler's id
  // of the job (0 from a service that numbers none). A refusal is an
  // EPrinter; the document is then discarded either way.
  int EndDoc();
  // The spooler's id of the job the last EndDoc handed over; 0 before any,
  // and from BeginDoc until the document is ended, so that a failed print
  // never reports the job before it.
  int LastJobId() const { return lastJobId_; }
  // Abandons the open document, nothing printed; nothing open is no error.
  void Abort() noexcept;
  bool Printing() const { return document_ != nullptr; }

  // Forgets the loaded paper and source lists; they are reloaded for the
  // selected printer at next use.
  void Refresh();

  // Takes a new snapshot. While the first one is still to be taken nothing
  // is asked and nothing counts as changed: nothing was selected from it
  // yet, and its first use takes the list of that moment.
  // When it differs from the held one (a printer
  // added, removed, renamed, hidden or shown: TLmAllPrintersInfo::IsEqual)
  // it replaces it and the platform printer is discarded, so the system
  // default printer is selected at next use; returns true then. An equal
  // snapshot keeps the selection; a service that cannot answer is its
  // EPrinter and changes nothing.
  bool OnSettingsChange();

  // The setup dialog's result: select printer `number` as SetIndex does,
  // then put the chosen paper size and source into its document settings.
  void ApplySetupChoice(int number, std::optional<std::uint16_t> paperSize,
                        std::optional<std::uint16_t> paperSource);

  // Name and queue name of the selected printer (the platform printer's);
  // ELmPrinterNoDefault while none is selected.
  std::string CurrentPrinterName();
  std::string CurrentPrinterQueue();
  const TLmAllPrintersInfo& Snapshot() const { return snapshot_; }
  PrintService& Service() { return service_; }

 private:
  struct PlatformPrinter {
    std::vector<PrinterEntry> printers;  // the snapshot's list when created
    int index = -1;                      // position in `printers`
    DocumentSettings settings;
  };
  void TakePendingSnapshot();
  PlatformPrinter& Platform();
  void SelectPlatformPosition(int position);
  int DefaultPlatformPosition() const;
  int SelectedNumber();
  const PrinterEntry& SelectedEntry();
  const DocumentSettings& Settings();
  void RequireCapability(std::size_t bit, const char* message);
  void EnsureLists();
  void LoadLists();

  PrintService& service_;
  TLmAllPrintersInfo snapshot_;
  bool snapshotPending_ = false;               // the service could not answer for the first one
  std::unique_ptr<PlatformPrinter> platform_;  // null: discarded, recreated at next use
  std::vector<std::string> printerNames_;
  std::vector<std::string> printerQueues_;
  std::vector<PaperChoice> papers_;
  std::vector<PaperChoice> bins_;
  std::vector<std::string> paperNames_;
  std::vector<std::string> binNames_;
  int cachedIndex_ = -1;  // platform position the lists were loaded for
  unsigned infoFlags_ = 0;
  std::unique_ptr<PrintDocument> document_;
  int lastJobId_ = 0;
};

}  // namespace ruvo
