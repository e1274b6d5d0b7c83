#include "print/cups_queue.h"

#include <gtest/gtest.h>

#include <limits>

namespace ruvo::cups {
namespace {

TEST(DotsPerInchTest, ConvertsPerCentimetreAndRejectsWhatNoPrinterHas) {
  struct Case {
    int x;
    int y;
    bool perCentimetre;
    std::optional<Resolution> expected;
  };
  constexpr int kMax = std::numeric_limits<int>::max();
  const Case cases[] = {
      {360, 180, false, Resolution{360, 180}},
      {118, 118, true, Resolution{300, 300}},  // 118 dots/cm are 299.72 dpi
      {1, 1, false, Resolution{1, 1}},
      {100000, 100000, false, Resolution{100000, 100000}},
      {0, 360, false, std::nullopt},
      {360, -1, false, std::nullopt},
      {100001, 360, false, std::nullopt},
      {kMax, kMax, true, std::nullopt},  // would overflow on the way to inches
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "x" << c.y << (c.perCentimetre ? "/cm" : "/in"));
    EXPECT_EQ(DotsPerInch(c.x, c.y, c.perCentimetre), c.expected);
  }
}

}  // namespace
}  // namespace ruvo::cups
