#include "print/slip_painter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "support/gui_app.h"
#include "support/test_text.h"

namespace ruvo {
namespace {

using test::Sj;

constexpr int kDotsPerMeterAt360Dpi = 14173;  // 360 / 0.0254

QImage GreyPageAt360Dpi() {
  QImage image(600, 400, QImage::Format_RGB32);
  image.setDotsPerMeterX(kDotsPerMeterAt360Dpi);
  image.setDotsPerMeterY(kDotsPerMeterAt360Dpi);
  image.fill(QColor(128, 128, 128));
  return image;
}

// The bounding box of the pixels of exactly `colour`.
QRect BoundsOf(const QImage& image, QRgb colour) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) == colour) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

QImage Paint(const DrawList& list) {
  test::EnsureGuiApplication();
  QImage image = GreyPageAt360Dpi();
  QPainter painter(&image);
  PaintDrawList(painter, list);
  return image;
}

TEST(SlipPainterTest, DrawsBlackGlyphsBelowAndRightOfTheCellTopLeft) {
  const DrawOp op{"Lucida Sans Unicode", 12, 200, 100, "8"};
  const QImage image = Paint({op});
  const QRect ink = BoundsOf(image, qRgb(0, 0, 0));
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GE(ink.left(), 200);
  EXPECT_GE(ink.top(), 100);
  // 12 pt at 360 dpi is a 60-dot em; a digit stays well inside it.
  EXPECT_LT(ink.right(), 200 + 60);
  EXPECT_LT(ink.bottom(), 100 + 60 + 20);
  EXPECT_GT(ink.height(), 25);  // about 0.7 em: the size follows the device's dpi
}

TEST(SlipPainterTest, FillsTheTextCellWhiteFromItsTopLeftCorner) {
  const QImage image = Paint({DrawOp{"Lucida Sans Unicode", 12, 200, 100, " "}});
  const QRect white = BoundsOf(image, qRgb(255, 255, 255));
  ASSERT_FALSE(white.isEmpty());
  EXPECT_EQ(white.topLeft(), QPoint(200, 100));
  EXPECT_GE(white.height(), 60);                          // at least the em
  EXPECT_TRUE(BoundsOf(image, qRgb(0, 0, 0)).isEmpty());  // a blank has no ink
}

TEST(SlipPainterTest, EmptyTextLeavesThePageUntouched) {
  const QImage image = Paint({DrawOp{"Lucida Sans Unicode", 12, 200, 100, ""}});
  EXPECT_EQ(image, GreyPageAt360Dpi());
}

TEST(SlipPainterTest, DrawsJapaneseTextInTheMinchoSubstitute) {
  const QImage image = Paint({DrawOp{Sj("ＭＳ Ｐ明朝"), 11, 50, 30, Sj("東京都")}});
  const QRect ink = BoundsOf(image, qRgb(0, 0, 0));
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GE(ink.top(), 30);
  EXPECT_GT(ink.width(), 2 * 40);  // three full-width characters of a 55-dot em
}

}  // namespace
}  // namespace ruvo
