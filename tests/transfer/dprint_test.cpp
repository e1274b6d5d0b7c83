#include "transfer/dprint.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace ruvo {
namespace {

using test::Sj;

struct CountCase {
  std::string text;
  std::string pattern;
  std::size_t expected;
};

TEST(SubStrCount, CountsWithoutOverlapAtCharacterBoundaries) {
  const CountCase cases[] = {
      {Sj("東京都港区"), Sj("都"), 1},
      {"1-2-3", "-", 2},
      {"", "-", 0},
      {"aaa", "aa", 1},                  // no overlap
      {"aaaa", "aa", 2},                 //
      {Sj("ェ"), "F", 0},                // 83 46: trail byte is "F"
      {Sj("ァ"), "@", 0},                // 83 40: trail byte is "@"
      {Sj("ァ@"), "@", 1},               // the real one after it
      {Sj("中学校"), Sj("中学"), 1},     //
      {Sj("ｶｰｻ"), Sj("ｶｰｻ"), 1},         // one-byte katakana
      {Sj("ビル"), Sj("ﾋﾞﾙ"), 0},        // widths differ
      {"Tel", "TEL", 0},                 // case differs
      {"12\x93", "\x93", 1},             // lone lead byte at the end
      {std::string("a\0a", 3), "a", 2},  // a NUL byte is text like any other
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(test::Utf8(c.text) + " / " + test::Utf8(c.pattern));
    EXPECT_EQ(SubStrCount(c.text, c.pattern), c.expected);
  }
}

TEST(SubStrCount, EmptyPatternIsFoundNowhere) {
  EXPECT_EQ(SubStrCount("abc", ""), 0u);
}

TEST(SubStrCount, PatternLongerThanTheRestIsNotFound) {
  EXPECT_EQ(SubStrCount("ab", "abc"), 0u);
  EXPECT_EQ(SubStrCount("xab", "abc"), 0u);
}

struct IntCase {
  std::string_view text;
  std::int32_t expected;
};

TEST(StrToIntSafe, ReadsIntegerLiterals) {
  const IntCase cases[] = {
      {"12", 12},
      {"-7", -7},
      {"+5", 5},
      {"  42", 42},  // leading spaces are allowed
      {"0", 0},
      {"007", 7},
      {"$1F", 31},
      {"x10", 16},
      {"X10", 16},
      {"0x1f", 31},
      {"-$10", -16},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(StrToIntSafe(c.text), c.expected);
  }
}

TEST(StrToIntSafe, GivesZeroForAnythingElse) {
  const std::string_view cases[] = {
      "12a",                   // trailing letter
      "",                      // nothing
      "12 ",                   // trailing blank
      "\t12",                  // only spaces may lead
      "-",                     // sign without digits
      "$",                     // prefix without digits
      "1.5",                   // no decimals
      "2147483648",            // one past the largest
      "-2147483649",           // one past the smallest
      "99999999999999999999",  // far past, must not wrap
      "$FFFFFFFF",             // beyond the signed range
      "\x82\x4F",              // full-width "０"
  };
  for (std::string_view text : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(StrToIntSafe(text), 0);
  }
}

}  // namespace
}  // namespace ruvo
