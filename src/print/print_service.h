#pragma once
// The system's print service as the printer access layer sees it: the
// installed printers, what each offers, and print documents of one page or
// more.
//
// Texts are CP932. A printer is addressed by its queue name, the service's
// own name for it (PrinterEntry::queue), which CP932 may not be able to hold.
// Every call may throw EPrinter (lm_printer_errors.h) when the platform
// fails; a named printer that no longer exists is such a failure
// (EPrinterNotFound), never a silent switch to another printer.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "print/draw_op.h"

namespace ruvo {

// Attribute bits of an installed printer, as the Windows spooler numbers
// them, so that stored snapshots and the numbering compare alike everywhere.
inline constexpr std::uint32_t kPrinterAttributeShared = 0x8;
inline constexpr std::uint32_t kPrinterAttributeNetwork = 0x10;
inline constexpr std::uint32_t kPrinterAttributeHidden = 0x20;  // gets no printer number
inline constexpr std::uint32_t kPrinterAttributeLocal = 0x40;
inline constexpr std::uint32_t kPrinterAttributeWorkOffline = 0x400;

// Document-settings field flags (dmFields) that the layer looks at.
inline constexpr std::uint32_t kFieldOrientation = 0x1;
inline constexpr std::uint32_t kFieldPaperSize = 0x2;
inline constexpr std::uint32_t kFieldScale = 0x10;
inline constexpr std::uint32_t kFieldCopies = 0x100;
inline constexpr std::uint32_t kFieldDefaultSource = 0x200;
inline constexpr std::uint32_t kFieldPrintQuality = 0x400;
inline constexpr std::uint32_t kFieldColor = 0x800;
inline constexpr std::uint32_t kFieldDuplex = 0x1000;
inline constexpr std::uint32_t kFieldYResolution = 0x2000;
inline constexpr std::uint32_t kFieldCollate = 0x8000;

struct PrinterEntry {
  // CP932, as the user sees it: a character CP932 cannot hold shows as "〓",
  // so two printers may look alike ("Café" and "Cafè" are both "Caf〓").
  std::string name;
  std::uint32_t attributes = 0;  // kPrinterAttribute* bits
  // The service's own name of the printer (UTF-8 for CUPS), unique within one
  // enumeration; every call below takes it.
  std::string queue;

  bool operator==(const PrinterEntry&) const = default;
};

// One paper size or paper source a printer offers.
struct PaperChoice {
  std::uint16_t code = 0;  // platform code (DMPAPER_* / DMBIN_* numbering)
  std::string name;        // CP932, as the printer names it

  bool operator==(const PaperChoice&) const = default;
};

// A printer's document settings, as far as the layer uses them.
struct DocumentSettings {
  std::uint32_t fields = 0;         // kField* flags the driver supports
  std::uint16_t paperSize = 0;      // current paper code (kFieldPaperSize)
  std::uint16_t defaultSource = 0;  // current source code (kFieldDefaultSource)
  std::uint16_t scale = 100;        // output scale in percent (kFieldScale)

  bool operator==(const DocumentSettings&) const = default;
};

struct Resolution {
  int x = 0;  // dots per inch
  int y = 0;

  bool operator==(const Resolution&) const = default;
};

// What a print document is started with.
struct DocumentRequest {
  std::string printer;    // queue name of an installed printer; never replaced by another
  std::string title;      // CP932 document title shown in the queue
  Resolution resolution;  // the page is painted at exactly this resolution
  DocumentSettings settings;
};

// The page of an open document. Positions are dots of the requested
// resolution from the top-left corner of the printable area.
class PrintCanvas {
 public:
  virtual ~PrintCanvas() = default;
  virtual void Draw(const DrawOp& op) = 0;
};

// An open document, drawn page by page: it starts on its first page, and
// NewPage moves on to the next. Exactly one of End or Abort finishes it;
// destroying it unfinished aborts it. Nothing reaches the printer before End,
// so a document abandoned half-way prints no page at all.
class PrintDocument : public PrintCanvas {
 public:
  // Closes the page drawn so far and starts the next; its positions count
  // from the same corner as the first's. Throws EPrinter when no further page
  // can be started; the document is then to be aborted.
  virtual void NewPage() = 0;
  // Hands the pages to the spooler and returns the id it gave the job (the
  // CUPS job id, what `lpstat` shows and a shipment journal keeps), or 0
  // from a service that numbers no jobs. Throws EPrinter when it is refused
  // (the document is then discarded, nothing printed).
  virtual int End() = 0;
  // Discards the document; nothing is printed. Never throws.
  virtual void Abort() noexcept = 0;
};

class PrintService {
 public:
  virtual ~PrintService() = default;

  // Every installed printer, hidden ones included, in the system's order.
  // An empty list when there is none. A service that cannot answer throws
  // EPrintServiceDown: an empty list would mean every printer was removed.
  virtual std::vector<PrinterEntry> EnumeratePrinters() const = 0;

  // The queue name of the system's default printer, or an empty text when it
  // has none; EPrinter when the service cannot answer.
  virtual std::string DefaultPrinterName() const = 0;

  // The named printer's own default document settings. Here and below,
  // `printer` is a queue name; EPrinterNotFound when there is no such queue.
  virtual DocumentSettings DefaultSettings(const std::string& printer) const = 0;

  // Paper sizes and paper sources in the printer's order; empty when the
  // driver reports none. Codes may repeat.
  virtual std::vector<PaperChoice> PaperSizes(const std::string& printer) const = 0;
  virtual std::vector<PaperChoice> PaperSources(const std::string& printer) const = 0;

  // The printer's own default resolution.
  virtual Resolution PrinterResolution(const std::string& printer) const = 0;

  // Starts a document on its first page. Throws EPrinterNotFound or
  // EPrintJobRefused, starting nothing, when the printer does not exist or
  // does not accept jobs.
  virtual std::unique_ptr<PrintDocument> BeginDocument(const DocumentRequest& request) = 0;
};

}  // namespace ruvo
