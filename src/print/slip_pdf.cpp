#include "print/slip_pdf.h"

#include <QPageLayout>
#include <cmath>
#include <stdexcept>

#include "print/print_job.h"
#include "print/slip_painter.h"

namespace ruvo {
namespace {

int PositiveDpi(int dpi) {
  if (dpi <= 0) throw std::runtime_error("a PDF needs a positive resolution");
  return dpi;
}

DrawList AtVerticalResolution(DrawList list, int dpiX, int dpiY) {
  if (dpiX == dpiY) return list;
  const auto across = [&](int x) {
    return static_cast<int>(std::lround(static_cast<double>(x) * dpiY / dpiX));
  };
  for (auto& op : list) {
    op.x = across(op.x);
    op.x2 = across(op.x2);
  }
  return list;
}

}  // namespace

SlipPdf::SlipPdf(QPageSize::PageSizeId page, int dpiX, int dpiY)
    : writer_(&buffer_), dpiX_(PositiveDpi(dpiX)), dpiY_(PositiveDpi(dpiY)) {
  buffer_.open(QIODevice::WriteOnly);
  writer_.setResolution(dpiY_);
  writer_.setPageLayout(QPageLayout(QPageSize(page), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  writer_.setTitle(QString::fromLatin1(kSlipDocumentTitle));
  writer_.setCreator(QStringLiteral("ruvo-slip"));
  if (!painter_.begin(&writer_)) throw std::runtime_error("the PDF page cannot be painted");
}

SlipPdf::~SlipPdf() {
  if (painter_.isActive()) painter_.end();
}

void SlipPdf::AddPage(const DrawList& list) {
  if (!painter_.isActive()) throw std::logic_error("the PDF is already finished");
  if (pages_++ > 0 && !writer_.newPage()) throw std::runtime_error("no further PDF page");
  PaintDrawList(painter_, AtVerticalResolution(list, dpiX_, dpiY_));
}

QByteArray SlipPdf::Finish() {
  painter_.end();
  return buffer_.data();
}

}  // namespace ruvo
