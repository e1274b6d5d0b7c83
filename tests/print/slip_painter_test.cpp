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

// An outline is its four edges in its ink and nothing else: what it
// surrounds stays as it was.
TEST(SlipPainterTest, FrameStrokesItsEdgesAndLeavesItsInsideAlone) {
  const QImage image = Paint({LineOp(DrawShape::kFrame, 100, 50, 300, 150, 0, DrawInk::kRed)});
  const QRect red = BoundsOf(image, QColor(220, 0, 0).rgb());
  EXPECT_EQ(red, QRect(QPoint(100, 50), QPoint(300, 150)));
  EXPECT_EQ(image.pixel(200, 100), qRgb(128, 128, 128));
  EXPECT_EQ(image.pixel(200, 52), qRgb(128, 128, 128));
}

// A stroke's width holds on paper: 1 mm is 14.2 dots at 360 dpi.
TEST(SlipPainterTest, LineIsAsThickAsItsPenOnPaper) {
  const QImage image = Paint({LineOp(DrawShape::kLine, 100, 200, 400, 200, 100)});
  const QRect black = BoundsOf(image, qRgb(0, 0, 0));
  EXPECT_NEAR(black.height(), 14.2, 1.0);
  EXPECT_EQ(black.left(), 100);  // flat ends: no cap beyond the points
  EXPECT_NEAR(black.right(), 400, 1);
}

// A caption is laid over what is there: no cell is blanked for it.
TEST(SlipPainterTest, LabelInksWithoutBlankingItsCell) {
  DrawOp label{Sj("ＭＳ Ｐ明朝"), 11, 50, 30, Sj("東京都"), DrawShape::kLabel};
  const QImage image = Paint({label});
  EXPECT_FALSE(BoundsOf(image, qRgb(0, 0, 0)).isEmpty());
  EXPECT_TRUE(BoundsOf(image, qRgb(255, 255, 255)).isEmpty());
}

// A preview: the 360 dpi draw list painted a quarter the size through the
// painter's scale keeps its text as tall against its box as on paper.
TEST(SlipPainterTest, PaintsAPrintersDotsAtAnotherScaleWithTheTextsInProportion) {
  test::EnsureGuiApplication();
  const DrawOp digit{"Lucida Sans Unicode", 12, 200, 100, "8"};
  const DrawList list{digit, LineOp(DrawShape::kFrame, 200, 100, 440, 160, 0, DrawInk::kRed)};
  QImage preview(150, 100, QImage::Format_RGB32);
  preview.fill(Qt::white);
  QPainter painter(&preview);
  painter.scale(0.25, 0.25);
  PaintDrawList(painter, list, 360);
  painter.end();
  EXPECT_EQ(BoundsOf(preview, QColor(220, 0, 0).rgb()), QRect(QPoint(50, 25), QPoint(110, 40)));
  QRect previewGlyph;
  for (int y = 26; y < 40; ++y) {
    for (int x = 51; x < 110; ++x) {
      if (qGray(preview.pixel(x, y)) < 128) previewGlyph |= QRect(x, y, 1, 1);
    }
  }
  const QRect paperGlyph = BoundsOf(Paint({digit}), qRgb(0, 0, 0));
  EXPECT_NEAR(previewGlyph.height(), paperGlyph.height() / 4.0, 1.5);
}

}  // namespace
}  // namespace ruvo
