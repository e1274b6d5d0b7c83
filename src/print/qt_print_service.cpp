#include "print/qt_print_service.h"

#include <QPrinter>
#include <algorithm>

#include "print/cups_queue.h"
#include "print/lm_printer_errors.h"
#include "print/qt_print_document.h"
#include "print/qt_print_lists.h"
#include "qt_text/qt_text.h"
#include "transfer/cp932_codec.h"

namespace ruvo {
namespace {

// What every CUPS queue takes as job options, whatever its driver.
constexpr std::uint32_t kCupsFields = kFieldOrientation | kFieldPaperSize | kFieldCopies |
                                      kFieldDefaultSource | kFieldPrintQuality | kFieldYResolution |
                                      kFieldCollate;

constexpr int kLastResortDpi = 300;

// A queue name as messages show it: CP932, "〓" for what it cannot hold.
std::string Shown(const std::string& queue) {
  return Utf8ToCp932(queue).bytes;
}

// The entry of the default size itself, not an earlier one of the same
// measures under another name ("ANSI A" before "US Letter").
std::uint16_t DefaultPaperCode(const QPrinterInfo& info) {
  const QPageSize defaultSize = info.defaultPageSize();
  const std::vector<PaperSizeEntry> sizes = ListPaperSizes(info);
  for (const PaperSizeEntry& entry : sizes) {
    if (entry.size.key() == defaultSize.key()) return entry.choice.code;
  }
  for (const PaperSizeEntry& entry : sizes) {
    if (entry.size.isEquivalentTo(defaultSize)) return entry.choice.code;
  }
  return 0;
}

std::uint16_t DefaultSourceCode(const PpdSummary& ppd) {
  const std::vector<PaperSourceEntry> sources = ListPaperSources(ppd);
  if (sources.empty()) return 0;
  for (const PaperSourceEntry& entry : sources) {
    if (entry.keyword == ppd.defaultInputSlot) return entry.choice.code;
  }
  return sources.front().choice.code;
}

}  // namespace

// Qt and libcups answer for unknown names with empty lists or another
// printer; the layer must hear that the printer is gone. Qt knows no queue
// while the server is down either: that is said as such.
QtPrintService::QueueFacts& QtPrintService::Facts(const std::string& printer) const {
  if (const auto known = facts_.find(printer); known != facts_.end()) return known->second;
  QPrinterInfo info = PrinterInfoFor(printer);
  if (info.isNull()) {
    cups::QueryQueue(printer);
    throw EPrinterNotFound(Shown(printer));
  }
  return facts_[printer] = QueueFacts{std::move(info), std::nullopt, {}};
}

const PpdSummary& QtPrintService::Ppd(const std::string& printer) const {
  QueueFacts& facts = Facts(printer);
  if (!facts.ppd) facts.ppd = ParsePpdSummary(cups::FetchPpd(printer));
  return *facts.ppd;
}

QPageLayout QtPrintService::PrintableLayout(const std::string& printer,
                                            std::uint16_t paperCode) const {
  QueueFacts& facts = Facts(printer);
  if (const auto known = facts.layouts.find(paperCode); known != facts.layouts.end())
    return known->second;
  QPageSize size = facts.info.defaultPageSize();
  for (const PaperSizeEntry& entry : ListPaperSizes(facts.info)) {
    if (entry.choice.code == paperCode) {
      size = entry.size;
      break;
    }
  }
  QPrinter queue(facts.info, QPrinter::HighResolution);
  queue.setPageSize(size);
  QPageLayout layout = queue.pageLayout();
  layout.setMargins(layout.minimumMargins());
  return facts.layouts[paperCode] = layout;
}

std::string QtPrintService::InputSlot(const std::string& printer, std::uint16_t sourceCode) const {
  for (const PaperSourceEntry& entry : ListPaperSources(Ppd(printer))) {
    if (entry.choice.code == sourceCode) return entry.keyword;
  }
  return {};
}

// Every new list of the queues forgets what their drivers told.
std::vector<PrinterEntry> QtPrintService::EnumeratePrinters() const {
  facts_.clear();
  std::vector<PrinterEntry> entries;
  for (const cups::Destination& queue : cups::ListDestinations()) {
    entries.push_back({Shown(queue.name), queue.attributes, queue.name});
  }
  return entries;
}

std::string QtPrintService::DefaultPrinterName() const {
  for (const cups::Destination& queue : cups::ListDestinations()) {
    if (queue.isDefault) return queue.name;
  }
  return {};
}

DocumentSettings QtPrintService::DefaultSettings(const std::string& printer) const {
  const QPrinterInfo& info = Facts(printer).info;
  DocumentSettings settings;
  settings.fields = kCupsFields;
  if (info.supportedColorModes().contains(QPrinter::Color)) settings.fields |= kFieldColor;
  if (info.supportedDuplexModes().size() > 1) settings.fields |= kFieldDuplex;
  settings.paperSize = DefaultPaperCode(info);
  settings.defaultSource = DefaultSourceCode(Ppd(printer));
  return settings;
}

std::vector<PaperChoice> QtPrintService::PaperSizes(const std::string& printer) const {
  std::vector<PaperChoice> choices;
  for (const PaperSizeEntry& entry : ListPaperSizes(Facts(printer).info)) {
    choices.push_back(entry.choice);
  }
  return choices;
}

std::vector<PaperChoice> QtPrintService::PaperSources(const std::string& printer) const {
  std::vector<PaperChoice> choices;
  for (const PaperSourceEntry& entry : ListPaperSources(Ppd(printer)))
    choices.push_back(entry.choice);
  return choices;
}

Resolution QtPrintService::PrinterResolution(const std::string& printer) const {
  const QPrinterInfo& info = Facts(printer).info;
  const cups::QueueState state = cups::QueryQueue(printer);
  if (state.defaultResolution) return *state.defaultResolution;
  if (const PpdSummary& ppd = Ppd(printer); ppd.defaultResolution) return *ppd.defaultResolution;
  const QList<int> listed = info.supportedResolutions();
  const int dpi =
      listed.isEmpty() ? kLastResortDpi : *std::max_element(listed.begin(), listed.end());
  return {dpi, dpi};
}

std::unique_ptr<PrintDocument> QtPrintService::BeginDocument(const DocumentRequest& request) {
  const cups::QueueState state = cups::QueryQueue(request.printer);
  if (!state.exists) throw EPrinterNotFound(Shown(request.printer));
  if (!state.accepting) {
    std::string reason = "the printer does not accept jobs";
    if (!state.stateMessage.empty()) reason += " (" + state.stateMessage + ")";
    throw EPrintJobRefused(Shown(request.printer), Utf8ToCp932(reason).bytes);
  }
  return std::make_unique<QtPrintDocument>(*this, request);
}

}  // namespace ruvo
