#pragma once
// The print service the program ships with: CUPS queues through Qt's
// printing (QPrinterInfo for the printers and paper sizes, QPrinter to paint
// the page) and libcups for what Qt does not tell (paper sources, the queue's
// default resolution, whether it exists and accepts jobs, the spooler's
// answer to a job).
//
// A document is painted at exactly the printer's resolution with the origin
// at the printable area (the paper less the printer's minimum margins), into
// a PDF that is handed to the named queue only at End. Qt would silently send
// a job for an unknown name to the default printer and report success for a
// refused one; this service checks the queue when the document starts and
// submits the page itself, so a job goes to the named queue or fails.
//
// What a queue's driver tells (Qt's view of it, its PPD, the printable
// area of each paper) is read once per queue and kept until the next list of
// the queues is taken (EnumeratePrinters, which the layer calls for every
// snapshot): reading a PPD costs more than the whole print otherwise. Whether
// the queue exists and accepts jobs, and its default resolution, are asked
// anew each time.
//
// Needs a QGuiApplication. Printers are named by their CUPS queue names
// (UTF-8); other texts across the interface are CP932.

#include <QPageLayout>
#include <QPrinterInfo>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "print/ppd_summary.h"
#include "print/print_service.h"

namespace ruvo {

class QtPrintService : public PrintService {
 public:
  std::vector<PrinterEntry> EnumeratePrinters() const override;
  std::string DefaultPrinterName() const override;
  DocumentSettings DefaultSettings(const std::string& printer) const override;
  std::vector<PaperChoice> PaperSizes(const std::string& printer) const override;
  std::vector<PaperChoice> PaperSources(const std::string& printer) const override;
  // The queue's default resolution attribute, else the PPD's
  // DefaultResolution, else the highest resolution Qt lists for it.
  Resolution PrinterResolution(const std::string& printer) const override;
  std::unique_ptr<PrintDocument> BeginDocument(const DocumentRequest& request) override;

  // The spooler's id of the last job handed over, 0 before any.
  int LastJobId() const { return lastJobId_; }

 private:
  friend class QtPrintDocument;

  struct QueueFacts {
    QPrinterInfo info;
    std::optional<PpdSummary> ppd;
    std::map<std::uint16_t, QPageLayout> layouts;  // by paper code
  };
  // The facts of a queue Qt knows; EPrinter when it knows none of that name.
  QueueFacts& Facts(const std::string& printer) const;
  const PpdSummary& Ppd(const std::string& printer) const;
  // The paper of `paperCode` less the queue's minimum margins.
  QPageLayout PrintableLayout(const std::string& printer, std::uint16_t paperCode) const;
  // The PPD's InputSlot keyword of a paper source code; empty for none.
  std::string InputSlot(const std::string& printer, std::uint16_t sourceCode) const;

  mutable std::map<std::string, QueueFacts> facts_;
  int lastJobId_ = 0;
};

}  // namespace ruvo
