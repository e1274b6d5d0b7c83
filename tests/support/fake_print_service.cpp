#include "support/fake_print_service.h"

#include <algorithm>
#include <stdexcept>

#include "print/lm_printer_errors.h"

namespace ruvo::test {
namespace {

class FakeDocument : public PrintDocument {
 public:
  FakeDocument(FakeJob& job, FakePrintService& service) : job_(job), service_(service) {
    job_.pages.emplace_back();
  }
  ~FakeDocument() override { Abort(); }

  void Draw(const DrawOp& op) override {
    RequireOpen();
    if (draws_++ == service_.failDrawAt) throw EPrinter("fake: drawing failed");
    job_.pages.back().push_back(op);
  }

  void NewPage() override {
    RequireOpen();
    if (static_cast<int>(job_.pages.size()) == service_.failNewPageAt) {
      throw EPrinter("fake: no further page");
    }
    job_.pages.emplace_back();
  }

  int End() override {
    RequireOpen();
    if (service_.refuseAtEnd) {
      job_.state = FakeJob::State::kRefused;
      job_.pages.clear();
      throw EPrintJobRefused(job_.request.printer, "the spooler refused the job");
    }
    job_.state = FakeJob::State::kPrinted;
    job_.id = service_.nextJobId++;
    return job_.id;
  }

  void Abort() noexcept override {
    if (job_.state != FakeJob::State::kOpen) return;
    job_.state = FakeJob::State::kAborted;
    job_.pages.clear();
  }

 private:
  void RequireOpen() const {
    if (job_.state != FakeJob::State::kOpen) throw std::logic_error("fake: document is finished");
  }

  FakeJob& job_;
  FakePrintService& service_;
  int draws_ = 0;
};

}  // namespace

FakePrinter& FakePrintService::AddPrinter(std::string name, std::uint32_t attributes) {
  FakePrinter printer;
  printer.queue = name;
  printer.name = std::move(name);
  printer.attributes = attributes;
  printers_.push_back(std::move(printer));
  return printers_.back();
}

FakePrinter& FakePrintService::AddPrinterFirst(std::string name) {
  AddPrinter(std::move(name));
  std::rotate(printers_.begin(), printers_.end() - 1, printers_.end());
  return printers_.front();
}

void FakePrintService::RemovePrinter(const std::string& name) {
  std::erase_if(printers_, [&](const FakePrinter& printer) { return printer.name == name; });
}

FakePrinter& FakePrintService::Printer(const std::string& name) {
  auto found = std::find_if(printers_.begin(), printers_.end(),
                            [&](const FakePrinter& printer) { return printer.name == name; });
  if (found == printers_.end()) throw std::out_of_range("fake: no printer " + name);
  return *found;
}

void FakePrintService::RequireAnswer() const {
  if (unreachable) throw EPrintServiceDown("fake", "down");
}

const FakePrinter& FakePrintService::Known(const std::string& printer) const {
  RequireAnswer();
  auto found = std::find_if(printers_.begin(), printers_.end(),
                            [&](const FakePrinter& entry) { return entry.queue == printer; });
  if (found == printers_.end()) throw EPrinterNotFound(printer);
  return *found;
}

std::vector<const FakeJob*> FakePrintService::PrintedJobs() const {
  std::vector<const FakeJob*> printed;
  for (const auto& job : jobs_) {
    if (job->state == FakeJob::State::kPrinted) printed.push_back(job.get());
  }
  return printed;
}

std::vector<PrinterEntry> FakePrintService::EnumeratePrinters() const {
  RequireAnswer();
  std::vector<PrinterEntry> entries;
  for (const FakePrinter& printer : printers_)
    entries.push_back({printer.name, printer.attributes, printer.queue});
  return entries;
}

std::string FakePrintService::DefaultPrinterName() const {
  RequireAnswer();
  return defaultPrinter_;
}

DocumentSettings FakePrintService::DefaultSettings(const std::string& printer) const {
  ++settingsLoads_;
  return Known(printer).defaults;
}

std::vector<PaperChoice> FakePrintService::PaperSizes(const std::string& printer) const {
  return Known(printer).papers;
}

std::vector<PaperChoice> FakePrintService::PaperSources(const std::string& printer) const {
  return Known(printer).sources;
}

Resolution FakePrintService::PrinterResolution(const std::string& printer) const {
  return Known(printer).resolution;
}

std::unique_ptr<PrintDocument> FakePrintService::BeginDocument(const DocumentRequest& request) {
  if (!Known(request.printer).acceptsJobs) {
    throw EPrintJobRefused(request.printer, "the printer does not accept jobs");
  }
  jobs_.push_back(std::make_unique<FakeJob>());
  jobs_.back()->request = request;
  return std::make_unique<FakeDocument>(*jobs_.back(), *this);
}

}  // namespace ruvo::test
