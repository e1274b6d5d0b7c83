#include "print/qt_print_service.h"

#include <algorithm>

#include "print/cups_queue.h"
#include "print/lm_printer_errors.h"
#include "print/qt_print_document.h"
#include "print/qt_print_lists.h"
#include "transfer/cp932_codec.h"
#include "widgets/qt_text.h"

namespace ruvo {
namespace {

// What every CUPS queue takes as job options, whatever its driver.
constexpr std::uint32_t kCupsFields = kFieldOrientation | kFieldPaperSize | kFieldCopies |
                                      kFieldDefaultSource | kFieldPrintQuality | kFieldYResolution |
                                      kFieldCollate;

constexpr int kLastResortDpi = 300;

std::string QueueName(const std::string& printerCp932) {
  return Cp932ToUtf8(printerCp932);
}

// Qt and libcups answer for unknown names with empty lists or another
// printer; the layer must hear that the printer is gone. Qt knows no queue
// while the server is down either: that is said as such.
QPrinterInfo KnownPrinter(const std::string& printer) {
  QPrinterInfo info = PrinterInfoFor(printer);
  if (info.isNull()) {
    cups::QueryQueue(QueueName(printer));
    throw EPrinter(printer + Utf8ToCp932(": no such printer").bytes);
  }
  return info;
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

std::vector<PrinterEntry> QtPrintService::EnumeratePrinters() const {
  std::vector<PrinterEntry> entries;
  for (const cups::Destination& queue : cups::ListDestinations()) {
    entries.push_back({Utf8ToCp932(queue.name).bytes, queue.attributes});
  }
  return entries;
}

std::string QtPrintService::DefaultPrinterName() const {
  for (const cups::Destination& queue : cups::ListDestinations()) {
    if (queue.isDefault) return Utf8ToCp932(queue.name).bytes;
  }
  return {};
}

DocumentSettings QtPrintService::DefaultSettings(const std::string& printer) const {
  const QPrinterInfo info = KnownPrinter(printer);
  DocumentSettings settings;
  settings.fields = kCupsFields;
  if (info.supportedColorModes().contains(QPrinter::Color)) settings.fields |= kFieldColor;
  if (info.supportedDuplexModes().size() > 1) settings.fields |= kFieldDuplex;
  settings.paperSize = DefaultPaperCode(info);
  settings.defaultSource = DefaultSourceCode(ParsePpdSummary(cups::FetchPpd(QueueName(printer))));
  return settings;
}

std::vector<PaperChoice> QtPrintService::PaperSizes(const std::string& printer) const {
  std::vector<PaperChoice> choices;
  for (const PaperSizeEntry& entry : ListPaperSizes(KnownPrinter(printer))) {
    choices.push_back(entry.choice);
  }
  return choices;
}

std::vector<PaperChoice> QtPrintService::PaperSources(const std::string& printer) const {
  KnownPrinter(printer);
  std::vector<PaperChoice> choices;
  const PpdSummary ppd = ParsePpdSummary(cups::FetchPpd(QueueName(printer)));
  for (const PaperSourceEntry& entry : ListPaperSources(ppd))
    choices.push_back(entry.choice);
  return choices;
}

Resolution QtPrintService::PrinterResolution(const std::string& printer) const {
  const QPrinterInfo info = KnownPrinter(printer);
  const cups::QueueState state = cups::QueryQueue(QueueName(printer));
  if (state.defaultResolution) return *state.defaultResolution;
  const PpdSummary ppd = ParsePpdSummary(cups::FetchPpd(QueueName(printer)));
  if (ppd.defaultResolution) return *ppd.defaultResolution;
  const QList<int> listed = info.supportedResolutions();
  const int dpi =
      listed.isEmpty() ? kLastResortDpi : *std::max_element(listed.begin(), listed.end());
  return {dpi, dpi};
}

std::unique_ptr<PrintDocument> QtPrintService::BeginDocument(const DocumentRequest& request) {
  const cups::QueueState state = cups::QueryQueue(QueueName(request.printer));
  if (!state.exists) throw EPrinter(request.printer + Utf8ToCp932(": no such printer").bytes);
  if (!state.accepting) {
    std::string reason = ": the printer does not accept jobs";
    if (!state.stateMessage.empty()) reason += " (" + state.stateMessage + ")";
    throw EPrinter(request.printer + Utf8ToCp932(reason).bytes);
  }
  return std::make_unique<QtPrintDocument>(*this, request, KnownPrinter(request.printer));
}

}  // namespace ruvo
