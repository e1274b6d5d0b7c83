#include "print/slip_units.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace ruvo
