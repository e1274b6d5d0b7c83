#include "print/slip_painter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
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

QFont FontFor(const DrawOp& op, const QPaintDevice& device) {
  QFont font(SubstituteFontFamily(op.font));
  font.setPixelSize(std::max(1, PointsToPixels(op.pointSize, device.logicalDpiY())));
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

}  // namespace

void PaintDrawOp(QPainter& painter, const DrawOp& op) {
  if (op.text.empty()) return;
  const QFont font = FontFor(op, *painter.device());
  const QFontMetrics metrics(font, painter.device());
  const QString text = Cp932ToQString(op.text);
  const QRect cell(op.x, op.y, metrics.horizontalAdvance(text), metrics.height());
  painter.fillRect(cell, Qt::white);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(op.x, op.y + metrics.ascent(), text);
}

void PaintDrawList(QPainter& painter, const DrawList& list) {
  for (const auto& op : list)
    PaintDrawOp(painter, op);
}

}  // namespace ruvo
