#include "print/qt_text_measurer.h"

#include <gtest/gtest.h>

#include "print/known_slip.h"
#include "print/slip_layout.h"
#include "support/gui_app.h"

namespace ruvo {
namespace {

using test::Sj;

// With the installed stand-in (IPA P Mincho), 20 kanji of 11 points are
// 77.6 mm: 3.6 mm past the name's 74.0 mm box at 360 dpi; at 300 dpi the
// font is 46 dots for 45.8, a little wider.
TEST(QtTextMeasurerTest, FortyByteNameOfFullWidthCharactersOverflowsAShortOneDoesNot) {
  test::EnsureGuiApplication();
  const QtTextMeasurer measurer;
  SlipRecord slip = test::KnownSlip();
  slip.recipientName = test::FortyByteName();
  const struct {
    const char* dpi;
    double mm;
  } rows[] = {{"360", 3.6}, {"300", 4.0}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.dpi);
    const auto overflows = MeasureOverflows(slip, {row.dpi, row.dpi, "", ""}, measurer);
    ASSERT_EQ(overflows.size(), 1u);
    EXPECT_EQ(overflows[0].name, "name");
    EXPECT_NEAR(overflows[0].mm, row.mm, 0.15);
  }
  slip.recipientName = Sj("山田太郎");
  EXPECT_TRUE(MeasureOverflows(slip, {"360", "360", "", ""}, measurer).empty());
  EXPECT_TRUE(MeasureOverflows(slip, {"300", "300", "", ""}, measurer).empty());
}

// The full slip fits: every field at its limit as the window takes it
// (goods 30 bytes at full width, address line 1 its 40) stays in its box.
TEST(QtTextMeasurerTest, FieldsAtTheirByteLimitsInFullWidthFitTheirBoxes) {
  test::EnsureGuiApplication();
  SlipRecord slip = test::KnownSlip();
  slip.goods = {Sj("書籍書籍書籍書籍書籍書籍書籍書"), Sj("ＷＷＷＷＷＷＷＷＷＷＷＷＷＷＷ"), ""};
  slip.recipientAddress1 = Sj("広島県広島市中区白島北町一丁目二番三号");
  slip.recipientAddress1 += Sj("棟");          // 20 characters, 40 bytes
  slip.recipientZip = Sj("７３０－０００１");  // full-width digits in the 45-unit boxes
  for (const char* dpi : {"180", "300", "360", "600"}) {
    SCOPED_TRACE(dpi);
    EXPECT_TRUE(MeasureOverflows(slip, {dpi, dpi, "", ""}, QtTextMeasurer()).empty());
  }
}

}  // namespace
}  // namespace ruvo
