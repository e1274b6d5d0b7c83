#include "print/test_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "print/slip_layout.h"
#include "test_text.h"

namespace ruvo {
namespace {

using test::Sj;

const SlipPrintValues k300Dpi{"300", "300", "12", "-8"};

// A layout coordinate at 300 dpi, worked out apart from the renderer's
// arithmetic: 1.875 dots a unit, halves away from zero.
int At300(int units, int margin) {
  return static_cast<int>(std::floor(units * 1.875 + 0.5)) + margin;
}

std::vector<DrawOp> OfShape(const DrawList& list, DrawShape shape) {
  std::vector<DrawOp> ops;
  std::copy_if(list.begin(), list.end(), std::back_inserter(ops),
               [&](const DrawOp& op) { return op.shape == shape; });
  return ops;
}

bool HasLine(const DrawList& list, int x, int y, int x2, int y2) {
  return std::any_of(list.begin(), list.end(), [&](const DrawOp& op) {
    return op.shape == DrawShape::kLine && op.x == x && op.y == y && op.x2 == x2 && op.y2 == y2;
  });
}

// A line through (x, y) along one axis, reaching 1.5 mm (17.7 dots at
// 300 dpi) to either side of it, within a dot.
bool HasArm(const DrawList& list, int x, int y, bool across) {
  return std::any_of(list.begin(), list.end(), [&](const DrawOp& op) {
    const int along = across ? x : y;
    const int from = across ? op.x : op.y;
    const int to = across ? op.x2 : op.y2;
    const bool onIt = across ? op.y == y && op.y2 == y : op.x == x && op.x2 == x;
    return op.shape == DrawShape::kLine && onIt && std::abs(along - from - 17.7) <= 1 &&
           std::abs(to - along - 17.7) <= 1;
  });
}

TEST(TestSheetTest, OutlinesEveryBoxAndCrossesEveryAnchorWhereTheLayoutPutsIt) {
  const DrawList sheet = TestSheet(k300Dpi);
  const std::vector<DrawOp> frames = OfShape(sheet, DrawShape::kFrame);
  ASSERT_EQ(frames.size(), TestSheetBoxCount());
  ASSERT_EQ(frames.size(), SlipLayout().size() - 1);  // the lone sender address line has none
  std::size_t frame = 0;
  for (const SlipLayoutField& field : SlipLayout()) {
    if (field.gate == SlipGate::kSenderOneLine) continue;
    SCOPED_TRACE(std::string(field.name));
    const int x = At300(field.x, -8);
    const int y = At300(field.y, 12);
    const DrawOp& box = frames[frame++];
    EXPECT_EQ(box.x, x);
    EXPECT_EQ(box.y, y);
    EXPECT_EQ(box.x2, At300(field.x + field.width, -8));
    EXPECT_EQ(box.y2, At300(field.y + field.height, 12));
    EXPECT_TRUE(HasArm(sheet, x, y, /*across=*/true));
    EXPECT_TRUE(HasArm(sheet, x, y, /*across=*/false));
  }
}

// A row of boxes (the postal code's, the quantity's) is captioned once;
// every other box has its own caption.
TEST(TestSheetTest, CaptionsEachFieldOnce) {
  std::map<std::string, int> captions;
  for (const DrawOp& op : OfShape(TestSheet(k300Dpi), DrawShape::kLabel))
    ++captions[op.text];
  for (const SlipLayoutField& field : SlipLayout()) {
    if (field.gate == SlipGate::kSenderOneLine) continue;
    SCOPED_TRACE(std::string(field.name));
    EXPECT_EQ(captions[std::string(field.caption)], 1);
  }
  EXPECT_EQ(captions[Sj("10→12時")], 1);
  EXPECT_EQ(captions[Sj("給紙方向")], 1);
  EXPECT_EQ(captions[Sj("上余白 12 ドット = 1.02 mm")], 1);  // the values it was made with
  EXPECT_EQ(captions[Sj("左余白 -8 ドット = -0.68 mm")], 1);
}

// Ticks hang from the top ruler every millimetre, 1, 2 or 3 mm long, with
// a figure every 10 mm; the left ruler likewise, from 1 mm.
TEST(TestSheetTest, RulersTickEachMillimetreFromTheFormsOrigin) {
  const DrawList sheet = TestSheet({"360", "360", "", ""});
  const auto dots = [](double mm) { return static_cast<int>(std::lround(mm / 25.4 * 360)); };
  for (const int mm : {0, 1, 4, 5, 9, 10, 187}) {
    SCOPED_TRACE(mm);
    const double length = mm % 10 == 0 ? 3 : mm % 5 == 0 ? 2 : 1;
    EXPECT_TRUE(HasLine(sheet, dots(mm), 0, dots(mm), dots(length)));
    if (mm > 0 && mm <= 101) {
      EXPECT_TRUE(HasLine(sheet, 0, dots(mm), dots(length), dots(mm)));
    }
  }
  EXPECT_FALSE(HasLine(sheet, dots(188), 0, dots(188), dots(1)));  // the form is 187.3 mm wide
  EXPECT_FALSE(HasLine(sheet, 0, dots(102), dots(1), dots(102)));  // and four inches tall
  std::size_t figures = 0;
  for (const DrawOp& op : OfShape(sheet, DrawShape::kLabel))
    figures += op.text.find_first_not_of("0123456789") == std::string::npos ? 1u : 0u;
  EXPECT_EQ(figures, 19u + 10u);  // 0 to 180 across, 10 to 100 down
}

}  // namespace
}  // namespace ruvo
