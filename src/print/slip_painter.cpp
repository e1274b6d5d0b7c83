#include "print/slip_painter.h"

#include <QColor>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "qt_text/font_substitution.h"
#include "qt_text/qt_text.h"

namespace ruvo {

namespace {

// Pixel height of the em for `points` on a device of `dpi` dots per inch,
// rounded as the Windows font mapper does (10 pt at 360 dpi → 50 dots).
int PointsToPixels(int points, int dpi) {
  return static_cast<int>(std::lround(points * static_cast<double>(dpi) / 72.0));
}

QColor InkColor(DrawInk ink) {
  switch (ink) {
    case DrawInk::kBlack:
      return Qt::black;
    case DrawInk::kGrey:
      return QColor(128, 128, 128);
    case DrawInk::kRed:
      return QColor(220, 0, 0);
  }
  return Qt::black;
}

void PaintText(QPainter& painter, const DrawOp& op, int dpi, bool blankCell) {
  if (op.text.empty()) return;
  const QFont font = SlipFont(op, dpi);
  const QFontMetrics metrics(font, painter.device());
  const QString text = Cp932ToQString(op.text);
  if (blankCell) {
    painter.fillRect(QRect(op.x, op.y, metrics.horizontalAdvance(text), metrics.height()),
                     Qt::white);
  }
  painter.setFont(font);
  painter.setPen(InkColor(op.ink));
  painter.drawText(op.x, op.y + metrics.ascent(), text);
}

// A stroke of op.pen hundredths of a millimetre, centred on the path; flat
// ends and mitred corners, so that a line ends and a frame's corner lies
// exactly at its points.
QPen StrokeOf(const DrawOp& op, int dpi) {
  QPen pen(InkColor(op.ink));
  pen.setWidthF(op.pen > 0 ? op.pen * dpi / 2540.0 : 0.0);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  return pen;
}

void PaintStroke(QPainter& painter, const DrawOp& op, int dpi) {
  painter.save();
  painter.setPen(StrokeOf(op, dpi));
  painter.setBrush(Qt::NoBrush);
  if (op.shape == DrawShape::kLine) {
    painter.drawLine(QPointF(op.x, op.y), QPointF(op.x2, op.y2));
  } else {
    painter.drawRect(QRectF(QPointF(op.x, op.y), QPointF(op.x2, op.y2)));
  }
  painter.restore();
}

}  // namespace

QFont SlipFont(const DrawOp& op, int dpi) {
  QFont font(SubstituteFontFamily(op.font));
  font.setPixelSize(std::max(1, PointsToPixels(op.pointSize, dpi)));
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

void PaintDrawOp(QPainter& painter, const DrawOp& op, int dpi) {
  switch (op.shape) {
    case DrawShape::kText:
      PaintText(painter, op, dpi, /*blankCell=*/true);
      return;
    case DrawShape::kLabel:
      PaintText(painter, op, dpi, /*blankCell=*/false);
      return;
    case DrawShape::kLine:
    case DrawShape::kFrame:
      PaintStroke(painter, op, dpi);
      return;
  }
}

void PaintDrawOp(QPainter& painter, const DrawOp& op) {
  PaintDrawOp(painter, op, painter.device()->logicalDpiY());
}

void PaintDrawList(QPainter& painter, const DrawList& list, int dpi) {
  for (const auto& op : list)
    PaintDrawOp(painter, op, dpi);
}

void PaintDrawList(QPainter& painter, const DrawList& list) {
  PaintDrawList(painter, list, painter.device()->logicalDpiY());
}

}  // namespace ruvo
