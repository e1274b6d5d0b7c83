#include "transfer/clean_lines.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace ruvo {
namespace {

using test::Sj;
using test::Utf8;

struct LeadCase {
  std::string text;
  std::string expected;
};

TEST(NumericLead, ReadsTheNumberAtTheStart) {
  const LeadCase cases[] = {
      {"123-4567", "123"},
      {Sj("０９０－１２３４"), "90"},
      {"1234567890", ""},  // ten integer digits are too many
      {"123456789", "123456789"},
      {Sj("1,234円"), "1234"},
      {"-12", "-12"},
      {Sj("山田"), ""},
      {"03-1234-5678", "3"},
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf8(c.text));
    EXPECT_EQ(NumericLead(c.text), c.expected);
  }
}

MemoLines SjLines(std::initializer_list<std::string_view> utf8) {
  MemoLines lines;
  for (std::string_view line : utf8)
    lines.push_back(Sj(line));
  return lines;
}

void ExpectLines(const MemoLines& actual, const MemoLines& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_EQ(Utf8(actual[i]), Utf8(expected[i]));
  }
}

TEST(CleanLines, ConvertsOnlyLinesLedByAThreeCharacterNumber) {
  ExpectLines(CleanLines(SjLines({"〒１０５－００１１", "ＴＥＬ ０３－１２３４－５６７８",
                                  "１２ ﾊｲﾂ", "１２３ ビル"})),
              SjLines({"105-0011", "０３－１２３４－５６７８", "１２ ﾊｲﾂ", "123 ﾋﾞﾙ", "", "", ""}));
}

TEST(CleanLines, AlwaysConvertsTheSeventhLine) {
  ExpectLines(
      CleanLines(SjLines({"a", "b", "c", "d", "e", "f", "ＴＥＬ ０３－１２３４－５６７８"})),
      SjLines({"a", "b", "c", "d", "e", "f", "03-1234-5678"}));
}

TEST(CleanLines, ConvertsTheSeventhLineBeforeItsLabelWordsGo) {
  // Line 7 is half-width by the time its own label words go:
  // "ｔｅｌ　カナ" → "tel ｶﾅ" → "ｶﾅ". Line 1 loses "Ｔｅｌ" in its own width.
  const MemoLines cleaned =
      CleanLines(SjLines({"Ｔｅｌ 090", "b", "c", "d", "e", "f", "ｔｅｌ　カナ"}));
  EXPECT_EQ(cleaned[0], "090");
  EXPECT_EQ(Utf8(cleaned[6]), Utf8(Sj("ｶﾅ")));  // "tel" deleted, blank trimmed
}

TEST(CleanLines, KeepsSevenLinesAndIgnoresTheEighth) {
  const MemoLines memo = SjLines({"1", "2", "3", "4", "5", "6", "7", "8"});
  const MemoLines cleaned = CleanLines(memo);
  EXPECT_EQ(cleaned, SjLines({"1", "2", "3", "4", "5", "6", "7"}));
}

TEST(CleanLines, TrimsBlanksAfterDeletingLabels) {
  ExpectLines(CleanLines(SjLines({" お名前：　山田 太郎　様 "})),
              SjLines({"山田 太郎", "", "", "", "", "", ""}));
}

}  // namespace
}  // namespace ruvo
