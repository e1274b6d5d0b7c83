#include "transfer/half_width.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "support/cp932_rows.h"
#include "support/test_text.h"

namespace ruvo {
namespace {

using test::Sj;
using test::Utf8;

struct WidthCase {
  std::string full;
  std::string half;
};

TEST(ToHalfWidth, ConvertsCharactersThatHaveAHalfWidthForm) {
  const WidthCase cases[] = {
      {Sj("１２３－４５６７"), "123-4567"},
      {Sj("ＴＥＬ：０３"), "TEL:03"},
      {Sj("Ｔｅｌ"), "Tel"},
      {Sj("！～"), "!~"},                        // both ends of the ASCII block
      {Sj("＼"), "\\"},                          //
      {Sj("＂＇"), "\"'"},                       // IBM extension codes FA57, FA56
      {Sj("a　b"), "a b"},                       // ideographic space
      {Sj("ビル"), Sj("ﾋﾞﾙ")},                   // voiced kana: base and ﾞ
      {Sj("パ"), Sj("ﾊﾟ")},                      // semi-voiced kana: base and ﾟ
      {Sj("ヴ"), Sj("ｳﾞ")},                      //
      {Sj("ァッョヲン"), Sj("ｧｯｮｦﾝ")},           // small kana and the ends of the row
      {Sj("、。「」・ー゛゜"), Sj("､｡｢｣･ｰﾞﾟ")},  // the marks
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf8(c.full));
    EXPECT_EQ(Utf8(ToHalfWidth(c.full)), Utf8(c.half));
  }
}

TEST(ToHalfWidth, LeavesCharactersWithoutAHalfWidthForm) {
  const std::string cases[] = {
      Sj("東京都"),            // kanji
      Sj("やまだ"),            // hiragana
      Sj("ヶヵヮヰヱ"),        // katakana without a half-width form
      Sj("￥“”"),              // signs outside the ASCII block
      Sj("ﾋﾞﾙ abc 123"),       // already half-width
      Sj("〒―‐"),              // other dashes and marks
      "\x82",                  // lone lead byte at the end
      std::string("a\0b", 3),  // NUL byte
  };
  for (const auto& text : cases) {
    SCOPED_TRACE(Utf8(text));
    EXPECT_EQ(ToHalfWidth(text), text);
  }
}

TEST(ToHalfWidth, NeverTakesATrailByteForALeadByte) {
  // "ャ" is 83 83; read one byte off, 83 40 would be "ァ".
  EXPECT_EQ(Utf8(ToHalfWidth(Sj("ャ@"))), Utf8(Sj("ｬ@")));
  // "ー" is 81 5B; "ヲ" is 83 92: 5B 83 is no character to convert.
  EXPECT_EQ(Utf8(ToHalfWidth(Sj("ーヲ"))), Utf8(Sj("ｰｦ")));
}

TEST(ToHalfWidth, ConvertsTextsLongerThan255BytesWhole) {
  std::string full;
  for (int i = 0; i < 200; ++i)
    full += Sj("１");  // 400 bytes
  const std::string half = ToHalfWidth(full);
  EXPECT_EQ(half, std::string(200, '1'));
}

TEST(ToHalfWidth, IsIdempotent) {
  const std::string once = ToHalfWidth(Sj("ＴＥＬ ガーデン　０３"));
  EXPECT_EQ(ToHalfWidth(once), once);
}

TEST(HalfWidthOf, KnowsNothingOutsideTheTable) {
  EXPECT_EQ(HalfWidthOf(0x8260), "A");  // "Ａ"
  EXPECT_EQ(HalfWidthOf(0x889F), "");   // "亜"
  EXPECT_EQ(HalfWidthOf(0), "");
  EXPECT_EQ(HalfWidthOf(0xFFFF), "");
}

// The table is CP932 in hex; its comments say each row in characters
// ("{0x8141, "\xA4"},  // 、 → ､"). A row whose comment words a character
// ("ideographic space (U+3000) → space") is left to the cases above.
TEST(ToHalfWidth, EveryTableRowSaysInItsCommentWhatItMaps) {
  std::ifstream source(std::string(RUVO_SOURCE_DIR) + "/transfer/half_width.cpp");
  const std::regex row(R"re(\{0x([0-9A-F]{4}), "(.*)"\},\s+// (\S+) → (\S+)$)re");
  int checked = 0;
  for (std::string line; std::getline(source, line);) {
    std::smatch match;
    if (!std::regex_search(line, match, row)) continue;
    SCOPED_TRACE(line);
    const unsigned code = static_cast<unsigned>(std::stoul(match[1].str(), nullptr, 16));
    const std::string full{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
    const std::string half = *test::cp932_rows::StringLiterals('"' + match[2].str() + '"');
    EXPECT_EQ(Utf8(full), match[3].str());
    EXPECT_EQ(Utf8(half), match[4].str());
    ++checked;
  }
  EXPECT_GT(checked, 0);
}

}  // namespace
}  // namespace ruvo
