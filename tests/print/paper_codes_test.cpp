#include "print/paper_codes.h"

#include <gtest/gtest.h>

namespace ruvo {
namespace {

TEST(PaperSourceCodeTest, StandardInputSlotsGetTheirTrayCodes) {
  struct Case {
    const char* keyword;
    std::uint16_t code;
  };
  const Case cases[] = {{"Upper", 1}, {"Lower", 2},   {"Manual", 4},         {"ManualFeed", 4},
                        {"Auto", 7},  {"Tractor", 8}, {"LargeCapacity", 11}, {"Cassette", 14},
                        {"upper", 0},  // keywords are case-sensitive
                        {"Tray1", 0},  // no standard code
                        {"", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keyword);
    EXPECT_EQ(PaperSourceCode(c.keyword), c.code);
  }
}

TEST(PaperSizeCodeTest, KeepsWindowsIdsInsideSixteenBits) {
  EXPECT_EQ(PaperSizeCode(9), 9);  // A4
  EXPECT_EQ(PaperSizeCode(65535), 65535);
  EXPECT_EQ(PaperSizeCode(65536), 0);
  EXPECT_EQ(PaperSizeCode(0), 0);
  EXPECT_EQ(PaperSizeCode(-1), 0);
}

}  // namespace
}  // namespace ruvo
