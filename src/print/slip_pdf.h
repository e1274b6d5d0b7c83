#pragma once
// Slips painted as the pages of one PDF, as ruvo-slip writes them for a
// look at the slip without a printer: the paper without margins, so that
// the origin is its top-left corner, painted at the slip's vertical
// resolution (a PDF has only one); a different horizontal resolution moves
// each text to its physical place, glyphs unchanged.
//
// Each finished page is written into the PDF's bytes as the next begins, so
// the writer holds one painted page, not all of them.

#include <QBuffer>
#include <QByteArray>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "print/draw_op.h"

namespace ruvo {

class SlipPdf {
 public:
  // Throws std::runtime_error for a resolution that is not positive.
  SlipPdf(QPageSize::PageSizeId page, int dpiX, int dpiY);
  ~SlipPdf();
  SlipPdf(const SlipPdf&) = delete;
  SlipPdf& operator=(const SlipPdf&) = delete;

  // Paints `list` (dots of dpiX × dpiY) on a page of its own.
  void AddPage(const DrawList& list);
  std::size_t PageCount() const { return pages_; }
  // The whole PDF; a PDF without any page added has one blank page.
  QByteArray Finish();

 private:
  QBuffer buffer_;
  QPdfWriter writer_;
  QPainter painter_;
  int dpiX_;
  int dpiY_;
  std::size_t pages_ = 0;
};

}  // namespace ruvo
