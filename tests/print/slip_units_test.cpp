#include "print/slip_units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/test_text.h"

namespace ruvo {
namespace {

TEST(SlipUnitsTest, RoundOffTakesHalvesAwayFromZero) {
  const struct {
    long double value;
    std::int64_t expected;
  } rows[] = {
      {382.5L, 383}, {382.4999L, 382}, {0.0L, 0},        {0.5L, 1},
      {-0.5L, -1},   {-382.5L, -383},  {-382.49L, -382}, {53.99L, 54},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(static_cast<double>(row.value));
    EXPECT_EQ(RoundOff(row.value), row.expected);
  }
}

TEST(SlipUnitsTest, ScaleRoundsAnExactHalfToTheEvenNeighbour) {
  const struct {
    int dpi;
    std::int64_t expected;
  } rows[] = {
      {360, 22500}, {300, 18750},   {203, 12688},  // 12687.5 → even 12688
      {201, 12562},                                // 12562.5 → even 12562
      {1, 62},                                     // 62.5 → 62
      {3, 188},                                    // 187.5 → 188
      {0, 0},       {-203, -12688},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.dpi);
    EXPECT_EQ(ScaleFromDpi(row.dpi), row.expected);
  }
}

TEST(SlipUnitsTest, UnitsToDotsRoundsThenAddsTheMarginUnscaled) {
  EXPECT_EQ(UnitsToDots(22500, 170, 0), 383);  // 382.5 rounds up
  EXPECT_EQ(UnitsToDots(22500, 24, 0), 54);
  EXPECT_EQ(UnitsToDots(22500, 170, 10), 393);
  EXPECT_EQ(UnitsToDots(22500, 170, -400), -17);  // a negative margin moves left
  EXPECT_EQ(UnitsToDots(12688, 1, 0), 1);         // 1.2688
}

TEST(SlipUnitsTest, PositionBeyondTheIntRangeIsAnError) {
  EXPECT_THROW(UnitsToDots(22500, 1140, 2147483647), SlipPositionError);
}

TEST(SlipUnitsTest, AcceptsEveryIntegerLiteralForm) {
  const struct {
    const char* text;
    int expected;
  } rows[] = {
      {"360", 360}, {"  360", 360}, {"+360", 360}, {"-12", -12}, {"$168", 360},
      {"x10", 16},  {"X10", 16},    {"0x10", 16},  {"0", 0},     {"-0", 0},
      {"00", 0},    {"$0", 0},      {"0x0", 0},    {" +0", 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(LabelTextToInt(row.text), row.expected);
    EXPECT_EQ(MarginTextToInt(row.text), row.expected);
  }
}

TEST(SlipUnitsTest, RejectsTextsThatAreNoInteger) {
  const char* rows[] = {
      "1.5",         // a fraction
      "-",           // a sign without digits
      "abc",         // no digits at all
      "12 ",         // something after the digits
      "0x",          // a prefix without digits
      "$",           // likewise
      "2147483648",  // beyond the 32-bit range
      "1e3",         // exponent form
      "\x82\x4F",    // a full-width 0
  };
  for (const char* text : rows) {
    SCOPED_TRACE(text);
    try {
      MarginTextToInt(text);
      ADD_FAILURE() << "no error";
    } catch (const ConversionError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(text) + "' is not a valid integer value");
    }
  }
}

// The window shows the message as it is; the source only follows it.
TEST(SlipUnitsTest, ConversionErrorNamesWhereTheTextWasRead) {
  try {
    LabelTextToInt("", "PrnNoIndex in [x] of ruvo_q710.ini");
    ADD_FAILURE() << "no error";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'' is not a valid integer value (PrnNoIndex in [x] of ruvo_q710.ini)");
  }
  EXPECT_EQ(MarginTextToInt("", "option --top"), 0);
  EXPECT_EQ(MarginTextToInt("-7", "option --top"), -7);
}

TEST(SlipUnitsTest, EmptyMarginIsZeroButEmptyResolutionIsAnError) {
  EXPECT_EQ(MarginTextToInt(""), 0);
  EXPECT_THROW(LabelTextToInt(""), ConversionError);
}

// Millimetres to the nearest dot and back: a dot's millimetres come back to
// the same dot at every resolution, halves of a dot go away from zero.
TEST(SlipUnitsTest, MillimetresAndDotsConvertBothWaysToTheNearestDot) {
  const struct {
    double mm;
    int dpi;
    int dots;
  } rows[] = {
      {0.85, 360, 12},     // 12.05
      {-0.85, 360, -12},   // a negative margin mirrors
      {1.0, 300, 12},      // 11.81
      {-1.0, 300, -12},    //
      {0.1, 203, 1},       // 0.80
      {0.0625, 203, 0},    // 0.4995: just under half a dot
      {0.0626, 203, 1},    // 0.5003: just over
      {-0.0626, 203, -1},  //
      {25.4, 600, 600},    // one inch
      {-2.54, 100, -10},   //
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.mm) + " mm at " + std::to_string(row.dpi));
    EXPECT_EQ(MmToDots(row.mm, row.dpi), row.dots);
  }
  for (const int dpi : {160, 180, 203, 300, 360, 600, 720, 1200, 2400}) {
    for (const int dots : {-4000, -101, -12, -1, 0, 1, 7, 12, 999, 4000}) {
      SCOPED_TRACE(std::to_string(dots) + " dots at " + std::to_string(dpi));
      EXPECT_EQ(MmToDots(DotsToMm(dots, dpi), dpi), dots);
    }
  }
}

TEST(SlipUnitsTest, MarginsShowInMillimetresWithTwoDecimals) {
  EXPECT_EQ(DotsToMmText(12, 360), "0.85");   // 0.8467
  EXPECT_EQ(DotsToMmText(-8, 360), "-0.56");  // -0.5644
  EXPECT_EQ(DotsToMmText(0, 360), "0.00");
  EXPECT_EQ(DotsToMmText(-1, 2540), "-0.01");  // a dot is exactly 0.01 mm
  EXPECT_EQ(DotsToMmText(-1, 10000), "0.00");  // -0.00254: no sign on a zero figure
  EXPECT_EQ(DotsToMmText(1417, 360), "99.98");
}

TEST(SlipUnitsTest, MillimetresBeyondAnyPositionAreAnError) {
  EXPECT_THROW(MmToDots(1e12, 360), SlipPositionError);
  EXPECT_THROW(MmToDots(std::nan(""), 360), SlipPositionError);
}

TEST(SlipUnitsTest, ScaleTextsReadInTenthsOfAPercentWithinHalfToTwice) {
  EXPECT_EQ(ScaleTextToPerMille(""), 1000);  // a file without the key
  EXPECT_EQ(ScaleTextToPerMille("500"), 500);
  EXPECT_EQ(ScaleTextToPerMille("2000"), 2000);
  EXPECT_EQ(PerMilleAsPercentText(995), "99.5");
  EXPECT_EQ(test::MessageOf<SlipScaleError>([] { ScaleTextToPerMille("101", "slpPrn_ScaleX"); }),
            "scale 101 per mille (slpPrn_ScaleX) is outside 500 to 2000, i.e. 50.0 % to "
            "200.0 %");                                         // whole percent
  EXPECT_THROW(ScaleTextToPerMille("499"), SlipScaleError);     // one below
  EXPECT_THROW(ScaleTextToPerMille("2001"), SlipScaleError);    // one above
  EXPECT_THROW(ScaleTextToPerMille("101.0"), ConversionError);  // a percentage
}

}  // namespace
}  // namespace ruvo
