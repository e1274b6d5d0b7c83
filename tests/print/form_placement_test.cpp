#include "print/form_placement.h"

#include <gtest/gtest.h>

#include "print/known_slip.h"
#include "print/lm_d97_dot.h"
#include "print/slip_units.h"

namespace ruvo {
namespace {

SlipPrintValues At360(std::string scaleX, std::string scaleY, std::string top = "12",
                      std::string left = "-8") {
  return {"360", "360", std::move(top), std::move(left), std::move(scaleX), std::move(scaleY)};
}

// 200 mm from the origin is 2834.6 dots at 360 dpi; at 101.0 % it lands
// 2 mm further, 202 mm from the origin, within half a dot.
TEST(FormPlacementTest, ScaleStretchesDistancesFromTheFormsOriginAlone) {
  const FormPlacement stretched(At360("1010", "990"));
  EXPECT_EQ(stretched.X(0), -8);  // the origin stays where the margins put it
  EXPECT_EQ(stretched.Y(0), 12);
  const double halfDotMm = 0.5 * 25.4 / 360;
  EXPECT_NEAR(DotsToMm(stretched.XFromMm(200) + 8, 360), 202.0, halfDotMm);
  EXPECT_NEAR(DotsToMm(stretched.YFromMm(200) - 12, 360), 198.0, halfDotMm);
  EXPECT_NEAR(DotsToMm(FormPlacement(At360("", "")).XFromMm(200) + 8, 360), 200.0, halfDotMm);
}

TEST(FormPlacementTest, ScaleMovesEachTextOfTheSlipByItsDistanceFromTheOrigin) {
  const DrawList plain = SLIP97_Prn(test::KnownSlip(), At360("", "", "0", "0"));
  const DrawList stretched = SLIP97_Prn(test::KnownSlip(), At360("1010", "1000", "0", "0"));
  ASSERT_EQ(plain.size(), stretched.size());
  for (std::size_t i = 0; i < plain.size(); ++i) {
    SCOPED_TRACE(plain[i].text);
    EXPECT_NEAR(stretched[i].x, plain[i].x * 1.01, 1.0);
    EXPECT_EQ(stretched[i].y, plain[i].y);
  }
}

// A registration without the scale keys prints as before they existed, to
// the dot, at any resolution.
TEST(FormPlacementTest, MissingScaleIsExactlyTheSlipsOwnPlacement) {
  for (const char* dpi : {"201", "203", "300", "360", "600"}) {
    SCOPED_TRACE(dpi);
    const FormPlacement placement({dpi, dpi, "7", "-3", "", ""});
    const std::int64_t scale = ScaleFromDpi(LabelTextToInt(dpi));
    for (const int units : {0, 1, 24, 170, 265, 350, 570, 1140}) {
      EXPECT_EQ(placement.X(units), UnitsToDots(scale, units, -3));
      EXPECT_EQ(placement.Y(units), UnitsToDots(scale, units, 7));
    }
  }
  EXPECT_EQ(SLIP97_Prn(test::KnownSlip(), At360("", "")),
            SLIP97_Prn(test::KnownSlip(), At360("1000", "1000")));
}

}  // namespace
}  // namespace ruvo
