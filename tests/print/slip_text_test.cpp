#include "print/slip_text.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace ruvo {
namespace {

using test::Sj;

TEST(SlipTextTest, RightAlign3PadsOrCutsToThreeCharacters) {
  const struct {
    const char* text;
    const char* expected;
  } rows[] = {
      {"5", "  5"},   {"12", " 12"},   {"123", "123"},
      {"", "   "},    {"1234", "234"},  // only the last three fit the boxes
      {" 7 ", "  7"},                   // blanks around the number are dropped
      {"\t8", "  8"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(RightAlign3(row.text), row.expected);
  }
}

TEST(SlipTextTest, RightAlign3KeepsTwoByteCharactersWhole) {
  EXPECT_EQ(RightAlign3(Sj("１２")), Sj(" １２"));
  EXPECT_EQ(RightAlign3(Sj("１２３４")), Sj("２３４"));
}

using Cells = std::array<std::string, kZipCellCount>;

TEST(SlipTextTest, ZipCellsSkipTheHyphenBox) {
  EXPECT_EQ(ZipCells("123-4567"), (Cells{"1", "2", "3", "4", "5", "6", "7"}));
  EXPECT_EQ(ZipCells("123-45"), (Cells{"1", "2", "3", "4", "5", "", ""}));
  EXPECT_EQ(ZipCells(""), (Cells{}));
  EXPECT_EQ(ZipCells("12"), (Cells{"1", "2", "", "", "", "", ""}));
  // Anything else is drawn as typed, character by character.
  EXPECT_EQ(ZipCells("123-45678"), (Cells{"1", "2", "3", "4", "5", "6", "7"}));
  EXPECT_EQ(ZipCells("abc-defg"), (Cells{"a", "b", "c", "d", "e", "f", "g"}));
}

TEST(SlipTextTest, SevenBareDigitsKeepTheirFourthDigit) {
  EXPECT_EQ(ZipCells("1234567"), (Cells{"1", "2", "3", "4", "5", "6", "7"}));
  EXPECT_EQ(ZipCells(Sj("１２３４５６７")),
            (Cells{Sj("１"), Sj("２"), Sj("３"), Sj("４"), Sj("５"), Sj("６"), Sj("７")}));
  // Six or eight bare digits are no postal code: the hyphen box is skipped.
  EXPECT_EQ(ZipCells("123456"), (Cells{"1", "2", "3", "5", "6", "", ""}));
  EXPECT_EQ(ZipCells("12345678"), (Cells{"1", "2", "3", "5", "6", "7", "8"}));
  // A letter among seven characters: as typed.
  EXPECT_EQ(ZipCells("123a567"), (Cells{"1", "2", "3", "5", "6", "7", ""}));
}

TEST(SlipTextTest, FullWidthZipIsCutByCharacterNotByByte) {
  EXPECT_EQ(ZipCells(Sj("７３０－０００１")),
            (Cells{Sj("７"), Sj("３"), Sj("０"), Sj("０"), Sj("０"), Sj("０"), Sj("１")}));
}

TEST(SlipTextTest, ShippingDateHasFixedPositions) {
  using namespace std::chrono;
  EXPECT_EQ(ShippingDateText(year(2011) / January / 5), "2011/01/05");
  EXPECT_EQ(ShippingDateText(year(2026) / December / 31), "2026/12/31");
}

TEST(SlipTextTest, CharsAtCountsCharactersAndStopsAtTheEnd) {
  EXPECT_EQ(CharsAt(Sj("あいう"), 1, 1), Sj("い"));
  EXPECT_EQ(CharsAt(Sj("aあb"), 1, 2), Sj("あb"));
  EXPECT_EQ(CharsAt("abc", 2, 5), "c");
  EXPECT_EQ(CharsAt("abc", 7, 1), "");
}

}  // namespace
}  // namespace ruvo
