#include "print/qt_print_document.h"

#include <algorithm>
#include <cmath>

#include "print/cups_queue.h"
#include "print/lm_printer_errors.h"
#include "print/ppd_summary.h"
#include "print/qt_print_lists.h"
#include "print/qt_print_service.h"
#include "print/slip_painter.h"
#include "qt_text/qt_text.h"
#include "transfer/cp932_codec.h"

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
  throw EPrinter(Utf8ToCp932(request.printer + reason).bytes);
}

}  // namespace

// The page is the document settings' paper with the printer's minimum
// margins, so that the painter's origin is the corner of what the printer
// can print.
QtPrintDocument::QtPrintDocument(QtPrintService& service, const DocumentRequest& request)
    : service_(service), request_(request) {
  if (!folder_.isValid()) Fail(request_, ": no temporary folder for the page");
  const QPageLayout layout =
      service_.PrintableLayout(request_.printer, request_.settings.paperSize);
  page_ = std::make_unique<QPdfWriter>(folder_.path() + QLatin1String(kPageFile));
  page_->setResolution(PaintDpi(request_.resolution));
  page_->setPageLayout(layout);
  page_->setTitle(Cp932ToQString(request_.title));
  if (!painter_.begin(page_.get())) Fail(request_, ": the page cannot be opened for painting");
}

QtPrintDocument::~QtPrintDocument() {
  Abort();
}

// A printer with fewer dots on one axis (360×180, 180×360) has that axis's
// dots scaled onto the paint grid, so the text keeps its size and lands at
// the same place on paper; so do a line's and a frame's other points.
void QtPrintDocument::Draw(const DrawOp& op) {
  if (finished_) Fail(request_, ": the document is already finished");
  const int paintDpi = PaintDpi(request_.resolution);
  DrawOp painted = op;
  painted.x = OnPaintGrid(op.x, request_.resolution.x, paintDpi);
  painted.y = OnPaintGrid(op.y, request_.resolution.y, paintDpi);
  painted.x2 = OnPaintGrid(op.x2, request_.resolution.x, paintDpi);
  painted.y2 = OnPaintGrid(op.y2, request_.resolution.y, paintDpi);
  PaintDrawOp(painter_, painted);
}

// The PDF writer puts each finished page into the file as it goes, so a
// long batch holds one page in memory, not all of them.
void QtPrintDocument::NewPage() {
  if (finished_) Fail(request_, ": the document is already finished");
  if (!page_->newPage()) Fail(request_, ": the next page cannot be started");
}

int QtPrintDocument::End() {
  if (finished_) Fail(request_, ": the document is already finished");
  finished_ = true;
  if (!painter_.end()) Fail(request_, ": the page could not be finished");
  const std::string& queue = request_.printer;
  cups::JobOptions options{{"media", page_->pageLayout().pageSize().key().toStdString()}};
  const std::string slot = service_.InputSlot(request_.printer, request_.settings.defaultSource);
  if (!slot.empty()) options.emplace_back("InputSlot", slot);
  const std::string pdf = (folder_.path() + QLatin1String(kPageFile)).toStdString();
  service_.lastJobId_ = cups::SubmitPdf(queue, pdf, Cp932ToUtf8(request_.title), options);
  return service_.lastJobId_;
}

void QtPrintDocument::Abort() noexcept {
  if (finished_) return;
  finished_ = true;
  if (painter_.isActive()) painter_.end();
}

}  // namespace ruvo
