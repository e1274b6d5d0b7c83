#include "print/lm_all_printers_info.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace ruvo {
namespace {

constexpr std::uint32_t kHidden = kPrinterAttributeHidden;

TEST(TLmAllPrintersInfoTest, KeepsSystemOrderNamesAndAttributes) {
  const TLmAllPrintersInfo info({{"A", 0x40, "A"}, {"H", kHidden, "H"}, {"B", 0x8, "B"}});
  ASSERT_EQ(info.Count(), 3);
  EXPECT_EQ(info.GetName(1), "H");
  EXPECT_EQ(info.GetAttributes(2), 0x8u);
  EXPECT_FALSE(info.IsVisible(1));
  EXPECT_THROW(info.GetName(3), std::out_of_range);
  EXPECT_THROW(info.GetAttributes(-1), std::out_of_range);
}

TEST(TLmAllPrintersInfoTest, NumbersCountOnlyVisiblePrinters) {
  const TLmAllPrintersInfo info(
      {{"H0", kHidden, "H0"}, {"A", 0, "A"}, {"H", kHidden, "H"}, {"B", 0, "B"}});
  EXPECT_EQ(info.PositionOfNumber(0), 1);
  EXPECT_EQ(info.PositionOfNumber(1), 3);
  EXPECT_EQ(info.PositionOfNumber(2), -1);
  EXPECT_EQ(info.HiddenBefore(3), 2);
  EXPECT_EQ(info.HiddenBefore(0), 0);
}

TEST(TLmAllPrintersInfoTest, OnlyHiddenPrintersAreNoVisiblePrinter) {
  EXPECT_FALSE(TLmAllPrintersInfo({{"H", kHidden, "H"}}).HasVisiblePrinter());
  EXPECT_FALSE(TLmAllPrintersInfo(std::vector<PrinterEntry>{}).HasVisiblePrinter());
  EXPECT_TRUE(TLmAllPrintersInfo({{"H", kHidden, "H"}, {"A", 0, "A"}}).HasVisiblePrinter());
}

TEST(TLmAllPrintersInfoTest, FindNameIsExactAndTakesTheFirst) {
  const TLmAllPrintersInfo info({{"Lab", 0, "Lab"}, {"lab", 0, "lab"}, {"Lab", kHidden, "Lab"}});
  EXPECT_EQ(info.FindName("Lab"), 0);
  EXPECT_EQ(info.FindName("lab"), 1);
  EXPECT_EQ(info.FindName("La"), -1);
}

TEST(TLmAllPrintersInfoTest, IsEqualComparesCountNamesAndVisibilityByPosition) {
  const TLmAllPrintersInfo base({{"A", 0, "A"}, {"B", 0, "B"}});
  struct Case {
    const char* what;
    std::vector<PrinterEntry> other;
    bool equal;
  };
  const Case cases[] = {
      {"same", {{"A", 0, "A"}, {"B", 0, "B"}}, true},
      {"printer added", {{"A", 0, "A"}, {"B", 0, "B"}, {"C", 0, "C"}}, false},
      {"printer removed", {{"A", 0, "A"}}, false},
      {"order swapped", {{"B", 0, "B"}, {"A", 0, "A"}}, false},
      {"renamed", {{"A", 0, "A"}, {"b", 0, "b"}}, false},
      {"hidden", {{"A", 0, "A"}, {"B", kPrinterAttributeHidden, "B"}}, false},
      // Two queues CP932 shows alike ("Café", "Cafè") are two printers.
      {"other queue, same name", {{"A", 0, "A"}, {"B", 0, "B2"}}, false},
      // States the print service sets by itself keep the numbering.
      {"stopped by the service", {{"A", 0, "A"}, {"B", kPrinterAttributeWorkOffline, "B"}}, true},
      {"shared", {{"A", kPrinterAttributeShared, "A"}, {"B", 0, "B"}}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(base.IsEqual(TLmAllPrintersInfo(c.other)), c.equal);
  }
  const TLmAllPrintersInfo none(std::vector<PrinterEntry>{});
  EXPECT_TRUE(none.IsEqual(TLmAllPrintersInfo(std::vector<PrinterEntry>{})));
}

}  // namespace
}  // namespace ruvo
