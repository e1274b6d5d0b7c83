#include "print/ppd_summary.h"

#include <gtest/gtest.h>

namespace ruvo {
namespace {

TEST(ParsePpdResolutionTest, AcceptsSquareAndRectangularResolutions) {
  struct Case {
    const char* value;
    Resolution expected;
  };
  const Case cases[] = {{"360dpi", {360, 360}},
                        {"360x180dpi", {360, 180}},
                        {"1dpi", {1, 1}},
                        {"100000dpi", {100000, 100000}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(ParsePpdResolution(c.value), c.expected);
  }
}

TEST(ParsePpdResolutionTest, RejectsMalformedValues) {
  const char* cases[] = {
      "360",                      // unit missing
      "dpi",                      // number missing
      "0dpi",                     // no dots
      "100001dpi",                // beyond any printer
      "-300dpi",                  // sign
      "360x dpi",                 // blank inside
      "360xdpi",                  // second number missing
      "3e2dpi",                   // not decimal digits
      "99999999999999999999dpi",  // overflows int
  };
  for (const char* value : cases) {
    SCOPED_TRACE(value);
    EXPECT_FALSE(ParsePpdResolution(value).has_value());
  }
}

TEST(ParsePpdSummaryTest, ReadsResolutionSourcesAndDefaultSource) {
  const PpdSummary summary = ParsePpdSummary(
      "*PPD-Adobe: \"4.3\"\r\n"
      "*DefaultResolution: 360dpi\r\n"
      "*Resolution 360dpi/360 DPI: \"\"\r\n"
      "*OpenUI *InputSlot/Paper Source: PickOne\r\n"
      "*DefaultInputSlot: Manual\r\n"
      "*InputSlot Upper/Upper Tray: \"\"\r\n"
      "*InputSlot Manual: \"\"\r\n"
      "*InputSlot Tractor/: \"\"\r\n"
      "*CloseUI: *InputSlot");
  EXPECT_EQ(summary.defaultResolution, (Resolution{360, 360}));
  ASSERT_EQ(summary.inputSlots.size(), 3u);
  EXPECT_EQ(summary.inputSlots[0].keyword, "Upper");
  EXPECT_EQ(summary.inputSlots[0].text, "Upper Tray");
  EXPECT_EQ(summary.inputSlots[1].text, "Manual");   // no translation: the keyword
  EXPECT_EQ(summary.inputSlots[2].text, "Tractor");  // empty translation: the keyword
  EXPECT_EQ(summary.defaultInputSlot, "Manual");
}

// Translations are in the file's *LanguageEncoding (Japanese drivers write
// Shift-JIS) and may spell bytes as hexadecimal between angle brackets.
TEST(ParsePpdSummaryTest, DecodesHexInTranslationsAndReadsTheEncoding) {
  const PpdSummary summary = ParsePpdSummary(
      "*LanguageEncoding: JIS83-RKSJ\r\n"
      "*InputSlot Manual/<8EE8 8DB7 82B5>: \"\"\r\n"
      "*InputSlot Tray1/Tray <31>: \"\"\r\n"
      "*InputSlot Tray2/Tray <3G> <32: \"\"\r\n"
      "*InputSlot Tray3/<>: \"\"\r\n");
  EXPECT_EQ(summary.languageEncoding, "JIS83-RKSJ");
  ASSERT_EQ(summary.inputSlots.size(), 4u);
  EXPECT_EQ(summary.inputSlots[0].text, "\x8E\xE8\x8D\xB7\x82\xB5");  // 手差し
  EXPECT_EQ(summary.inputSlots[1].text, "Tray 1");
  EXPECT_EQ(summary.inputSlots[2].text, "Tray <3G> <32");  // not hexadecimal: as written
  EXPECT_EQ(summary.inputSlots[3].text, "Tray3");          // nothing left: the keyword
  EXPECT_EQ(ParsePpdSummary("*InputSlot Upper: \"\"").languageEncoding, "ISOLatin1");
}

TEST(ParsePpdSummaryTest, SkipsBrokenLinesWithoutThrowing) {
  const PpdSummary summary = ParsePpdSummary(
      "*InputSlot NoColon\n"
      "*InputSlot /Only Text: \"\"\n"
      "*DefaultResolution: fine\n"
      "*InputSlot");
  EXPECT_TRUE(summary.inputSlots.empty());
  EXPECT_FALSE(summary.defaultResolution.has_value());
  EXPECT_TRUE(ParsePpdSummary("").inputSlots.empty());
}

}  // namespace
}  // namespace ruvo
