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

TEST(PaperSizeCodeTest, KeepsOnlyStandardWindowsIds) {
  EXPECT_EQ(PaperSizeCode(9), 9);  // A4
  EXPECT_EQ(PaperSizeCode(255), 255);
  EXPECT_EQ(PaperSizeCode(256), 0);  // DMPAPER_USER: Qt's id for every size it has no id for
  EXPECT_EQ(PaperSizeCode(65536), 0);
  EXPECT_EQ(PaperSizeCode(0), 0);
  EXPECT_EQ(PaperSizeCode(-1), 0);
}

TEST(DistinctCodesTest, EveryEntryGetsACodeOfItsOwn) {
  struct Case {
    const char* what;
    std::vector<std::uint16_t> standard;
    std::vector<std::uint16_t> codes;
  };
  const Case cases[] = {
      {"standard codes kept", {9, 11, 1}, {9, 11, 1}},
      {"none standard: numbered from 256", {0, 0, 0}, {256, 257, 258}},
      {"second of a code numbered on", {3, 1, 3, 3}, {3, 1, 256, 257}},
      {"mixed", {9, 0, 1, 9, 0}, {9, 256, 1, 257, 258}},
      {"a user code as standard is renumbered", {256, 256}, {256, 257}},
      {"empty list", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(DistinctCodes(c.standard), c.codes);
  }
}

}  // namespace
}  // namespace ruvo
