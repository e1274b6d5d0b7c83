#include "print/lm_capabilities.h"

#include <gtest/gtest.h>

namespace ruvo {
namespace {

TEST(CapabilitiesFromFieldsTest, EachFlagSetsItsBitOnly) {
  struct Case {
    std::uint32_t flag;
    std::size_t bit;
  };
  const Case cases[] = {
      {0x1, 0},     {0x2, 1},      {0x4, 2},      {0x8, 3},        {0x10, 4},        {0x100, 5},
      {0x200, 6},   {0x400, 7},    {0x800, 8},    {0x1000, 9},     {0x2000, 10},     {0x4000, 11},
      {0x8000, 12}, {0x10000, 13}, {0x20000, 14}, {0x8000000, 15}, {0x10000000, 16},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flag);
    TLmPrinterCapabilities expected;
    expected.set(c.bit);
    EXPECT_EQ(CapabilitiesFromFields(c.flag), expected);
  }
}

TEST(CapabilitiesFromFieldsTest, FlagsOutsideTheTableAreIgnored) {
  // 0x20..0x80 and 0x40000..0x4000000 are dmFields flags the set has no bit for.
  EXPECT_TRUE(CapabilitiesFromFields(0x20 | 0x40 | 0x80 | 0x40000 | 0x4000000).none());
  EXPECT_EQ(CapabilitiesFromFields(0xFFFFFFFF).count(), 17u);
}

}  // namespace
}  // namespace ruvo
