#pragma once
// A print service held in memory, for the printer layer's tests: printers are
// added, changed and removed at will, jobs are recorded with their pages, and
// fault switches make drawing or the spooler fail. It keeps the contract of
// PrintService: an unknown printer or a queue that does not accept jobs is an
// EPrinter and never a job on some other printer.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "print/print_service.h"

namespace ruvo::test {

struct FakePrinter {
  std::string name;   // CP932, as the list shows it
  std::string queue;  // the name the service's calls take; AddPrinter makes it `name`
  std::uint32_t attributes = kPrinterAttributeLocal;
  DocumentSettings defaults{kFieldPaperSize | kFieldDefaultSource, 9, 1, 100};  // A4, upper tray
  std::vector<PaperChoice> papers{{9, "A4"}, {13, "B5"}, {43, "Postcard"}};
  std::vector<PaperChoice> sources{{1, "Upper"}, {4, "Manual"}};
  Resolution resolution{360, 360};
  bool acceptsJobs = true;
};

struct FakeJob {
  enum class State { kOpen, kPrinted, kAborted, kRefused };
  DocumentRequest request;
  std::vector<DrawList> pages;  // in order; emptied when the job is aborted or refused
  State state = State::kOpen;
  int id = 0;  // the spooler's job id, given when it accepts the job; 0 until then
};

class FakePrintService : public PrintService {
 public:
  // Adds a printer at the end of the system's order, or at its start (a
  // queue whose name sorts first).
  FakePrinter& AddPrinter(std::string name, std::uint32_t attributes = kPrinterAttributeLocal);
  FakePrinter& AddPrinterFirst(std::string name);
  void RemovePrinter(const std::string& name);
  // The printer so named; std::out_of_range when there is none.
  FakePrinter& Printer(const std::string& name);
  void SetDefaultPrinter(std::string queue) { defaultPrinter_ = std::move(queue); }

  // Fault switches.
  int failDrawAt = -1;       // the draw with this 0-based number in a document throws
  int failNewPageAt = -1;    // starting the page with this 0-based number throws (1: the second)
  bool refuseAtEnd = false;  // the spooler refuses finished pages
  bool unreachable = false;  // every query throws, as a print service that is down
  // The id the next accepted job gets; each accepted job takes the next, as
  // a CUPS server numbers its jobs.
  int nextJobId = 1;

  const std::vector<std::unique_ptr<FakeJob>>& Jobs() const { return jobs_; }
  // Jobs that reached the printer.
  std::vector<const FakeJob*> PrintedJobs() const;
  int settingsLoads() const { return settingsLoads_; }

  std::vector<PrinterEntry> EnumeratePrinters() const override;
  std::string DefaultPrinterName() const override;
  DocumentSettings DefaultSettings(const std::string& printer) const override;
  std::vector<PaperChoice> PaperSizes(const std::string& printer) const override;
  std::vector<PaperChoice> PaperSources(const std::string& printer) const override;
  Resolution PrinterResolution(const std::string& printer) const override;
  std::unique_ptr<PrintDocument> BeginDocument(const DocumentRequest& request) override;

 private:
  const FakePrinter& Known(const std::string& printer) const;
  void RequireAnswer() const;

  std::vector<FakePrinter> printers_;
  std::string defaultPrinter_;
  std::vector<std::unique_ptr<FakeJob>> jobs_;
  mutable int settingsLoads_ = 0;
};

}  // namespace ruvo::test
