#include "print/slip_page.h"

#include <gtest/gtest.h>

#include "print/slip_units.h"

namespace ruvo {
namespace {

// The recipient name at 360 dpi, 11 points: 55 dots tall, and 8 bytes at
// most 440 dots wide. The longest page is 100000 points = 500000 dots.
DrawList NameAt(int x, int y) {
  return {DrawOp{"font", 11, x, y, "12345678"}};
}

TEST(SlipPageTest, ATextShowingOneDotKeepsTheSlip) {
  const struct {
    const char* name;
    int x, y;
  } rows[] = {
      {"bottom row at the top edge", 495, -54},
      {"last column at the left edge", -439, 743},
      {"first row at the far edge", 495, 499999},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_NO_THROW(ThrowIfEveryTextIsOffThePage(NameAt(row.x, row.y), 360, 360, 0, 0));
  }
  EXPECT_NO_THROW(ThrowIfEveryTextIsOffThePage({}, 360, 360, -5000, 0));  // nothing to show
  EXPECT_NO_THROW(ThrowIfMarginIsBeyondAnyPage(360, 360, -499999, 499999));
}

TEST(SlipPageTest, MarginThatMovesEveryTextOffIsNamed) {
  const struct {
    const char* name;
    int x, y;
    const char* message;
  } rows[] = {
      {"above the page", 495, -55, "top margin -800 puts every text of the slip off the page"},
      {"past its end", 495, 500000, "top margin -800 puts every text of the slip off the page"},
      {"left of it", -440, 743, "left margin 7 puts every text of the slip off the page"},
      {"both", -440, -55,
       "top margin -800 and left margin 7 put every text of the slip off the page"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    try {
      ThrowIfEveryTextIsOffThePage(NameAt(row.x, row.y), 360, 360, -800, 7);
      ADD_FAILURE() << "no error";
    } catch (const SlipPositionError& e) {
      EXPECT_STREQ(e.what(), row.message);
    }
  }
  EXPECT_THROW(ThrowIfMarginIsBeyondAnyPage(360, 360, -500000, 0), SlipPositionError);
  EXPECT_THROW(ThrowIfMarginIsBeyondAnyPage(360, 360, 0, 500000), SlipPositionError);
}

}  // namespace
}  // namespace ruvo
