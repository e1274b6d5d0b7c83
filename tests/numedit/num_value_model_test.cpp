#include "numedit/num_value_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_text.h"

namespace ruvo {
namespace {

using test::Sj;

struct TextCase {
  std::string input;     // written as Text
  std::string expected;  // what Text then returns
};

void ExpectStored(const NumValueModel& settingsFrom, const std::vector<TextCase>& cases) {
  for (const TextCase& c : cases) {
    SCOPED_TRACE(test::Utf8(c.input));
    NumValueModel model(settingsFrom.Settings());
    model.SetText(c.input);
    EXPECT_EQ(model.GetText(), c.expected);
  }
}

TEST(NumValueModelTest, WritingTextStoresTheParsedValueWithDefaults) {
  ExpectStored(NumValueModel(), {
                                    {Sj("１２３"), "123"},
                                    {Sj("１，２３４．５６７８"), "1234.567"},  // decimals cut to 3
                                    {"12a34", "12"},
                                    {"1.2.3", "1.2"},
                                    {"5-", "5"},
                                    {",-5", ""},         // the dropped comma still takes position 1
                                    {"1234567890", ""},  // 10 integer digits empty the value
                                    {"123456789", "123456789"},
                                    {"-123456789", "-123456789"},  // the sign is not counted
                                    {"-1234567890", ""},
                                    {"007", "7"},
                                    {".5", "0.5"},
                                    {"-.5", "-0.5"},
                                    {"000", "0"},
                                    {"1,000", "1000"},
                                    {"1.234", "1.234"},
                                    {"1.2345", "1.234"},
                                    {"123456789.5", "123456789.5"},
                                    {"1234567890.5", ""},
                                    {Sj("－５"), "-5"},
                                    {Sj("５円"), "5"},  // any other two-byte character ends it
                                    {Sj("ａ５"), ""},
                                    {" 5", ""},  // a blank ends the number at once
                                });
}

TEST(NumValueModelTest, LimitsFollowTheSettings) {
  NumValueModel noMinus;
  noMinus.SetMinus(false);
  NumValueModel noDecimals;
  noDecimals.SetDecimalLength(0);
  NumValueModel threeDigits;
  threeDigits.SetIntegerLength(3);
  ExpectStored(noMinus, {{"-5", ""}, {"5", "5"}});
  ExpectStored(noDecimals, {{"12.5", "12"}, {".5", ""}});
  // The limits apply before leading zeros are stripped.
  ExpectStored(threeDigits, {{"0001", ""}, {"001", "1"}, {"999", "999"}, {"-999", "-999"}});
}

TEST(NumValueModelTest, ZeroEnabledKeepsLeadingZeros) {
  NumValueModel model;
  model.SetZeroEnabled(true);
  EXPECT_TRUE(model.SetText("007"));
  EXPECT_EQ(model.GetText(), "007");
  EXPECT_EQ(model.DisplayText(), "007");
}

TEST(NumValueModelTest, SetTextComparesTheUnparsedText) {
  NumValueModel model;
  EXPECT_FALSE(model.SetText(""));    // same as the empty value
  EXPECT_TRUE(model.SetText("abc"));  // differs, although the value stays ""
  EXPECT_EQ(model.GetText(), "");
  EXPECT_TRUE(model.SetText("1000"));
  EXPECT_TRUE(model.SetText("1,000"));  // same value, different text
  EXPECT_FALSE(model.SetText("1000"));
}

TEST(NumValueModelTest, BrokenDoubleByteTextStopsTheParse) {
  const std::vector<TextCase> cases = {
      {std::string("12\x82", 3), "12"},  // lead byte last in the text
      {std::string("12\x82\x0A"
                   "3",
                   5),
       "12"},  // lead byte without a trail byte
      {std::string("1\0"
                   "2",
                   3),
       "1"},  // NUL is no number character
      {std::string("\xFF"
                   "5",
                   2),
       ""},  // a byte of no character set
      {std::string("\x82", 1), ""},
  };
  ExpectStored(NumValueModel(), cases);
}

TEST(NumValueModelTest, MegabyteLinesKeepTheirNumericFrontOnly) {
  NumValueModel model;
  model.SetText("12 " + std::string(1 << 20, '9'));
  EXPECT_EQ(model.GetText(), "12");
  model.SetText(std::string(1 << 20, '9'));  // far too many integer digits
  EXPECT_EQ(model.GetText(), "");
  model.SetText("1." + std::string(1 << 20, '5'));  // decimals are cut, not refused
  EXPECT_EQ(model.GetText(), "1.555");
}

TEST(NumValueModelTest, StripLeadingZerosKeepsSignPointAndDecimals) {
  const NumValueModel model;
  const std::vector<TextCase> cases = {
      {"007", "7"},         {"000", "0"},      {"0", "0"},   {"00.5", "0.5"},
      {".", "0."},          {"-", "-"},        {"-0", "-0"}, {"", ""},
      {"-007.50", "-7.50"}, {"100", "100"},  // zeros after a digit stay
      {"0.00", "0.00"},     {"-00.5", "-0.5"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.input);
    EXPECT_EQ(model.StripLeadingZeros(c.input), c.expected);
  }
}

TEST(NumValueModelTest, GroupThousandsNeverPutsACommaInFront) {
  const std::vector<TextCase> cases = {
      {"1234567", "1,234,567"}, {"1234", "1,234"}, {"123", "123"}, {"", ""},
      {"123456", "123,456"},    {"1", "1"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.input);
    EXPECT_EQ(NumValueModel::GroupThousands(c.input), c.expected);
  }
}

TEST(NumValueModelTest, SplitAndJoinAreInverse) {
  for (const std::string value : {"", "-", "12.", "-0.5", "1234", "-12.345", "."}) {
    SCOPED_TRACE(value);
    EXPECT_EQ(NumValueModel::JoinNumber(NumValueModel::SplitNumber(value)), value);
  }
  const NumberParts parts = NumValueModel::SplitNumber("-12.34");
  EXPECT_EQ(parts.sign, "-");
  EXPECT_EQ(parts.integer, "12");
  EXPECT_EQ(parts.point, ".");
  EXPECT_EQ(parts.decimals, "34");
}

struct FormatCase {
  std::string value;
  std::string plain;         // Comma only
  std::string decimalFixed;  // with DecimalFixed
  std::string integerFixed;  // with IntegerFixed alone
};

TEST(NumValueModelTest, FormatNumberGroupsAndFills) {
  const std::vector<FormatCase> cases = {
      {"1234567", "1,234,567", "1,234,567.000", "1,234,567"},
      {"-1234.5", "-1,234.5", "-1,234.500", "-1,234.5"},
      {"12.", "12.", "12.000", "12."},
      {"", "", "0.000", "0"},
      {"-", "-", "-0.000", "-0"},
      {"1.2345", "1.2345", "1.234", "1.2345"},  // the fill also cuts to DecimalLength
  };
  NumValueModel plain;
  NumValueModel decimalFixed;
  decimalFixed.SetDecimalFixed(true);
  NumValueModel integerFixed;
  integerFixed.SetIntegerFixed(true);
  for (const FormatCase& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(plain.FormatNumber(c.value), c.plain);
    EXPECT_EQ(decimalFixed.FormatNumber(c.value), c.decimalFixed);
    EXPECT_EQ(integerFixed.FormatNumber(c.value), c.integerFixed);
  }
}

TEST(NumValueModelTest, DecimalFixedWithoutDecimalsAddsNoPoint) {
  NumValueModel model;
  model.SetDecimalLength(0);
  model.SetDecimalFixed(true);
  EXPECT_EQ(model.FormatNumber("12"), "12");
  EXPECT_EQ(model.FormatNumber(""), "0");
}

TEST(NumValueModelTest, MarksShowOnlyWithANumber) {
  NumValueModel model;
  model.SetLeftMark(Sj("￥"));
  model.SetRightMark(Sj("円"));
  EXPECT_EQ(model.DisplayText(), "");
  model.SetText("1500");
  EXPECT_EQ(model.DisplayText(), Sj("￥1,500円"));
  model.SetComma(false);
  EXPECT_EQ(model.DisplayText(), Sj("￥1500円"));
}

TEST(NumValueModelTest, DecimalFixedShowsZerosButTextStaysTyped) {
  NumValueModel model;
  model.SetDecimalLength(2);
  model.SetDecimalFixed(true);
  model.SetText("3");
  EXPECT_EQ(model.DisplayText(), "3.00");
  EXPECT_EQ(model.GetText(), "3");
}

TEST(NumValueModelTest, LoweringLimitsReappliesThemToTheValue) {
  NumValueModel model;
  model.SetText("-1234.567");
  EXPECT_TRUE(model.SetDecimalLength(1));
  EXPECT_EQ(model.GetText(), "-1234.5");
  EXPECT_TRUE(model.SetIntegerLength(4));
  EXPECT_EQ(model.GetText(), "-1234.5");  // exactly at the limit
  EXPECT_TRUE(model.SetIntegerLength(3));
  EXPECT_EQ(model.GetText(), "");
  EXPECT_EQ(model.DisplayText(), "");
  model.SetText("-5");
  EXPECT_TRUE(model.SetMinus(false));
  EXPECT_EQ(model.GetText(), "");
}

TEST(NumValueModelTest, ReparseKeepsLeadingZerosAndIntermediateForms) {
  NumValueModel model;
  model.SetZeroEnabled(true);
  model.SetText("007");
  model.SetZeroEnabled(false);  // not normalised again
  EXPECT_EQ(model.GetText(), "007");
  model.SetIntegerLength(5);  // reparse does not strip either
  EXPECT_EQ(model.GetText(), "007");
  EXPECT_EQ(model.DisplayText(), "007");
  model.AssignValue("12.");
  model.SetDecimalLength(0);  // the point is no longer allowed
  EXPECT_EQ(model.GetText(), "12");
}

TEST(NumValueModelTest, WritersIgnoreNegativeAndUnchangedSettings) {
  NumValueModel model;
  EXPECT_FALSE(model.SetIntegerLength(-1));
  EXPECT_FALSE(model.SetDecimalLength(-1));
  EXPECT_FALSE(model.SetIntegerLength(9));
  EXPECT_FALSE(model.SetComma(true));
  EXPECT_EQ(model.Settings().integerLength, 9);
  EXPECT_EQ(model.Settings().decimalLength, 3);
  EXPECT_TRUE(model.SetIntegerLength(0));
  model.SetText("5");
  EXPECT_EQ(model.GetText(), "");
  model.SetText(".5");
  EXPECT_EQ(model.GetText(), "0.5");  // no integer digit was typed
}

TEST(NumValueModelTest, NegativeLengthsGivenAtConstructionTakeTheDefaults) {
  NumValueSettings settings;
  settings.integerLength = -1;
  settings.decimalLength = -5;
  NumValueModel model(settings);
  model.SetText("123456789.1234");
  EXPECT_EQ(model.GetText(), "123456789.123");
}

TEST(NumValueModelTest, ReservedTemplateKeepsRoomForTheFixedParts) {
  NumValueModel model;
  EXPECT_EQ(model.ReservedTemplate("12.5"), "12.5");  // the number fills its room
  model.SetIntegerFixed(true);
  EXPECT_EQ(model.ReservedTemplate("12.5"), "-000,000,000.5");
  model.SetMinus(false);
  model.SetDecimalFixed(true);
  EXPECT_EQ(model.ReservedTemplate(""), "000,000,000.000");
  model.SetIntegerFixed(false);
  model.SetDecimalLength(0);
  EXPECT_EQ(model.ReservedTemplate(""), "0.");  // the point is reserved even without decimals
}

TEST(NumValueModelTest, MaximumTemplateIsTheWidestNumber) {
  NumValueModel model;
  EXPECT_EQ(model.MaximumTemplate(), "-000,000,000.000");
  model.SetComma(false);
  model.SetMinus(false);
  model.SetIntegerLength(3);
  model.SetDecimalLength(0);
  EXPECT_EQ(model.MaximumTemplate(), "000.");
}

TEST(NumValueModelTest, CaretTextStopsAtTheTypedEnd) {
  NumValueModel model;
  model.SetDecimalFixed(true);
  model.SetText("1.2");
  EXPECT_EQ(model.DisplayText(), "1.200");
  EXPECT_EQ(model.CaretText(), "1.2");
  model.SetText("1234");
  EXPECT_EQ(model.CaretText(), "1,234");
  model.SetText("");
  EXPECT_EQ(model.CaretText(), "0");  // the shown "0" of an empty integer part
  model.SetDecimalFixed(false);
  EXPECT_EQ(model.CaretText(), "");
}

}  // namespace
}  // namespace ruvo
