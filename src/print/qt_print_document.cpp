#include "print/qt_print_document.h"

#include <algorithm>
#include <cmath>

#include "print/cups_queue.h"
#include "print/lm_printer_errors.h"
#include "print/ppd_summary.h"
#include "print/qt_print_lists.h"
#include "print/qt_print_service.h"
#include "print/slip_painter.h"
#include "transfer/cp932_codec.h"
#include "widgets/qt_text.h"

namespace ruvo {
namespace {

constexpr char kPageFile[] = "/page.pdf";

// The page is painted on the finer of the printer's two grids, so that
// every dot of either axis is a step of its own on paper.
int PaintDpi(const Resolution& resolution) {
  return std::max(resolution.x, resolution.y);
}

// `dots` of a `dpi` grid on the paint grid: the same place on paper.
int OnPaintGrid(int dots, int dpi, int paintDpi) {
  if (dpi <= 0 || dpi == paintDpi) return dots;
  return static_cast<int>(std::lround(static_cast<double>(dots) * paintDpi / dpi));
}

[[noreturn]] void Fail(const DocumentRequest& request, const char* reason) {
  throw EPrinter(request.printer + Utf8ToCp932(reason).bytes);
}

QPageSize PageSizeFor(const QPrinterInfo& info, std::uint16_t code) {
  for (const PaperSizeEntry& entry : ListPaperSizes(info)) {
    if (entry.choice.code == code) return entry.size;
  }
  return info.defaultPageSize();
}

std::string InputSlotFor(const std::string& queue, std::uint16_t code) {
  for (const PaperSourceEntry& entry : ListPaperSources(ParsePpdSummary(cups::FetchPpd(queue)))) {
    if (entry.choice.code == code) return entry.keyword;
  }
  return {};
}

}  // namespace

QtPrintDocument::QtPrintDocument(QtPrintService& service, const DocumentRequest& request,
                                 const QPrinterInfo& info)
    : service_(service), request_(request), info_(info), printer_(QPrinter::HighResolution) {
  if (!folder_.isValid()) Fail(request_, ": no temporary folder for the page");
  printer_.setOutputFormat(QPrinter::PdfFormat);
  printer_.setOutputFileName(folder_.path() + QLatin1String(kPageFile));
  printer_.setResolution(PaintDpi(request_.resolution));
  printer_.setFullPage(false);
  printer_.setPageLayout(PrintableLayout());
  printer_.setDocName(Cp932ToQString(request_.title));
  if (!painter_.begin(&printer_)) Fail(request_, ": the page cannot be opened for painting");
}

QtPrintDocument::~QtPrintDocument() {
  Abort();
}

// The paper of the document settings, less the queue's minimum margins, so
// that the origin is the corner of what the printer can print.
QPageLayout QtPrintDocument::PrintableLayout() const {
  QPrinter queue(QPrinter::HighResolution);
  queue.setPrinterName(info_.printerName());
  queue.setPageSize(PageSizeFor(info_, request_.settings.paperSize));
  QPageLayout layout = queue.pageLayout();
  layout.setMargins(layout.minimumMargins());
  return layout;
}

// A printer with fewer dots on one axis (360×180, 180×360) has that axis's
// dots scaled onto the paint grid, so the text keeps its size and lands at
// the same place on paper.
void QtPrintDocument::Draw(const DrawOp& op) {
  if (finished_) Fail(request_, ": the document is already finished");
  const int paintDpi = PaintDpi(request_.resolution);
  DrawOp painted = op;
  painted.x = OnPaintGrid(op.x, request_.resolution.x, paintDpi);
  painted.y = OnPaintGrid(op.y, request_.resolution.y, paintDpi);
  PaintDrawOp(painter_, painted);
}

// QPrinter writes each finished page into the PDF as it goes, so a long
// batch holds one page in memory, not all of them.
void QtPrintDocument::NewPage() {
  if (finished_) Fail(request_, ": the document is already finished");
  if (!printer_.newPage()) Fail(request_, ": the next page cannot be started");
}

void QtPrintDocument::End() {
  if (finished_) Fail(request_, ": the document is already finished");
  finished_ = true;
  if (!painter_.end()) Fail(request_, ": the page could not be finished");
  const std::string queue = Cp932ToUtf8(request_.printer);
  cups::JobOptions options{{"media", printer_.pageLayout().pageSize().key().toStdString()}};
  const std::string slot = InputSlotFor(queue, request_.settings.defaultSource);
  if (!slot.empty()) options.emplace_back("InputSlot", slot);
  const std::string pdf = (folder_.path() + QLatin1String(kPageFile)).toStdString();
  service_.lastJobId_ = cups::SubmitPdf(queue, pdf, Cp932ToUtf8(request_.title), options);
}

void QtPrintDocument::Abort() noexcept {
  if (finished_) return;
  finished_ = true;
  if (painter_.isActive()) painter_.end();
}

}  // namespace ruvo
