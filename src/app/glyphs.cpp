#include "app/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace ruvo::app {
namespace {

constexpr int kSize = 20;

void DrawTransfer(QPainter& p) {
  p.setBrush(QColor(0, 128, 0));
  p.drawPolygon(QPolygonF({{7, 2}, {13, 2}, {13, 10}, {17, 10}, {10, 18}, {3, 10}, {7, 10}}));
}

void DrawClear(QPainter& p) {
  p.setBrush(QColor(96, 96, 96));
  p.drawEllipse(QRectF(2, 2, 16, 16));
  p.setPen(QPen(Qt::white, 2.2));
  p.drawLine(QPointF(7, 7), QPointF(13, 13));
  p.drawLine(QPointF(13, 7), QPointF(7, 13));
}

void DrawErase(QPainter& p) {
  p.setBrush(Qt::white);
  p.drawRect(QRectF(2.5, 2.5, 15, 15));
  p.setPen(QPen(QColor(200, 0, 0), 2.2));
  p.drawLine(QPointF(6, 6), QPointF(14, 14));
  p.drawLine(QPointF(14, 6), QPointF(6, 14));
}

void DrawSave(QPainter& p) {
  p.setBrush(QColor(40, 70, 160));
  p.drawRect(QRectF(2.5, 2.5, 15, 15));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(6, 2.5, 8, 6));
  p.drawRect(QRectF(5, 11, 10, 6.5));
}

// Drawn as lines, not as a character: a font would be loaded for it.
void DrawHelp(QPainter& p) {
  p.setBrush(QColor(30, 90, 200));
  p.drawEllipse(QRectF(2, 2, 16, 16));
  p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QPainterPath hook;
  hook.moveTo(7.5, 8);
  hook.cubicTo(7.5, 4.5, 12.5, 4.5, 12.5, 7.5);
  hook.cubicTo(12.5, 9.5, 10, 9.5, 10, 12);
  p.drawPath(hook);
  p.drawPoint(QPointF(10, 15));
}

void DrawPrinter(QPainter& p) {
  p.setBrush(Qt::white);
  p.drawRect(QRectF(5.5, 2.5, 9, 6));
  p.setBrush(QColor(110, 110, 110));
  p.drawRect(QRectF(2.5, 8.5, 15, 6));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(5.5, 12.5, 9, 5));
}

void DrawMargins(QPainter& p) {
  p.setPen(QPen(Qt::black, 1.5));
  p.drawLine(QPointF(3, 3), QPointF(17, 3));
  p.drawLine(QPointF(3, 3), QPointF(3, 17));
  p.setPen(QPen(QColor(200, 0, 0), 1.5));
  p.drawLine(QPointF(10, 7), QPointF(10, 16));
  p.drawLine(QPointF(7, 10), QPointF(16, 10));
  p.drawLine(QPointF(10, 7), QPointF(8, 9));
  p.drawLine(QPointF(10, 7), QPointF(12, 9));
  p.drawLine(QPointF(7, 10), QPointF(9, 8));
  p.drawLine(QPointF(7, 10), QPointF(9, 12));
}

using Painter = void (*)(QPainter&);

Painter PainterOf(Glyph glyph) {
  switch (glyph) {
    case Glyph::kTransfer:
      return DrawTransfer;
    case Glyph::kClear:
      return DrawClear;
    case Glyph::kErase:
      return DrawErase;
    case Glyph::kSave:
      return DrawSave;
    case Glyph::kHelp:
      return DrawHelp;
    case Glyph::kPrinter:
      return DrawPrinter;
    case Glyph::kMargins:
      return DrawMargins;
  }
  return DrawClear;
}

}  // namespace

QIcon GlyphIcon(Glyph glyph) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 1));
  PainterOf(glyph)(painter);
  painter.end();
  return QIcon(pixmap);
}

}  // namespace ruvo::app
