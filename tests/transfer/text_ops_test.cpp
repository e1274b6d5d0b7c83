#include "transfer/text_ops.h"

#include <gtest/gtest.h>

#include <set>

#include "support/test_text.h"

namespace ruvo {
namespace {

using test::Sj;
using test::Utf8;

struct TextCase {
  std::string input;
  std::string expected;
};

void ExpectEach(const std::vector<TextCase>& cases, std::string (*op)(std::string_view)) {
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf8(c.input));
    EXPECT_EQ(Utf8(op(c.input)), Utf8(c.expected));
  }
}

std::string TrimText(std::string_view s) {
  return std::string(Trim(s));
}
std::string TrimBlanksText(std::string_view s) {
  return std::string(TrimBlanks(s));
}

TEST(Trim, StripsControlBytesAndSpacesButNotFullWidthSpace) {
  ExpectEach({{" \t\r\nabc\x01 ", "abc"},
              {Sj("　山田　"), Sj("　山田　")},
              {"   ", ""},
              {"", ""},
              {" a b ", "a b"}},
             TrimText);
}

TEST(TrimLeft, LeavesTheEndAlone) {
  EXPECT_EQ(TrimLeft("\t a "), "a ");
}

TEST(TrimBlanks, StripsBothWidthsOfSpace) {
  ExpectEach({{Sj("　 山田 太郎　"), Sj("山田 太郎")},
              {Sj("　"), ""},
              {Sj(" 　 　"), ""},
              {Sj("\t　山田"), Sj("山田")},
              // A control byte reached only after a full-width space stays.
              {Sj("　\t山田\t　"), Sj("\t山田\t")},
              // "ァ" is 83 40: its trail byte looks like the second half of
              // "　" (81 40) but is no blank.
              {Sj("ァ"), Sj("ァ")},
              {Sj("山ァ　"), Sj("山ァ")}},
             TrimBlanksText);
}

TEST(DeleteEvery, SweepsOnceAtCharacterBoundaries) {
  EXPECT_EQ(DeleteEvery("abab", "ab"), "");
  EXPECT_EQ(DeleteEvery("aabb", "ab"), "ab");  // the new "ab" is not deleted again
  EXPECT_EQ(DeleteEvery(Sj("ェF"), "F"), Sj("ェ"));
  EXPECT_EQ(DeleteEvery("x\x93", "\x93"), "x");  // lone lead byte at the end
}

TEST(StripLabelWords, DeletesLabelWordsAnywhere) {
  ExpectEach({{Sj("お届け先：山田太郎様"), Sj("山田太郎")},
              {Sj("TEL：03-1234-5678"), "03-1234-5678"},
              {Sj("お電話番号 03-1234-5678"), "03-1234-5678"},
              {Sj("住所：東京都港区"), Sj("東京都港区")},
              {Sj("〒105-0011"), "105-0011"},
              {Sj("ＴＥＬ ０３－１２３４"), Sj("０３－１２３４")},
              {Sj("℡03"), "03"},
              {Sj("おところ１：東京都"), Sj("東京都")},
              {Sj("ご送付先 田中様方"), Sj("田中方")},
              {Sj("山田 様"), Sj("山田 ")},  // only the start is trimmed
              {Sj("TEL TEL 03"), "03"},
              {Sj("山田太郎"), Sj("山田太郎")}},
             StripLabelWords);
}

TEST(StripLabelWords, LongerWordsGoBeforeTheWordsTheyContain) {
  // "お電話" must not leave "お" behind, nor "ゆうびんばんごう" an "ゆうびん".
  EXPECT_EQ(StripLabelWords(Sj("お電話：03")), "03");
  EXPECT_EQ(StripLabelWords(Sj("ゆうびんばんごう 105")), "105");
  EXPECT_EQ(StripLabelWords(Sj("ご住所 港区")), Sj("港区"));
}

TEST(StripLabelWords, AWordFormedByADeletionGoesOnlyInALaterStep) {
  ExpectEach({{"TTelEL", ""},                     // "Tel" out, then the second "TEL" step
              {Sj("ＴＥtelＬ"), ""},              // "tel" out, then "ＴＥＬ"
              {Sj("電電話話"), Sj("電話")},       // one sweep: the new "電話" stays
              {Sj("ご住住所所"), Sj("ご住所")}},  // "ご住所" came before "住所"
             StripLabelWords);
}

TEST(StripLabelWords, LeavesWordsThatAreNotInTheTable) {
  // "FAX", "携帯" and the lower-case "TEL" variants outside the table stay.
  EXPECT_EQ(StripLabelWords(Sj("FAX 03")), Sj("FAX 03"));
  EXPECT_EQ(StripLabelWords(Sj("携帯 090")), Sj("携帯 090"));
  EXPECT_EQ(StripLabelWords("tEL 03"), "tEL 03");
}

TEST(LabelWords, HoldsFortyFiveStepsWithTelTwice) {
  const auto words = LabelWords();
  EXPECT_EQ(words.size(), 45u);
  EXPECT_EQ(std::set<std::string_view>(words.begin(), words.end()).size(), 44u);
  EXPECT_EQ(words.front(), Sj("："));
  EXPECT_EQ(words.back(), Sj("届け先"));
}

}  // namespace
}  // namespace ruvo
