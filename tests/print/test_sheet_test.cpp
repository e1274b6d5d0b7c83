#include "print/test_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>

#include "print/slip_layout.h"
#include "support/test_text.h"

namespace ruvo {
namespace {

using test::Sj;

const SlipPrintValues k300Dpi{"300", "300", "12", "-8"};

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

// A row of boxes (the postal code's, the quantity's) is captioned once;
// every other box has its own caption.
TEST(TestSheetTest, CaptionsEachFieldOnce) {
  std::map<std::string, int> captions;
  for (const DrawOp& op : OfShape(TestSheet(k300Dpi), DrawShape::kLabel))
    ++captions[op.text];
  for (const SlipLayoutField& field : SlipLayout()) {
    if (field.gate == SlipGate::kSenderOneLine) continue;
    SCOPED_TRACE(std::string(field.name));
    EXPECT_EQ(captions[FieldCaption(field)], 1);
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
